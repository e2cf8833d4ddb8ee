// NewColorCmd: makes a named colour swatch from components (RGB unless the integer data names
// another colour space). The swatch is not listed until the add-swatches command adds it.
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IColorData.h"
#include "host/document/IRealListData.h"
#include "host/document/IRenderingObject.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "objectmodel/HostImplementations.h"

namespace {
class NewColorCmd final : public Command {
public:
    explicit NewColorCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IRealListData> components(this, IID_IREALLISTDATA);
        InterfacePtr<IStringData> name(this, IID_ISTRINGDATA);
        InterfacePtr<IIntData> space(this, IID_IINTDATA);
        if (!db || !components || !name || !space ||
            std::string(IColorData::CheckComponents(space->GetInt(), components->GetList())) != "")
            return;
        const UID swatch = db->NewUID(kSwatchBoss);
        InterfacePtr<IColorData> color = Query::Get<IColorData>(db, swatch);
        InterfacePtr<IRenderingObject> rendering = Query::Get<IRenderingObject>(db, swatch);
        if (!color || !rendering)
            return;
        color->SetColorData(space->GetInt(), components->GetList());
        rendering->SetSwatchName(name->GetString());
        fItemList = UIDList(UIDRef(db, swatch));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("New Color Swatch"); }
};
} // namespace

ImplementationDeclaration MakeNewColorCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewColorCmd, id, false);
}
