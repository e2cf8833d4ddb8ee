#include "NotesTextEdit.h"

#include "INotesAnnotation.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextModel.h"
#include "host/text/IThreadStrand.h"
#include "NotesFailureLog.h"

bool NotesTextEdit::Find(const UIDRef& annotation, NotesTextEdit* edit) {
    InterfacePtr<INotesAnnotation> record(annotation, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(record) || !NOTES_CHECK_TRUE(record->IsRedaction()))
        return false;
    if (!NotesMarkedRun::Find(annotation, &edit->run) ||
        !NOTES_CHECK_TRUE(edit->run.endMarker == annotation.GetUID()) ||
        !NOTES_CHECK_TRUE(edit->run.IsAnchored()) || !NOTES_CHECK_TRUE(edit->run.end >= edit->run.start))
        return false;
    InterfacePtr<ITextModel> textModel(edit->run.story, IID_ITEXTMODEL);
    if (!NOTES_CHECK_NIL(textModel))
        return false;
    edit->oldText = textModel->GetText(edit->run.start, edit->Length());
    edit->content = record->GetContent();
    edit->content.SetTranslatable(kFalse);
    return true;
}

int32 NotesTextEdit::DeletableLength() const {
    InterfacePtr<ITextModel> textModel(run.story, IID_ITEXTMODEL);
    InterfacePtr<IThreadStrand> threads(run.story, IID_ITHREADSTRAND);
    const int32 thread = threads ? threads->FindThreadAt(run.end) : -1;
    const TextIndex finalReturn = thread >= 0 ? threads->GetNthRange(thread).End() - 1
                                              : (textModel ? textModel->TotalLength() - 1 : -1);
    return run.end == finalReturn ? Length() - 1 : Length();
}
