// Boss: an object of a class ID that aggregates interface implementations, found by interface ID.
// Interfaces are made on first query. Non-persistent bosses die with their last reference;
// persistent ones belong to their database, which keeps them until the UID is deleted or closed.
#pragma once

#include <memory>
#include <vector>

#include "host/objectmodel/IPMUnknown.h"
#include "host/objectmodel/ImplementationBase.h"

class IDataBase;
struct ClassDefinition;

class Boss final : public IPMUnknown {
public:
    // Makes a boss of a registered class; the caller gets one reference. nullptr for an unknown class.
    static Boss* Create(ClassID classID, IDataBase* db = nullptr, uint32 uid = 0);
    // The boss behind any interface of it.
    static Boss* FromUnknown(const IPMUnknown* unknown);

    IPMUnknown* QueryInterface(PMIID iid) const override;
    void AddRef() const override;
    void Release() const override;

    ClassID GetClass() const { return fClass; }
    IDataBase* GetDataBase() const { return fDataBase; }
    uint32 GetUID() const { return fUID; }
    bool IsPersistent() const;
    int32 GetRefCount() const { return fRefCount; }

    // Persistent streams of the implementations, in class order (host use).
    struct Section {
        PMIID iid;
        ImplementationID impl;
        std::vector<uint8> bytes;
    };
    std::vector<Section> WriteSections();
    // Replaces the persistent state; sections no implementation of the class owns are kept as they are.
    // With a holder, references to UIDs it does not hold read as kInvalidUID (see ByteStream). False
    // when an implementation the class must read (the host's, its own plug-in's) lacks its section
    // or did not find every field in it.
    bool ReadSections(const std::vector<Section>& sections, const IDataBase* holder = nullptr);
    void MarkDeleted() { fDeleted = true; }
    bool IsDeleted() const { return fDeleted; }
    // Lets the owner database delete the boss once nothing else holds it.
    // The owning database keeps the boss alive without a reference (host use).
    void AdoptByDataBase();
    void ReleaseOwnership();
    // Records the change for undo and notes the plug-in whose implementation changes.
    void PreDirty(ImplementationID changing);

private:
    Boss(const ClassDefinition& definition, IDataBase* db, uint32 uid);
    ~Boss() override;

    struct Entry {
        PMIID iid;
        ImplementationID impl;
        std::unique_ptr<ImplementationBase> instance;
    };
    ImplementationBase* Instantiate(Entry& entry) const;
    bool MustRead(const Entry& entry) const;
    void CheckAlive() const;

    static constexpr uint32 kAliveMark = 0xB055B055;
    uint32 fAliveMark = kAliveMark;
    ClassID fClass;
    IDataBase* fDataBase;
    uint32 fUID;
    mutable int32 fRefCount = 0;
    bool fOwnedByDataBase = false;
    bool fDeleted = false;
    mutable std::vector<Entry> fEntries;
    std::vector<Section> fForeignSections;
};
