// PMPersist: the persistence interface of every persistent object.
#include "../objectmodel/HostImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IPMPersist.h"

namespace {
class PMPersist final : public CPMUnknown<IPMPersist> {
public:
    explicit PMPersist(IPMUnknown* boss) : CPMUnknown<IPMPersist>(boss) {}
    IDataBase* GetDataBase() const override { return GetBoss()->GetDataBase(); }
    UID GetUID() const override { return GetBoss()->GetUID(); }
};
} // namespace

ImplementationDeclaration MakePMPersistImplementation(ImplementationID id) {
    return IMPLEMENTATION(PMPersist, id, false);
}
