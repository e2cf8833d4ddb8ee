#include "NotesUITextControlData.h"

#include "host/objectmodel/InterfacePtr.h"

void NotesUITextControlData::SetString(const PMString& text, bool16 invalidate, bool16 notifyOfChange) {
    InterfacePtr<ITextControlData> box(this, IID_ITEXTCONTROLDATA);
    if (!box)
        return;
    PMString boxText(ToBoxText(text.GetUTF8String()).c_str());
    boxText.SetTranslatable(kFalse);
    box->SetString(boxText, invalidate, notifyOfChange);
}

PMString NotesUITextControlData::GetString() const {
    InterfacePtr<ITextControlData> box(this, IID_ITEXTCONTROLDATA);
    if (!box)
        return PMString();
    PMString noteText(ToNoteText(box->GetString().GetUTF8String()).c_str());
    noteText.SetTranslatable(kFalse);
    return noteText;
}

std::string NotesUITextControlData::ToBoxText(const std::string& noteText) {
    std::string boxText;
    boxText.reserve(noteText.size());
    for (size_t i = 0; i < noteText.size(); ++i) {
        const char c = noteText[i];
        if (c == '\r' || (c == '\n' && (i == 0 || noteText[i - 1] != '\r')))
            boxText += "\r\n"; // a line end: the note's own, or a line feed another tool wrote
        else if (c != '\n')
            boxText += c;
    }
    return boxText;
}

std::string NotesUITextControlData::ToNoteText(const std::string& boxText) {
    std::string noteText;
    noteText.reserve(boxText.size());
    for (size_t i = 0; i < boxText.size(); ++i) {
        if (boxText[i] != '\n')
            noteText += boxText[i];
        else if (i == 0 || boxText[i - 1] != '\r')
            noteText += '\r';
    }
    return noteText;
}
