#include "TextMarkupFixture.h"

#include <gtest/gtest.h>

#include "INotesColorManager.h"
#include "INotesViewUtils.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IRangeData.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextAttrUID.h"
#include "host/text/ITextModel.h"
#include "model/NotesSaveAnnotationCmd.h"
#include "textmarkup/NotesTextMarkupClasses.h"

using namespace CoreFixture;

namespace TextMarkupFixture {
namespace {
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"},
                 {"page": 1, "bounds": [72, 320, 540, 500], "story": "t"},
                 {"page": 1, "bounds": [72, 520, 140, 536], "story": "o"}],
  "stories": [{"id": "s", "paragraphs": ["The quick brown fox jumps over the lazy dog", "Second paragraph"]},
              {"id": "t", "paragraphs": ["Table below", {"table": {"columnWidths": [100, 100], "rowHeights": [40],
                 "cells": [["Quince", "Rowan"]]}}]},
              {"id": "o", "paragraphs": ["Visible", "Hidden words far below the frame"]}]
})";
const char* const kStoryIds[] = {"s", "t", "o"};
} // namespace

MarkupDocument::MarkupDocument() {
    fDocument = BuildDocument(kLayout);
    fDataBase = fDocument ? fDocument->GetDocumentDataBase() : nullptr;
}

MarkupDocument::~MarkupDocument() {
    if (fDocument)
        Close(fDocument);
}

UIDRef MarkupDocument::Doc() const {
    return DocumentRef(fDocument);
}

UID MarkupDocument::Story(const std::string& id) const {
    InterfacePtr<IStoryList> stories(Doc(), IID_ISTORYLIST);
    for (int32 i = 0; i < 3; ++i)
        if (id == kStoryIds[i])
            return stories->GetNthStoryUID(i);
    return kInvalidUID;
}

std::u16string MarkupDocument::Text(UID story) const {
    InterfacePtr<ITextModel> model(UIDRef(fDataBase, story), IID_ITEXTMODEL);
    return model->GetText(0, model->TotalLength()).GetUTF16();
}

TextIndex MarkupDocument::Find(UID story, const std::u16string& word) const {
    const size_t at = Text(story).find(word);
    EXPECT_NE(at, std::u16string::npos);
    return static_cast<TextIndex>(at);
}

UID MarkupDocument::SwatchFor(INotesAnnotation::NotesAnnotationType type) const {
    InterfacePtr<INotesColorManager> colors(Doc(), IID_INOTESCOLORMANAGER);
    return colors->GetKindColor(type);
}

UID MarkupDocument::Mark(UID story, RangeData range, INotesAnnotation::NotesAnnotationType type,
                         const std::string& content) {
    return MarkIn(fDataBase, story, range, type, content, SwatchFor(type));
}

UID MarkupDocument::MarkIn(IDataBase* db, UID story, RangeData range,
                           INotesAnnotation::NotesAnnotationType type, const std::string& content,
                           UID swatch) {
    InterfacePtr<ICommand> createMarkers(CmdUtils::CreateCommand(kNotesCreateMarkersCmdBoss));
    InterfacePtr<IIntData>(createMarkers, IID_IINTDATA)->Set(type);
    createMarkers->SetItemList(UIDList(UIDRef(db, story)));
    if (CmdUtils::ProcessCommand(createMarkers) != kSuccess || createMarkers->GetItemList()->Length() != 1)
        return kInvalidUID;
    const UIDRef endMarker = createMarkers->GetItemList()->GetRef(0);
    InterfacePtr<IRangeData>(endMarker, IID_IRANGEDATA)->Set(range);
    InterfacePtr<IUIDData>(endMarker, IID_INOTESMARKERDATA)->Set(story);
    InterfacePtr<INotesAnnotation> record(CreateObject2<INotesAnnotation>(kNotesSaveAnnotationCmdBoss));
    record->Set(type, {PMPoint(1, 2), PMPoint(3, 4)}, swatch, kTrue, PMString(content.c_str()),
                PMString("Reviewer"), IDTime());
    EXPECT_TRUE(NotesSaveAnnotationCmd::SaveRecord(endMarker, record));
    InterfacePtr<ICommand> setTextMarkup(CmdUtils::CreateCommand(kNotesSetTextMarkupCmdBoss));
    setTextMarkup->SetItemList(UIDList(endMarker));
    if (CmdUtils::ProcessCommand(setTextMarkup) != kSuccess || setTextMarkup->GetItemList()->Length() != 1)
        return kInvalidUID;
    return endMarker.GetUID();
}

std::u16string MarkupDocument::Marked(UID annotation) const {
    Utils<INotesViewUtils> viewUtils;
    UIDRef story;
    RangeData range;
    if (!fDataBase->IsValidUID(annotation) ||
        !viewUtils->GetMarkedText(UIDRef(fDataBase, annotation), &story, &range))
        return u"";
    InterfacePtr<ITextModel> model(story, IID_ITEXTMODEL);
    return model->GetText(range.Start(), range.Length()).GetUTF16();
}

UID MarkupDocument::AttributeAt(UID story, TextIndex at, ClassID attributeClass) const {
    InterfacePtr<IAttributeStrand> strand(UIDRef(fDataBase, story), IID_IATTRIBUTESTRAND);
    return NotesTextMarkupClasses::ValueOf(strand->GetAttributes(at), attributeClass);
}

ErrorCode MarkupDocument::Process(ICommand* cmd) {
    InterfacePtr<ICommand> owned(cmd);
    return CmdUtils::ProcessCommand(owned);
}
} // namespace TextMarkupFixture
