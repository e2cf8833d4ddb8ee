#include "NotesAnnotationBase.h"

#include "NotesFailureLog.h"

void NotesAnnotationBase::Set(NotesAnnotationType type, PMPointList points, UID color, bool16 canShowPopup,
                              PMString content, PMString author, IDTime date) {
    fType = type;
    fPoints = std::move(points);
    fColor = color;
    fCanShowPopup = canShowPopup;
    fContent = std::move(content);
    fAuthor = std::move(author);
    fDate = date;
}

void NotesAnnotationBase::ShowPopup() {
    NOTES_LOG_FALSE("kFalse");
}

void NotesAnnotationBase::HidePopup() {
    NOTES_LOG_FALSE("kFalse");
}
