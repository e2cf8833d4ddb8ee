// ImplementationBase: what the host needs of every interface implementation aggregated on a boss.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

class Boss;
class IPMUnknown;
class IPMStream;

class ImplementationBase {
public:
    explicit ImplementationBase(Boss* boss) : fBoss(boss) {}
    virtual ~ImplementationBase() = default;
    ImplementationBase(const ImplementationBase&) = delete;
    ImplementationBase& operator=(const ImplementationBase&) = delete;

    // The interface this implementation answers with.
    virtual IPMUnknown* GetInterface() = 0;
    // Reads or writes the persistent fields in their fixed order (persistent implementations only).
    // When reading, every field is replaced, so the object equals what was written.
    virtual void ReadWrite(IPMStream* /*stream*/, ImplementationID /*implID*/) {}

    Boss* GetBoss() const { return fBoss; }
    ImplementationID GetImplementationID() const { return fImplID; }
    // Host use: the boss records which implementation ID made this instance.
    void SetImplementationID(ImplementationID id) { fImplID = id; }

protected:
    // Announces a change of this object's persistent data, so undo can record it and save writes it.
    void PreDirty();

private:
    Boss* fBoss;
    ImplementationID fImplID = kInvalidImpl;
};
