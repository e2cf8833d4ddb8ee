#include "NotesRejectRedactionCmd.h"

bool NotesRejectRedactionCmd::Settle(const NotesTextEdit& edit) {
    if (!ConvertsToHighlight())
        return true;
    // A strike-through proposes no text of its own.
    const WideString refused =
        edit.run.type == INotesAnnotation::kStrikethroughAnnotation ? WideString() : WideString(edit.content);
    return LeaveHighlight(edit.run.story, RangeData(edit.run.start, edit.run.end + 1),
                          NOTES_KEY(kNotesRejectedTextColonSpaceKey), refused);
}

PMString* NotesRejectRedactionCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesRejectRedactionCmdNameKey));
}
