// ChangeBroadcastUtils: tells the observers of a database's document about a change.
#include "host/database/IDataBase.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class ChangeBroadcastUtils final : public CPMUnknown<IChangeBroadcastUtils> {
public:
    explicit ChangeBroadcastUtils(IPMUnknown* boss) : CPMUnknown<IChangeBroadcastUtils>(boss) {}

    void Broadcast(ClassID theChange, PMIID protocol, IDataBase* db, void* changedBy) override {
        if (!db)
            return;
        InterfacePtr<ISubject> subject(
            ObjectModel::CheckedCast<ISubject>(db->Instantiate(db->GetRootUID(), IID_ISUBJECT)));
        if (subject)
            subject->Change(theChange, protocol, changedBy);
    }
};
} // namespace

ImplementationDeclaration MakeChangeBroadcastUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(ChangeBroadcastUtils, id, false);
}
