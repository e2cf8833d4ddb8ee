// IDataBase: one document's objects by UID, with their persistent data, undo history and file.
#pragma once

#include <string>
#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/IDFile.h"

class UndoHistory;

class IDataBase {
public:
    virtual ~IDataBase() = default;

    // The root object (the document) of this database.
    virtual UID GetRootUID() const = 0;
    virtual bool16 IsValidUID(UID uid) const = 0;
    // The class of an object, or kInvalidClass.
    virtual ClassID GetClass(UID uid) const = 0;
    // Makes a new persistent object of a class; kInvalidUID for an unknown or non-persistent class,
    // and (with the global error kUIDSpaceExhaustedError) when the document has no UID left.
    virtual UID NewUID(ClassID classID) = 0;
    // False once every UID of the document is used: no further object can be made.
    virtual bool16 HasUIDsLeft() const = 0;
    // Deletes an object (undoably when inside a command); its interfaces die with their last reference.
    virtual void DeleteUID(UID uid) = 0;
    // An interface of an object, made on demand from stored data; nullptr when missing.
    virtual IPMUnknown* Instantiate(UID uid, PMIID iid) = 0;
    // Every live object, in UID order.
    virtual std::vector<UID> GetAllUIDs() const = 0;

    // Called by an object before its persistent data changes (records it for undo).
    virtual void PreDirty(UID uid) = 0;
    // True when something changed since the last save or open.
    virtual bool16 IsModified() const = 0;
    // A number that moves on whenever any object's data changes (commands, undo, redo); equal
    // numbers mean nothing changed, so answers derived from the objects can be kept.
    virtual uint64 GetChangeCount() const = 0;
    // The change count at which the object last began to change (or was made or put back by undo);
    // the largest number for a missing object. An answer derived from an object at a count above
    // this still holds; one derived at or below it may not.
    virtual uint64 GetObjectChangeCount(UID uid) const = 0;

    virtual UndoHistory& GetUndoHistory() = 0;

    // The file the database was opened from or last saved to (empty for a new document).
    virtual IDFile GetSysFile() const = 0;
    // Plug-ins whose data the document holds (recorded when their objects are made or changed).
    virtual std::vector<PluginID> GetPlugInDependencies() const = 0;
    virtual void AddPlugInDependency(PluginID plugin) = 0;
    virtual void RemovePlugInDependency(PluginID plugin) = 0;

    // Groups direct changes made outside a command (as a save preparation does).
    virtual void BeginTransaction() = 0;
    virtual void EndTransaction() = 0;
};

// Helpers for any interface of a persistent object.
IDataBase* GetDataBase(const IPMUnknown* unknown);
UID GetUID(const IPMUnknown* unknown);
ClassID GetClass(const IPMUnknown* unknown);
