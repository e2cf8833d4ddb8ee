// CmdUtils: making, processing and scheduling commands, and grouping them into sequences.
#pragma once

#include "host/commands/ICommand.h"
#include "host/commands/ICommandSequence.h"

namespace CmdUtils {
// A new command of the class, or nullptr for an unknown class or one without ICommand.
ICommand* CreateCommand(ClassID commandClass);
// Runs the command now. The outermost command (or sequence) is one undo step; when it ends with an
// error, everything it changed is rolled back. Answers the global error code after the command.
ErrorCode ProcessCommand(ICommand* cmd);
// Queues the command to run after the current outermost command, or at once outside any command.
ErrorCode ScheduleCommand(ICommand* cmd);
// Runs queued commands (the application calls it when idle).
void ProcessScheduledCmds();

ICommandSequence* BeginCommandSequence();
// Ends the sequence; an error left in the global error code rolls the whole sequence back.
ErrorCode EndCommandSequence(ICommandSequence* sequence);
bool16 IsInCommand();

// A sequence for the lifetime of a scope.
class SequenceContext {
public:
    SequenceContext();
    ~SequenceContext();
    SequenceContext(const SequenceContext&) = delete;
    SequenceContext& operator=(const SequenceContext&) = delete;
    ICommandSequence* GetSequence() const { return fSequence; }

private:
    ICommandSequence* fSequence;
};
} // namespace CmdUtils
