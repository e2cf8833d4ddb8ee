#include "MarkCommand.h"

#include <cstdio>
#include <map>
#include <regex>

#include "DocumentVerb.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextModel.h"

namespace {
using A = INotesAnnotation;

const std::map<std::string, int32_t> kKinds = {
    {"highlight", A::kHighlightAnnotation}, {"underline", A::kUnderlineAnnotation},
    {"squiggly", A::kSquigglyAnnotation},   {"strikeout", A::kStrikethroughAnnotation},
    {"caret", A::kCaretAnnotation},         {"replace", A::kRedactionAnnotation},
};

// START:END as two numbers; false for anything else.
bool ParseRange(const std::string& text, int32_t* start, int32_t* end) {
    static const std::regex kRange(R"(^(\d{1,9}):(\d{1,9})$)");
    std::smatch match;
    if (!std::regex_match(text, match, kRange))
        return false;
    *start = std::stoi(match[1]);
    *end = std::stoi(match[2]);
    return true;
}
} // namespace

MarkCommand::MarkCommand(CLI::App& app) {
    fCommand = app.add_subcommand("mark", "Mark characters of a story with a new text markup and save");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_option("KIND", fKind, "highlight, underline, squiggly, strikeout, caret or replace")
        ->required();
    fCommand->add_option("--story", fStory, "Story id as `pagehost notes --json` gives it")->required();
    fCommand
        ->add_option("--range", fRange, "START:END, text indices of the story (a caret stands before START)")
        ->required();
    fCommand->add_option("--note", fNote, "Note text (the new text of a caret or replace)");
    fCommand->add_option("--out", fOut, "Save the result here instead of over DOC");
}

std::string MarkCommand::CheckTarget(IDocument* document, int32_t start, int32_t end) const {
    IDataBase* db = document->GetDocumentDataBase();
    const bool inRange = fStory > 0 && fStory <= 0xFFFFFFFFLL;
    const UID story = inRange ? static_cast<UID>(fStory) : kInvalidUID;
    InterfacePtr<ITextModel> textModel(inRange && db->IsValidUID(story) ? UIDRef(db, story) : UIDRef(),
                                       IID_ITEXTMODEL);
    if (!textModel)
        return "The id " + std::to_string(fStory) + " names no story of " + fDocument + ".";
    if (start > end || end > textModel->TotalLength())
        return "The range " + fRange + " lies outside story " + std::to_string(fStory) +
               ", whose text runs from 0 to " + std::to_string(textModel->TotalLength()) + ".";
    return std::string();
}

int MarkCommand::Mark(IDocument* document, int32_t type, int32_t start, int32_t end) const {
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<ICommand> newTextMarkupCmd(CmdUtils::CreateCommand(kNotesNewTextMarkupCmdBoss));
    InterfacePtr<IIntData> annotType(newTextMarkupCmd, IID_IINTDATA);
    InterfacePtr<IRangeData> rangeData(newTextMarkupCmd, IID_IRANGEDATA);
    if (!annotType || !rangeData)
        return DocumentVerb::Fail(DocumentVerb::NotLoaded("nothing can be marked"));
    annotType->Set(type);
    rangeData->Set(RangeData(start, end));
    newTextMarkupCmd->SetItemList(UIDList(UIDRef(db, static_cast<UID>(fStory))));
    if (CmdUtils::ProcessCommand(newTextMarkupCmd) != kSuccess ||
        newTextMarkupCmd->GetItemList()->Length() != 1)
        return DocumentVerb::Fail("No " + fKind + " can stand on " + fRange + " of story " +
                                  std::to_string(fStory) + ": the range is empty or already marked so.");
    const UIDRef annotation = newTextMarkupCmd->GetItemList()->GetRef(0);
    if (!fNote.empty()) {
        InterfacePtr<ICommand> saveNoteContentCmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
        InterfacePtr<IStringData> content(saveNoteContentCmd, IID_ISTRINGDATA);
        if (!content)
            return DocumentVerb::Fail(DocumentVerb::NotLoaded("no note can be written"));
        content->Set(PMString(fNote.c_str()));
        saveNoteContentCmd->SetItemList(UIDList(annotation));
        if (CmdUtils::ProcessCommand(saveNoteContentCmd) != kSuccess)
            return DocumentVerb::Fail("The note of the new " + fKind + " could not be written.");
    }
    std::printf("%u\n", annotation.GetUID());
    return 0;
}

int MarkCommand::Run() const {
    const auto kind = kKinds.find(fKind);
    if (kind == kKinds.end())
        return DocumentVerb::Fail(
            "The kind " + fKind +
            " is none of highlight, underline, squiggly, strikeout, caret and replace.");
    int32_t start = 0, end = 0;
    if (!ParseRange(fRange, &start, &end))
        return DocumentVerb::Fail("The range " + fRange + " is not two text indices written START:END.");
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) {
        const std::string problem = CheckTarget(document, start, end);
        return problem.empty() ? Mark(document, kind->second, start, end) : DocumentVerb::Fail(problem);
    });
}
