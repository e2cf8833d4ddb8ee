// NewPageItemCmdData: the new-page-item command's class, parent and points.
#include "../objectmodel/HostImplementations.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class NewPageItemCmdData final : public CPMUnknown<INewPageItemCmdData> {
public:
    explicit NewPageItemCmdData(IPMUnknown* boss) : CPMUnknown<INewPageItemCmdData>(boss) {}
    void Set(IDataBase* db, ClassID itemClass, UID parent, const PMPointList& points) override {
        fDataBase = db;
        fClass = itemClass;
        fParent = parent;
        fPoints = points;
    }
    IDataBase* GetDataBase() const override { return fDataBase; }
    ClassID GetNewItemClass() const override { return fClass; }
    UID GetParent() const override { return fParent; }
    const PMPointList& GetPoints() const override { return fPoints; }

private:
    IDataBase* fDataBase = nullptr;
    ClassID fClass = kSplineItemBoss;
    UID fParent = kInvalidUID;
    PMPointList fPoints;
};
} // namespace

ImplementationDeclaration MakeNewPageItemCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewPageItemCmdData, id, false);
}
