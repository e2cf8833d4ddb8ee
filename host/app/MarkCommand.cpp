#include "MarkCommand.h"

#include <cstdio>

#include "DocumentVerb.h"
#include "TextTarget.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextModel.h"

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
    int32_t type = 0;
    if (!TextTarget::KindOf(fKind, &type))
        return DocumentVerb::Fail("The kind " + fKind + " is none of " + TextTarget::kKindWords + ".");
    int32_t start = 0, end = 0;
    if (!TextTarget::ParseRange(fRange, &start, &end))
        return DocumentVerb::Fail("The range " + fRange + " is not two text indices written START:END.");
    return DocumentVerb::Run(fDocument, fOut, [&](IDocument* document) {
        const std::string problem = TextTarget::Check(document, fDocument, fStory, fRange, start, end);
        return problem.empty() ? Mark(document, type, start, end) : DocumentVerb::Fail(problem);
    });
}
