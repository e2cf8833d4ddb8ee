#include "NotesClearAllColorsCmd.h"

#include "INotesAnnotationColorList.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IRenderingObject.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

NotesClearAllColorsCmd::NotesClearAllColorsCmd(IPMUnknown* boss) : Command(boss) {
    SetUndoability(kRegularUndo);
}

void NotesClearAllColorsCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_NIL(GetItemList()) || !NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesAnnotationColorList> annotationColorList(GetItemList()->GetRef(0),
                                                                    IID_INOTESANNOTATIONCOLORLIST);
        if (!NOTES_CHECK_NIL(annotationColorList))
            break;
        ReleaseOtherColors(annotationColorList.get());
        annotationColorList->Clear();
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesClearAllColorsCmd::ReleaseOtherColors(const INotesAnnotationColorList* annotationColorList) const {
    IDataBase* database = GetItemList()->GetDataBase();
    for (int32 i = 0; i < annotationColorList->GetColorCount(); ++i) {
        // A swatch the user deleted meanwhile has nothing left to release.
        InterfacePtr<IRenderingObject> renderingObject(UIDRef(database, annotationColorList->GetNthColor(i)),
                                                       IID_IRENDERINGOBJECT);
        if (NOTES_CHECK_NIL(renderingObject))
            renderingObject->SetEditable(kTrue);
    }
}

PMString* NotesClearAllColorsCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesClearAllColorsCmdNameKey));
}
