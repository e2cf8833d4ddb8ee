// NotesAnnotationBase: the annotation record held in memory only, without popups. It is the record
// of popup page items, so a popup's record reads as the defaults after the document is reopened.
#pragma once

#include "INotesAnnotation.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesAnnotationBase : public CPMUnknown<INotesAnnotation> {
public:
    explicit NotesAnnotationBase(IPMUnknown* boss) : CPMUnknown<INotesAnnotation>(boss) {}

    void Set(NotesAnnotationType type, PMPointList points, UID color, bool16 canShowPopup, PMString content,
             PMString author, IDTime date) override;
    bool16 CanShowPopup() const override { return fCanShowPopup; }
    NotesAnnotationType GetType() const override { return fType; }
    NotesAnnotationSubType GetSubType() const override { return SubTypeOf(fType); }
    bool16 IsRedaction() const override { return IsRedactionType(fType); }
    PMPointList GetPoints() const override { return fPoints; }
    UID GetColor() const override { return fColor; }
    PMString GetContent() const override { return fContent; }
    PMString GetAuthor() const override { return fAuthor; }
    IDTime GetDate() const override { return fDate; }
    void ShowPopup() override;
    void HidePopup() override;
    bool16 IsPopupShown() override { return kFalse; }

protected:
    NotesAnnotationType fType = kUnknownAnnotation;
    PMPointList fPoints;
    UID fColor = kInvalidUID;
    bool16 fCanShowPopup = kFalse;
    PMString fContent;
    PMString fAuthor;
    IDTime fDate;
};
