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
    ICommand* fStepCommand = nullptr; // the outermost command of the step, nullptr for a sequence
    std::vector<InterfacePtr<ICommand>> fScheduled;
    bool fRunningScheduled = false;
};
