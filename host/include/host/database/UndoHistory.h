// UndoHistory: the undoable steps of one database, each the objects' states before the step.
#pragma once

#include <map>
#include <vector>

#include "host/database/DocumentFile.h"
#include "host/util/PMString.h"

class DataBase;

// The state of one object at a moment: whether it existed, and its class and data.
struct ObjectSnapshot {
    bool exists = false;
    StoredObject object;
};

struct UndoStep {
    PMString name;
    std::map<UID, ObjectSnapshot> before;
    std::map<UID, ObjectSnapshot> after; // filled when the step is undone, for redo
    std::vector<PluginID> dependenciesBefore;
    std::vector<PluginID> dependenciesAfter;
    // The database's next new UID before and after the step, so that undo leaves the document as
    // it was, byte for byte.
    UID nextUIDBefore = kInvalidUID;
    UID nextUIDAfter = kInvalidUID;
};

class UndoHistory {
public:
    explicit UndoHistory(DataBase* db) : fDataBase(db) {}

    bool16 CanUndo() const { return !fUndo.empty(); }
    bool16 CanRedo() const { return !fRedo.empty(); }
    PMString GetUndoName() const;
    PMString GetRedoName() const;
    int32 CountUndoSteps() const { return static_cast<int32>(fUndo.size()); }
    // Puts the objects back as they were before the last step; kFailure when there is none.
    ErrorCode Undo();
    ErrorCode Redo();
    void Clear();

    // Host use: a step being recorded, committed or rolled back.
    void Push(UndoStep step);
    // Adds a step's changes to the last step, so one undo takes back both; without a last step the
    // changes stay and cannot be undone. The redo steps are kept.
    void MergeIntoLast(UndoStep step);

private:
    DataBase* fDataBase;
    std::vector<UndoStep> fUndo;
    std::vector<UndoStep> fRedo;
};
