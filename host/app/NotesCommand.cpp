#include "NotesCommand.h"

#include <cstdio>

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesViewUtils.h"
#include "NotesPages.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ITextModel.h"

NotesCommand::NotesCommand(CLI::App& app) {
    fCommand = app.add_subcommand("notes", "List the annotations of a document by page");
    fCommand->add_option("DOC", fDocument, "Document file")->required();
    fCommand->add_flag("--json", fJson, "Print JSON instead of text");
}

std::string NotesCommand::KindName(int32 type) {
    static const char* const kNames[] = {"unknown",        "popup",     "sticky note",        "highlight",
                                         "strike-through", "underline", "squiggly underline", "replacement",
                                         "insertion",      "line",      "polyline",           "polygon",
                                         "circle",         "square",    "free text"};
    return type >= 0 && type <= 14 ? kNames[type] : "unknown";
}

nlohmann::ordered_json NotesCommand::Annotations(IDataBase* db, UID page) {
    nlohmann::ordered_json notes = nlohmann::ordered_json::array();
    InterfacePtr<INotesAnnotationList> list(UIDRef(db, page), IID_INOTESANNOTATIONLIST);
    if (!list)
        return notes;
    const UIDList annotations = list->GetAnnotations();
    for (UID uid : annotations.GetUIDs()) {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(db, uid), IID_INOTESANNOTATION);
        if (!annotation)
            continue;
        nlohmann::ordered_json note;
        note["id"] = uid;
        note["kind"] = KindName(annotation->GetType());
        note["author"] = annotation->GetAuthor().GetUTF8String();
        // A note without a date holds the host's default time; it is shown with no date at all.
        const IDTime date = annotation->GetDate();
        note["date"] = date == IDTime() ? nlohmann::ordered_json() : nlohmann::ordered_json(date.Format());
        note["content"] = annotation->GetContent().GetUTF8String();
        AddMarkedText(UIDRef(db, uid), &note);
        AddBounds(UIDRef(db, uid), page, &note);
        notes.push_back(note);
    }
    return notes;
}

void NotesCommand::AddMarkedText(const UIDRef& annotation, nlohmann::ordered_json* note) {
    Utils<INotesViewUtils> viewUtils;
    UIDRef story;
    RangeData range;
    InterfacePtr<INotesAnnotation> record(annotation, IID_INOTESANNOTATION);
    if (!viewUtils || !record || record->GetSubType() != INotesAnnotation::kTextMarkupType ||
        !viewUtils->GetMarkedText(annotation, &story, &range))
        return;
    InterfacePtr<ITextModel> model(story, IID_ITEXTMODEL);
    if (!model)
        return;
    (*note)["story"] = story.GetUID();
    (*note)["range"] = {range.Start(), range.End()};
    (*note)["text"] = WideString(model->GetText(range.Start(), range.Length())).GetUTF8String();
}

void NotesCommand::AddBounds(const UIDRef& annotation, UID page, nlohmann::ordered_json* note) {
    InterfacePtr<INotesAnnotation> record(annotation, IID_INOTESANNOTATION);
    InterfacePtr<INotesAnnotationLayout> layout(annotation, IID_INOTESANNOTATIONLAYOUT);
    Utils<ILayoutUtils> layoutUtils;
    if (!record || !layout || !layoutUtils || record->GetSubType() != INotesAnnotation::kPageItemType)
        return;
    const PMPoint origin =
        layoutUtils->GetPageBoundsOnPasteboard(UIDRef(annotation.GetDataBase(), page)).LeftTop();
    const PMRect bounds = layout->GetBounds();
    (*note)["bounds"] = {bounds.Left() - origin.X(), bounds.Top() - origin.Y(), bounds.Right() - origin.X(),
                         bounds.Bottom() - origin.Y()};
}

nlohmann::ordered_json NotesCommand::Collect(IDataBase* db) {
    nlohmann::ordered_json pages = nlohmann::ordered_json::array();
    for (const NotesPages::Page& page : NotesPages::InPanelOrder(db)) {
        nlohmann::ordered_json notes = Annotations(db, page.uid);
        for (auto& note : notes)
            note["page"] = page.label;
        if (!notes.empty())
            pages.push_back({{"page", page.label}, {"notes", notes}});
    }
    return pages;
}

std::string NotesCommand::ToText(const nlohmann::ordered_json& pages) {
    std::string text;
    for (const auto& page : pages) {
        text += page["page"].get<std::string>() + "\n";
        for (const auto& note : page["notes"]) {
            text += "  " + note["kind"].get<std::string>() + " by " + note["author"].get<std::string>() +
                    (note["date"].is_null() ? std::string() : ", " + note["date"].get<std::string>()) + "\n";
            if (!note["content"].get<std::string>().empty())
                text += "    " + note["content"].get<std::string>() + "\n";
            if (note.contains("text"))
                text += "    marks \"" + note["text"].get<std::string>() + "\"\n";
        }
    }
    return text;
}

int NotesCommand::Run() const {
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocument);
    if (!opened.document) {
        std::fprintf(stderr, "pagehost: %s\n", opened.message.c_str());
        return 1;
    }
    const nlohmann::ordered_json pages = Collect(opened.document->GetDocumentDataBase());
    const std::string out = fJson ? pages.dump(2) + "\n" : ToText(pages);
    std::fputs(out.c_str(), stdout);
    DocumentManager::Instance().CloseDocument(opened.document);
    return 0;
}
