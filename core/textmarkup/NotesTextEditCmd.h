// NotesTextEditCmd: what accepting and rejecting text edits share. Every listed edit is first
// found where it stands (logged and skipped when it is none); the edits kept are deleted in one
// delete-annotation command, then settled one by one from the end of each story towards its start,
// so that settling one never moves the characters of those still to come. With the application's
// convert-to-highlight option on, each settled edit leaves a highlight whose note tells what was
// there. Item list in: end markers; out: the highlights left. Its notification tells the
// document's observers (the Notes panel) that the page lists changed.
#pragma once

#include <vector>

#include "NotesTextEdit.h"
#include "host/commands/Command.h"

class NotesTextEditCmd : public Command {
public:
    explicit NotesTextEditCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() final;
    void DoNotify() final;

    // Drops the edits this command must leave alone; the default keeps all.
    virtual void Select(std::vector<NotesTextEdit>*) {}
    // Changes the story for one edit whose annotation is gone; false when a text command failed.
    virtual bool Settle(const NotesTextEdit& edit) = 0;

    bool ConvertsToHighlight() const { return fConvertToHighlight; }
    // Leaves a highlight over range of story with the note prefix (a string key), a blank and the
    // text in quotation marks. A highlight that cannot be made (its characters carry one already)
    // is logged and left out; false only when its note could not be saved.
    bool LeaveHighlight(const UIDRef& story, RangeData range, const char* prefixKey, const WideString& text);

private:
    std::vector<NotesTextEdit> Gather() const;
    static bool DeleteAnnotations(const std::vector<NotesTextEdit>& edits);

    bool fConvertToHighlight = false;
    UIDList fHighlights;
};
