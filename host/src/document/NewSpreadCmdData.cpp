// NewSpreadCmdData: the pages, place, master and name of a new spread.
#include "../objectmodel/HostImplementations.h"
#include "host/document/INewSpreadCmdData.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class NewSpreadCmdData final : public CPMUnknown<INewSpreadCmdData> {
public:
    explicit NewSpreadCmdData(IPMUnknown* boss) : CPMUnknown<INewSpreadCmdData>(boss) {}
    void Set(int32 pageCount, PMReal pageWidth, PMReal pageHeight, int32 position) override {
        fPageCount = pageCount;
        fWidth = pageWidth;
        fHeight = pageHeight;
        fPosition = position;
    }
    int32 GetPageCount() const override { return fPageCount; }
    PMReal GetPageWidth() const override { return fWidth; }
    PMReal GetPageHeight() const override { return fHeight; }
    int32 GetPosition() const override { return fPosition; }
    void SetMasterSpreadUID(UID masterSpread) override { fMaster = masterSpread; }
    UID GetMasterSpreadUID() const override { return fMaster; }
    void SetName(const PMString& name) override { fName = name; }
    PMString GetName() const override { return fName; }

private:
    int32 fPageCount = 1;
    PMReal fWidth = 612.0;
    PMReal fHeight = 792.0;
    int32 fPosition = -1;
    UID fMaster = kInvalidUID;
    PMString fName;
};
} // namespace

ImplementationDeclaration MakeNewSpreadCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewSpreadCmdData, id, false);
}
