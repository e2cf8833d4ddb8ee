// DataBase: the host's IDataBase. Objects live as stored data until first used, then as bosses.
// Inside a command, the first change of an object records its earlier state for undo.
#pragma once

#include <map>
#include <memory>

#include "host/database/DocumentFile.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"

class Boss;

class DataBase final : public IDataBase {
public:
    // A new database holding only its root object of the given class.
    static std::unique_ptr<DataBase> CreateNew(ClassID rootClass);
    // A database from a document file; nullptr with the file's result when it cannot be read.
    static std::unique_ptr<DataBase> Open(const std::string& path, DocumentFile::Result* result);
    ~DataBase() override;

    UID GetRootUID() const override { return fRootUID; }
    bool16 IsValidUID(UID uid) const override;
    ClassID GetClass(UID uid) const override;
    UID NewUID(ClassID classID) override;
    bool16 HasUIDsLeft() const override;
    void DeleteUID(UID uid) override;
    IPMUnknown* Instantiate(UID uid, PMIID iid) override;
    std::vector<UID> GetAllUIDs() const override;
    void PreDirty(UID uid) override;
    bool16 IsModified() const override { return fModified; }
    uint64 GetChangeCount() const override { return fChangeCount; }
    uint64 GetObjectChangeCount(UID uid) const override;
    UndoHistory& GetUndoHistory() override { return fHistory; }
    IDFile GetSysFile() const override { return fFile; }
    std::vector<PluginID> GetPlugInDependencies() const override;
    void AddPlugInDependency(PluginID plugin) override;
    void RemovePlugInDependency(PluginID plugin) override;
    void BeginTransaction() override { ++fTransactionDepth; }
    void EndTransaction() override;

    // Writes the document file in one transaction; the database then belongs to that file.
    DocumentFile::Result Save(const std::string& path, bool adoptPath);
    std::map<PluginID, PlugInDependency> GetPlugInRecords() const { return fPlugIns; }

    // Undo support: the state of an object now, and putting a recorded state back.
    ObjectSnapshot Snapshot(UID uid);
    void Restore(UID uid, const ObjectSnapshot& snapshot);
    void RestoreDependencies(const std::vector<PluginID>& plugIns);
    // The UID the next new object gets; undo and redo put it back with the objects.
    UID GetNextUID() const { return fNextUID; }
    void SetNextUID(UID next) { fNextUID = next; }

    // Recording of undoable steps; the command processor brackets the outermost command with these.
    static void BeginRecording();
    // Ends recording: each database changed since BeginRecording commits its step or rolls it back.
    // A step merged into the last one is undone with it (and is not undoable when there is none).
    static void EndRecording(bool commit, const PMString& name, bool mergeIntoLast = false);
    static bool IsRecording();

private:
    struct Record {
        ClassID classID = kInvalidClass;
        Boss* boss = nullptr; // owned; nullptr while the object is only stored data
        std::vector<uint8> stored;
        uint64 changedAt = 0; // the change count of its last change
    };
    DataBase();
    void Touch();
    // Marks the contents changed: modified since the save, and a new change stamp.
    void MarkChanged();
    void RecordBefore(UID uid);
    // Makes the boss of a stored record; false when its data is not what the class must read.
    bool Load(UID uid, Record& record, const IDataBase* holder = nullptr);
    std::string ReadAllObjects();
    void Erase(UID uid);
    // The record of a UID or nullptr: through the dense index for UIDs it covers, else the map.
    Record* Find(UID uid);
    const Record* Find(UID uid) const { return const_cast<DataBase*>(this)->Find(uid); }
    void Place(UID uid, Record record);
    std::vector<uint8> Serialize(Record& record);
    void CommitStep(const PMString& name, bool mergeIntoLast);
    void RollbackStep();

    UID fRootUID = kInvalidUID;
    UID fNextUID = 1;
    std::map<UID, Record> fRecords;
    std::vector<Record*> fIndex; // by UID, for UIDs up to about twice the record count
    std::map<PluginID, PlugInDependency> fPlugIns;
    bool fModified = false;
    uint64 fChangeCount = 0;
    int32 fTransactionDepth = 0;
    IDFile fFile;
    UndoHistory fHistory;
    std::unique_ptr<UndoStep> fPending;
};
