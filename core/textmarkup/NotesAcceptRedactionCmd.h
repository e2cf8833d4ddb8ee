// NotesAcceptRedactionCmd: carries out text edits in their stories: a strike-through deletes its
// characters, a caret inserts its note's text at its insertion point, a replacement puts its
// note's text in place of its characters. Edits of the list anchored to the same text (one's end
// marker inside another's characters) are left alone, with one warning per command. With the
// convert-to-highlight option on, a highlight noted "Original text: " and the old text marks the
// new text (one character where nothing was inserted). One undo step.
#pragma once

#include "NotesTextEditCmd.h"

class NotesAcceptRedactionCmd final : public NotesTextEditCmd {
public:
    explicit NotesAcceptRedactionCmd(IPMUnknown* boss) : NotesTextEditCmd(boss) {}

protected:
    void Select(std::vector<NotesTextEdit>* edits) override;
    bool Settle(const NotesTextEdit& edit) override;
    PMString* CreateName() override;

private:
    // The characters the highlight of a settled edit covers, kept off the story's final return
    // and off the first or last character of a highlight already there.
    static RangeData HighlightRange(const NotesTextEdit& edit, RangeData wanted);
};
