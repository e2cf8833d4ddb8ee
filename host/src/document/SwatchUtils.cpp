// SwatchUtils: look-ups on the swatch list, colour conversion and the swatch-in-use test.
#include "../objectmodel/HostImplementations.h"
#include "ColorConversion.h"
#include "Query.h"
#include "host/commands/CmdUtils.h"
#include "host/document/IColorData.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"

namespace {
class SwatchUtils final : public CPMUnknown<ISwatchUtils> {
public:
    explicit SwatchUtils(IPMUnknown* boss) : CPMUnknown<ISwatchUtils>(boss) {}

    UID GetNoneSwatchUID(IDataBase* db) const override {
        return List(db) ? List(db)->GetNoneSwatchUID() : kInvalidUID;
    }
    UID GetPaperSwatchUID(IDataBase* db) const override {
        return List(db) ? List(db)->GetPaperSwatchUID() : kInvalidUID;
    }
    UID GetBlackSwatchUID(IDataBase* db) const override {
        return List(db) ? List(db)->GetBlackSwatchUID() : kInvalidUID;
    }
    UID GetRegistrationSwatchUID(IDataBase* db) const override {
        return List(db) ? List(db)->GetRegistrationSwatchUID() : kInvalidUID;
    }
    UID FindSwatch(IDataBase* db, const PMString& name) const override {
        return List(db) ? List(db)->FindSwatch(name) : kInvalidUID;
    }

    std::vector<PMReal> GetColorComponents(const UIDRef& swatch) const override {
        InterfacePtr<IColorData> color = Query::Get<IColorData>(swatch);
        return color ? color->GetColorData() : std::vector<PMReal>();
    }
    std::vector<PMReal> GetRGBComponents(const UIDRef& swatch) const override {
        RGBColor rgb;
        if (!GetRGBColor(swatch, &rgb))
            return {};
        return {rgb.red, rgb.green, rgb.blue};
    }
    bool16 GetRGBColor(const UIDRef& swatch, RGBColor* rgb) const override {
        InterfacePtr<IColorData> color = Query::Get<IColorData>(swatch);
        return color && ColorConversion::ToRGB(color->GetColorSpace(), color->GetColorData(), rgb) ? kTrue
                                                                                                   : kFalse;
    }

    bool16 IsSwatchInUse(const UIDRef& swatch) const override {
        IDataBase* db = swatch.GetDataBase();
        if (!db || swatch.GetUID() == kInvalidUID)
            return kFalse;
        for (UID uid : db->GetAllUIDs()) {
            InterfacePtr<IGraphicStyleAttributeBossList> list =
                Query::Get<IGraphicStyleAttributeBossList>(db, uid);
            for (int32 i = 0; list && i < list->CountBosses(); ++i)
                if (list->GetNthAttribute(i).swatch == swatch.GetUID())
                    return kTrue;
        }
        return kFalse;
    }

    ErrorCode DeleteSwatches(const UIDList& swatches, UID replacement) const override {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kDeleteSwatchesCmdBoss));
        InterfacePtr<IUIDData> replacementData(cmd, IID_IUIDDATA);
        if (!cmd || !replacementData)
            return kFailure;
        cmd->SetItemList(swatches);
        replacementData->Set(UIDRef(swatches.GetDataBase(), replacement));
        return CmdUtils::ProcessCommand(cmd);
    }

private:
    static InterfacePtr<ISwatchList> List(IDataBase* db) {
        return db ? Query::Get<ISwatchList>(db, db->GetRootUID()) : InterfacePtr<ISwatchList>();
    }
};
} // namespace

ImplementationDeclaration MakeSwatchUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(SwatchUtils, id, false);
}
