// CommandProcessor: runs commands, brackets the outermost one (or sequence) as one undo step,
// rolls back a step that ends in error, then delivers lazy notifications and scheduled commands.
#pragma once

#include <vector>

#include "host/commands/ICommand.h"
#include "host/commands/ICommandSequence.h"
#include "host/objectmodel/InterfacePtr.h"

class CommandProcessor {
public:
    static CommandProcessor& Instance();

    ErrorCode Process(ICommand* cmd);
    ErrorCode Schedule(ICommand* cmd);
    void RunScheduled();
    ICommandSequence* BeginSequence();
    ErrorCode EndSequence(ICommandSequence* sequence);
    bool IsBusy() const { return fDepth > 0 || !fSequences.empty(); }

private:
    void BeginStep();
    void EndStep(ErrorCode result);

    int32 fDepth = 0;
    std::vector<ICommandSequence*> fSequences;
    PMString fStepName;
    // Whether every command processed at the step's top level (directly, or directly inside its
    // sequences) asked to be undone with the step before; such a step merges into that one.
    bool fStepAllAutoUndo = true;
    int32 fStepTopCommands = 0;
    ICommand* fStepCommand = nullptr; // the outermost command of the step, nullptr for a sequence
    std::vector<InterfacePtr<ICommand>> fScheduled;
    bool fRunningScheduled = false;
};
