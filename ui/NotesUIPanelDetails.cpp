#include "NotesUIPanelDetails.h"

#include "INotesAnnotation.h"
#include "NotesFailureLog.h"
#include "NotesUINotesPanel.h"
#include "QuillpaneID.h"
#include "host/ui/ITextControlData.h"

namespace {
struct Widgets {
    IControlView* editBoxControlView = nullptr;
    InterfacePtr<ITextControlData> editBoxTextControlData;
    InterfacePtr<ITextControlData> authorTextControlData;
    InterfacePtr<ITextControlData> dtimeTextControlData;
    IControlView* acceptIconControlView = nullptr;
    IControlView* rejectIconControlView = nullptr;
    IControlView* removeIconControlView = nullptr;

    // False, logged, when one of them is missing.
    bool Found() const {
        return NOTES_CHECK_NIL(editBoxControlView) && NOTES_CHECK_NIL(editBoxTextControlData) &&
               NOTES_CHECK_NIL(authorTextControlData) && NOTES_CHECK_NIL(dtimeTextControlData) &&
               NOTES_CHECK_NIL(acceptIconControlView) && NOTES_CHECK_NIL(rejectIconControlView) &&
               NOTES_CHECK_NIL(removeIconControlView);
    }
};

Widgets FindWidgets() {
    Widgets w;
    w.editBoxControlView = NotesUINotesPanel::FindWidget(kNotesUINoteEditBoxWidgetID);
    // The box's text as the note stores it: its line ends converted on the way in and out.
    w.editBoxTextControlData =
        InterfacePtr<ITextControlData>(w.editBoxControlView, IID_INOTESUITEXTCONTROLDATA);
    w.authorTextControlData = InterfacePtr<ITextControlData>(
        NotesUINotesPanel::FindWidget(kNotesUIAuthorWidgetID), IID_ITEXTCONTROLDATA);
    w.dtimeTextControlData = InterfacePtr<ITextControlData>(
        NotesUINotesPanel::FindWidget(kNotesUIDateWidgetID), IID_ITEXTCONTROLDATA);
    w.acceptIconControlView = NotesUINotesPanel::FindWidget(kNotesUIAcceptIconWidgetID);
    w.rejectIconControlView = NotesUINotesPanel::FindWidget(kNotesUIRejectIconWidgetID);
    w.removeIconControlView = NotesUINotesPanel::FindWidget(kNotesUIRemoveIconWidgetID);
    return w;
}

PMString UserText(const PMString& text) {
    PMString shown = text;
    shown.SetTranslatable(kFalse);
    return shown;
}

// Only a text that differs is set, so that a box the user is typing in is left alone.
void SetText(ITextControlData* control, const PMString& text) {
    if (control->GetString() != text)
        control->SetString(UserText(text));
}

void SetTexts(const Widgets& w, const PMString& content, const PMString& author, const PMString& date) {
    SetText(w.editBoxTextControlData, content);
    SetText(w.authorTextControlData, author);
    SetText(w.dtimeTextControlData, date);
}

void EnableIf(IControlView* view, bool enable) {
    if (view->IsEnabled() != (enable ? kTrue : kFalse))
        view->Enable(enable ? kTrue : kFalse);
}
} // namespace

void NotesUIPanelDetails::ShowNothing() {
    const Widgets w = FindWidgets();
    if (!w.Found())
        return;
    w.editBoxControlView->Disable();
    SetTexts(w, PMString(), PMString(), PMString());
    EnableIf(w.acceptIconControlView, false);
    EnableIf(w.rejectIconControlView, false);
    EnableIf(w.removeIconControlView, false);
}

void NotesUIPanelDetails::ShowAnnotation(const UIDRef& annotationRef) {
    const Widgets w = FindWidgets();
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    if (!w.Found() || !NOTES_CHECK_NIL(annotation))
        return;
    w.editBoxControlView->Enable();
    SetTexts(w, annotation->GetContent(), annotation->GetAuthor(), DateText(annotationRef));
    const bool textEdit = annotation->IsRedaction();
    EnableIf(w.acceptIconControlView, textEdit);
    EnableIf(w.rejectIconControlView, textEdit);
    EnableIf(w.removeIconControlView, true);
}

void NotesUIPanelDetails::ShowSeveral(bool anyTextEdit) {
    const Widgets w = FindWidgets();
    if (!w.Found())
        return;
    w.editBoxControlView->Disable();
    SetTexts(w, PMString(), PMString(), PMString());
    EnableIf(w.acceptIconControlView, anyTextEdit);
    EnableIf(w.rejectIconControlView, anyTextEdit);
    EnableIf(w.removeIconControlView, true);
}

PMString NotesUIPanelDetails::DateText(const UIDRef& annotationRef) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    if (!annotation || annotation->GetDate() == IDTime())
        return PMString();
    return PMString(annotation->GetDate().Format().c_str());
}
