#include "CommandProcessor.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "host/commands/CmdUtils.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/DataBase.h"
#include "host/notify/ISubject.h"
#include "host/notify/NotificationQueue.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
class CommandSequence final : public ICommandSequence {
public:
    void SetName(const PMString& name) override { fName = name; }
    PMString GetName() const override {
        PMString name = fName;
        name.Translate();
        return name;
    }

private:
    PMString fName;
};
} // namespace

CommandProcessor& CommandProcessor::Instance() {
    static CommandProcessor processor;
    return processor;
}

void CommandProcessor::BeginStep() {
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    fStepName = PMString();
    fStepAllAutoUndo = true;
    fStepTopCommands = 0;
    fStepCommand = nullptr;
    DataBase::BeginRecording();
}

void CommandProcessor::EndStep(ErrorCode result) {
    DataBase::EndRecording(result == kSuccess, fStepName, fStepTopCommands > 0 && fStepAllAutoUndo);
    NotificationQueue::Instance().Flush();
    if (result == kSuccess) {
        InterfacePtr<ISubject> application(GetApplicationObject(), IID_ISUBJECT);
        if (application)
            application->Change(kCommandDoneMessage, IID_ICOMMANDPROCESSOR,
                                std::exchange(fStepCommand, nullptr));
    }
    fStepCommand = nullptr;
    RunScheduled();
}

ErrorCode CommandProcessor::Process(ICommand* cmd) {
    if (!cmd)
        return kFailure;
    InterfacePtr<ICommand> hold(cmd, IID_ICOMMAND); // the command must outlive its own processing
    const bool outermost = !IsBusy();
    if (outermost) {
        BeginStep();
        fStepCommand = cmd;
    }
    if (fDepth == 0) {
        ++fStepTopCommands;
        fStepAllAutoUndo = fStepAllAutoUndo && cmd->GetUndoability() == ICommand::kAutoUndo;
    }
    if (fStepName.IsEmpty())
        fStepName = cmd->GetName();
    cmd->SetCommandState(ICommand::kDoing);
    ++fDepth;
    cmd->Execute();
    --fDepth;
    const ErrorCode result = ErrorUtils::PMGetGlobalErrorCode();
    if (result == kSuccess) {
        cmd->SetCommandState(ICommand::kDone);
        ++fDepth; // commands a notification processes are part of this step
        cmd->Notify();
        --fDepth;
    } else {
        cmd->SetCommandState(ICommand::kNotDone);
    }
    if (outermost)
        EndStep(result);
    return result;
}

ErrorCode CommandProcessor::Schedule(ICommand* cmd) {
    if (!cmd)
        return kFailure;
    if (!IsBusy())
        return Process(cmd);
    fScheduled.emplace_back(cmd, IID_ICOMMAND);
    return kSuccess;
}

void CommandProcessor::RunScheduled() {
    if (fRunningScheduled || IsBusy())
        return;
    fRunningScheduled = true;
    while (!fScheduled.empty()) {
        InterfacePtr<ICommand> next = fScheduled.front();
        fScheduled.erase(fScheduled.begin());
        Process(next.get());
    }
    fRunningScheduled = false;
}

ICommandSequence* CommandProcessor::BeginSequence() {
    if (!IsBusy())
        BeginStep();
    auto* sequence = new CommandSequence();
    fSequences.push_back(sequence);
    return sequence;
}

ErrorCode CommandProcessor::EndSequence(ICommandSequence* sequence) {
    const auto found = std::find(fSequences.begin(), fSequences.end(), sequence);
    if (found == fSequences.end())
        return kFailure;
    std::unique_ptr<ICommandSequence> owned(sequence);
    fSequences.erase(found);
    const PMString name = sequence->GetName();
    if (!name.IsEmpty() && !IsBusy())
        fStepName = name; // the outermost sequence names the undo step
    const ErrorCode result = ErrorUtils::PMGetGlobalErrorCode();
    if (!IsBusy())
        EndStep(result);
    return result;
}

namespace CmdUtils {
ICommand* CreateCommand(ClassID commandClass) {
    return CreateObject2<ICommand>(commandClass);
}
ErrorCode ProcessCommand(ICommand* cmd) {
    return CommandProcessor::Instance().Process(cmd);
}
ErrorCode ScheduleCommand(ICommand* cmd) {
    return CommandProcessor::Instance().Schedule(cmd);
}
void ProcessScheduledCmds() {
    CommandProcessor::Instance().RunScheduled();
}
ICommandSequence* BeginCommandSequence() {
    return CommandProcessor::Instance().BeginSequence();
}
ErrorCode EndCommandSequence(ICommandSequence* sequence) {
    return CommandProcessor::Instance().EndSequence(sequence);
}
bool16 IsInCommand() {
    return CommandProcessor::Instance().IsBusy() ? kTrue : kFalse;
}

SequenceContext::SequenceContext() : fSequence(BeginCommandSequence()) {}
SequenceContext::~SequenceContext() {
    EndCommandSequence(fSequence);
}
} // namespace CmdUtils
