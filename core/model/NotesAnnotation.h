// NotesAnnotation: the persistent annotation record of text-markup end markers and annotation page
// items. Stored as: type, colour (UID reference), popup flag, content, author, date, point count,
// then the points (x, y as 64-bit reals). It can open and close its popup.
#pragma once

#include "NotesAnnotationBase.h"

class NotesAnnotation final : public NotesAnnotationBase {
public:
    explicit NotesAnnotation(IPMUnknown* boss) : NotesAnnotationBase(boss) {}

    void Set(NotesAnnotationType type, PMPointList points, UID color, bool16 canShowPopup, PMString content,
             PMString author, IDTime date) override;
    void ShowPopup() override;
    void HidePopup() override;
    // True while the popup page item this annotation refers to exists; a dangling reference is cleared.
    bool16 IsPopupShown() override;
    void ReadWrite(IPMStream* stream, ImplementationID implID) override;

private:
    void ProcessPopupCommand(ClassID commandClass, const char* what);

    int32 fPointCount = 0;
};
