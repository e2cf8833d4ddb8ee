// NotesUITextControlData (on the note edit box): the box's text as a note stores it. A note keeps
// its line ends as carriage returns, the box shows each as a carriage return and line feed; set
// and read through here, the text is converted on the way.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/ITextControlData.h"

class NotesUITextControlData final : public CPMUnknown<ITextControlData> {
public:
    explicit NotesUITextControlData(IPMUnknown* boss) : CPMUnknown<ITextControlData>(boss) {}
    // Puts a line feed after every carriage return of the note's text into the box; a note written
    // by another tool with line feeds (alone or after a carriage return) shows the same lines.
    void SetString(const PMString& text, bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) override;
    // The box's text with its line feeds taken out; a line feed without a carriage return before it
    // (as some front ends type a new line) becomes one, so that no line is joined to the next.
    PMString GetString() const override;

    static std::string ToBoxText(const std::string& noteText);
    static std::string ToNoteText(const std::string& boxText);
};
