#include "host/database/DataBase.h"

#include <algorithm>
#include <limits>

#include "SectionCodec.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/PlugInLoader.h"

namespace {
// Databases changed since recording began, in the order they were first changed.
struct RecordingState {
    bool active = false;
    std::vector<DataBase*> touched;
};
RecordingState& Recording() {
    static RecordingState state;
    return state;
}
} // namespace

DataBase::DataBase() : fHistory(this) {}

DataBase::~DataBase() {
    std::erase(Recording().touched, this);
    for (auto& [uid, record] : fRecords)
        if (record.boss) {
            record.boss->MarkDeleted();
            record.boss->ReleaseOwnership();
        }
}

std::unique_ptr<DataBase> DataBase::CreateNew(ClassID rootClass) {
    std::unique_ptr<DataBase> db(new DataBase());
    db->fRootUID = db->NewUID(rootClass);
    if (db->fRootUID == kInvalidUID)
        return nullptr;
    db->fModified = false;
    return db;
}

std::unique_ptr<DataBase> DataBase::Open(const std::string& path, DocumentFile::Result* result) {
    DocumentFileContents contents;
    *result = DocumentFile::Read(path, &contents);
    if (result->status != DocumentFile::kOk)
        return nullptr;
    std::unique_ptr<DataBase> db(new DataBase());
    for (auto& [uid, object] : contents.objects)
        db->Place(uid, Record{object.classID, nullptr, std::move(object.data)});
    db->fRootUID = contents.rootUID;
    db->fNextUID = contents.nextUID;
    for (const PlugInDependency& dependency : contents.plugIns)
        db->fPlugIns[dependency.id] = dependency;
    db->fFile = IDFile(path);
    if (const std::string problem = db->ReadAllObjects(); !problem.empty()) {
        *result = DocumentFile::Damaged(path, problem);
        return nullptr;
    }
    return db;
}

// Reads every stored object, so that a fault of the file shows when the document opens rather than
// when some verb first follows it. References to UIDs the file does not hold are dropped as they are
// read. Answers what is wrong, empty when nothing is.
std::string DataBase::ReadAllObjects() {
    for (auto& [uid, record] : fRecords)
        if (!Load(uid, record, this))
            return "object " + std::to_string(uid) + " cannot be read";
    return {};
}

DataBase::Record* DataBase::Find(UID uid) {
    if (uid < fIndex.size() && fIndex[uid])
        return fIndex[uid];
    const auto found = fRecords.find(uid);
    return found == fRecords.end() ? nullptr : &found->second;
}

void DataBase::Place(UID uid, Record record) {
    Record& placed = fRecords[uid] = std::move(record);
    // Map nodes never move, so the index holds their addresses; a hostile file's huge UIDs stay
    // in the map alone.
    if (uid >= fIndex.size() && uid >= 2 * fRecords.size() + 4096)
        return;
    if (uid >= fIndex.size())
        fIndex.resize(static_cast<size_t>(uid) + 1, nullptr);
    fIndex[uid] = &placed;
}

bool16 DataBase::IsValidUID(UID uid) const {
    return Find(uid) ? kTrue : kFalse;
}

ClassID DataBase::GetClass(UID uid) const {
    const Record* record = Find(uid);
    return record ? record->classID : kInvalidClass;
}

void DataBase::MarkChanged() {
    fModified = true;
    ++fChangeCount;
}

void DataBase::Touch() {
    MarkChanged();
    if (!Recording().active || fPending)
        return;
    fPending = std::make_unique<UndoStep>();
    fPending->dependenciesBefore = GetPlugInDependencies();
    fPending->nextUIDBefore = fNextUID;
    Recording().touched.push_back(this);
}

void DataBase::RecordBefore(UID uid) {
    Touch();
    if (fPending && !fPending->before.count(uid))
        fPending->before[uid] = Snapshot(uid);
}

bool16 DataBase::HasUIDsLeft() const {
    // The counter cannot move past its largest value without wrapping around to kInvalidUID.
    return fNextUID != kInvalidUID && fNextUID != std::numeric_limits<UID>::max();
}

UID DataBase::NewUID(ClassID classID) {
    const ClassDefinition* definition = ClassRegistry::Instance().FindClass(classID);
    if (!definition || !definition->persistent)
        return kInvalidUID;
    if (!HasUIDsLeft()) {
        ErrorUtils::PMSetGlobalErrorCode(kUIDSpaceExhaustedError);
        return kInvalidUID;
    }
    Touch(); // a step that begins here records the next UID before this one is taken
    const UID uid = fNextUID++;
    RecordBefore(uid); // records that the object did not exist
    Boss* boss = Boss::Create(classID, this, uid);
    boss->AdoptByDataBase();
    Place(uid, Record{classID, boss, {}, fChangeCount});
    if (definition->owner != kHostPluginID)
        AddPlugInDependency(definition->owner);
    return uid;
}

void DataBase::DeleteUID(UID uid) {
    if (!IsValidUID(uid) || uid == fRootUID)
        return;
    RecordBefore(uid);
    Erase(uid);
}

void DataBase::Erase(UID uid) {
    const auto found = fRecords.find(uid);
    if (found == fRecords.end())
        return;
    Boss* boss = found->second.boss;
    if (uid < fIndex.size())
        fIndex[uid] = nullptr;
    fRecords.erase(found);
    if (boss) {
        boss->MarkDeleted();
        boss->ReleaseOwnership();
    }
}

bool DataBase::Load(UID uid, Record& record, const IDataBase* holder) {
    if (record.boss)
        return true;
    std::vector<Boss::Section> sections;
    const bool framed = SectionCodec::Decode(record.stored, &sections);
    Boss* boss = Boss::Create(record.classID, this, uid);
    if (!boss)
        return framed; // a class of a plug-in that is not loaded: its data stays as stored
    const bool complete = boss->ReadSections(sections, holder);
    boss->AdoptByDataBase();
    record.boss = boss;
    std::vector<uint8>().swap(record.stored); // the object now lives in its boss
    return framed && complete;
}

IPMUnknown* DataBase::Instantiate(UID uid, PMIID iid) {
    Record* record = Find(uid);
    if (!record)
        return nullptr;
    Load(uid, *record);
    return record->boss ? record->boss->QueryInterface(iid) : nullptr;
}

std::vector<UID> DataBase::GetAllUIDs() const {
    std::vector<UID> uids;
    uids.reserve(fRecords.size());
    for (const auto& [uid, record] : fRecords)
        uids.push_back(uid);
    return uids;
}

void DataBase::PreDirty(UID uid) {
    if (!IsValidUID(uid))
        return;
    RecordBefore(uid);
    Find(uid)->changedAt = fChangeCount;
}

uint64 DataBase::GetObjectChangeCount(UID uid) const {
    const Record* record = Find(uid);
    return record ? record->changedAt : std::numeric_limits<uint64>::max();
}

std::vector<PluginID> DataBase::GetPlugInDependencies() const {
    std::vector<PluginID> ids;
    for (const auto& [id, record] : fPlugIns)
        ids.push_back(id);
    return ids;
}

void DataBase::AddPlugInDependency(PluginID plugin) {
    if (fPlugIns.count(plugin))
        return;
    Touch();
    PlugInDependency dependency;
    dependency.id = plugin;
    if (const IPlugIn* plugIn = PlugInLoader::Instance().FindPlugIn(plugin)) {
        const PlugInDeclaration& decl = plugIn->GetDeclaration();
        dependency.name = decl.name;
        dependency.vendor = decl.missingNotice.vendor;
        dependency.notice = decl.missingNotice.text;
    }
    fPlugIns[plugin] = dependency;
}

void DataBase::RemovePlugInDependency(PluginID plugin) {
    if (!fPlugIns.count(plugin))
        return;
    Touch();
    fPlugIns.erase(plugin);
}

void DataBase::RestoreDependencies(const std::vector<PluginID>& plugIns) {
    std::map<PluginID, PlugInDependency> restored;
    for (PluginID id : plugIns) {
        if (const auto known = fPlugIns.find(id); known != fPlugIns.end()) {
            restored[id] = known->second;
        } else {
            fPlugIns.erase(id);
            AddPlugInDependency(id);
            restored[id] = fPlugIns[id];
        }
    }
    fPlugIns = std::move(restored);
    MarkChanged();
}

void DataBase::EndTransaction() {
    ++fChangeCount; // as at the end of a command
    if (fTransactionDepth > 0)
        --fTransactionDepth;
}

std::vector<uint8> DataBase::Serialize(Record& record) {
    if (!record.boss)
        return record.stored;
    return SectionCodec::Encode(record.boss->WriteSections());
}

ObjectSnapshot DataBase::Snapshot(UID uid) {
    ObjectSnapshot snapshot;
    const auto found = fRecords.find(uid);
    if (found == fRecords.end())
        return snapshot;
    snapshot.exists = true;
    snapshot.object.classID = found->second.classID;
    snapshot.object.data = Serialize(found->second);
    return snapshot;
}

void DataBase::Restore(UID uid, const ObjectSnapshot& snapshot) {
    MarkChanged();
    if (!snapshot.exists) {
        Erase(uid);
        return;
    }
    const auto found = fRecords.find(uid);
    if (found != fRecords.end() && found->second.classID == snapshot.object.classID && found->second.boss) {
        // Live interfaces keep their identity; their fields are read back from the recorded state.
        std::vector<Boss::Section> sections;
        SectionCodec::Decode(snapshot.object.data, &sections);
        found->second.boss->ReadSections(sections);
        found->second.changedAt = fChangeCount;
        return;
    }
    Erase(uid);
    Place(uid, Record{snapshot.object.classID, nullptr, snapshot.object.data, fChangeCount});
}

DocumentFile::Result DataBase::Save(const std::string& path, bool adoptPath) {
    DocumentFileContents contents;
    contents.rootUID = fRootUID;
    contents.nextUID = fNextUID;
    for (auto& [uid, record] : fRecords)
        contents.objects[uid] = StoredObject{record.classID, Serialize(record)};
    for (const auto& [id, dependency] : fPlugIns)
        contents.plugIns.push_back(dependency);
    DocumentFile::Result result = DocumentFile::Write(path, contents);
    if (result.status == DocumentFile::kOk && adoptPath) {
        fFile = IDFile(path);
        fModified = false;
    }
    return result;
}

void DataBase::CommitStep(const PMString& name, bool mergeIntoLast) {
    ++fChangeCount; // the data changed after its PreDirty; a cache built in between is stale
    std::unique_ptr<UndoStep> step = std::move(fPending);
    if (!step || step->before.empty())
        return;
    if (mergeIntoLast) {
        fHistory.MergeIntoLast(std::move(*step));
        return;
    }
    step->name = name;
    fHistory.Push(std::move(*step));
}

void DataBase::RollbackStep() {
    std::unique_ptr<UndoStep> step = std::move(fPending);
    if (!step)
        return;
    for (const auto& [uid, snapshot] : step->before)
        Restore(uid, snapshot);
    RestoreDependencies(step->dependenciesBefore);
    fNextUID = step->nextUIDBefore;
}

void DataBase::BeginRecording() {
    Recording().active = true;
    Recording().touched.clear();
}

void DataBase::EndRecording(bool commit, const PMString& name, bool mergeIntoLast) {
    std::vector<DataBase*> touched = std::move(Recording().touched);
    Recording().touched.clear();
    Recording().active = false;
    for (DataBase* db : touched) {
        if (commit)
            db->CommitStep(name, mergeIntoLast);
        else
            db->RollbackStep();
    }
}

bool DataBase::IsRecording() {
    return Recording().active;
}
