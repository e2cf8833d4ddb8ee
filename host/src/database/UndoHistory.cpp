#include "host/database/UndoHistory.h"

#include "host/commands/CmdUtils.h"
#include "host/commands/CommandProcessorProtocol.h"
#include "host/database/DataBase.h"
#include "host/notify/ISubject.h"
#include "host/notify/NotificationQueue.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// Puts each object of the step into the recorded state, remembering the present one in *present.
void Swap(DataBase* db, const std::map<UID, ObjectSnapshot>& target, std::map<UID, ObjectSnapshot>* present,
          const std::vector<PluginID>& dependencies, std::vector<PluginID>* presentDependencies) {
    present->clear();
    for (const auto& [uid, snapshot] : target)
        (*present)[uid] = db->Snapshot(uid);
    *presentDependencies = db->GetPlugInDependencies();
    for (const auto& [uid, snapshot] : target)
        db->Restore(uid, snapshot);
    db->RestoreDependencies(dependencies);
}

void AnnounceUndoRedo(DataBase* db, ClassID processorMessage) {
    InterfacePtr<ISubject> subject(static_cast<ISubject*>(db->Instantiate(db->GetRootUID(), IID_ISUBJECT)));
    if (subject)
        subject->Change(kUndoChangeClass, IID_IDOCUMENT_PROTOCOL, nullptr);
    NotificationQueue::Instance().Flush();
    InterfacePtr<ISubject> application(GetApplicationObject(), IID_ISUBJECT);
    if (application)
        application->Change(processorMessage, IID_ICOMMANDPROCESSOR, nullptr);
}
} // namespace

PMString UndoHistory::GetUndoName() const {
    return fUndo.empty() ? PMString() : fUndo.back().name;
}

PMString UndoHistory::GetRedoName() const {
    return fRedo.empty() ? PMString() : fRedo.back().name;
}

ErrorCode UndoHistory::Undo() {
    if (fUndo.empty() || CmdUtils::IsInCommand())
        return kFailure;
    UndoStep step = std::move(fUndo.back());
    fUndo.pop_back();
    Swap(fDataBase, step.before, &step.after, step.dependenciesBefore, &step.dependenciesAfter);
    step.nextUIDAfter = fDataBase->GetNextUID();
    fDataBase->SetNextUID(step.nextUIDBefore);
    fRedo.push_back(std::move(step));
    AnnounceUndoRedo(fDataBase, kCommandUndoneMessage);
    return kSuccess;
}

ErrorCode UndoHistory::Redo() {
    if (fRedo.empty() || CmdUtils::IsInCommand())
        return kFailure;
    UndoStep step = std::move(fRedo.back());
    fRedo.pop_back();
    std::map<UID, ObjectSnapshot> before;
    std::vector<PluginID> dependenciesBefore;
    Swap(fDataBase, step.after, &before, step.dependenciesAfter, &dependenciesBefore);
    step.before = std::move(before);
    step.dependenciesBefore = std::move(dependenciesBefore);
    fDataBase->SetNextUID(step.nextUIDAfter);
    fUndo.push_back(std::move(step));
    AnnounceUndoRedo(fDataBase, kCommandRedoneMessage);
    return kSuccess;
}

void UndoHistory::Clear() {
    fUndo.clear();
    fRedo.clear();
}

void UndoHistory::MergeIntoLast(UndoStep step) {
    if (fUndo.empty())
        return;
    // The last step already holds the earlier state of the objects both touched.
    for (auto& [uid, snapshot] : step.before)
        fUndo.back().before.emplace(uid, std::move(snapshot));
}

void UndoHistory::Push(UndoStep step) {
    fUndo.push_back(std::move(step));
    fRedo.clear();
}
