#include "host/document/DocumentSetup.h"

#include "Query.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IColorData.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/document/INewSpreadCmdData.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// The standard swatches are made directly: no command can make a swatch that cannot be deleted.
UID NewStandardSwatch(IDataBase* db, const char* name, int32 kind, int32 space,
                      std::vector<PMReal> components) {
    const UID uid = db->NewUID(kSwatchBoss);
    InterfacePtr<IRenderingObject> rendering = Query::Get<IRenderingObject>(db, uid);
    InterfacePtr<IColorData> color = Query::Get<IColorData>(db, uid);
    rendering->SetSwatchName(PMString(name));
    rendering->SetStandardKind(kind);
    rendering->SetEditable(kFalse);
    color->SetColorData(space, components);
    return uid;
}

void AddStandardSwatches(IDataBase* db, ISwatchList* list) {
    const UID none =
        NewStandardSwatch(db, "None", IRenderingObject::kNoneSwatch, IColorData::kNoColorSpace, {});
    const UID paper =
        NewStandardSwatch(db, "Paper", IRenderingObject::kPaperSwatch, IColorData::kCMYK, {0, 0, 0, 0});
    const UID black =
        NewStandardSwatch(db, "Black", IRenderingObject::kBlackSwatch, IColorData::kCMYK, {0, 0, 0, 1});
    const UID registration = NewStandardSwatch(db, "Registration", IRenderingObject::kRegistrationSwatch,
                                               IColorData::kCMYK, {1, 1, 1, 1});
    for (UID uid : {none, paper, black, registration})
        list->AddSwatch(uid);
    list->SetStandardSwatches(none, paper, black, registration);
}

ErrorCode NewLayer(IDataBase* db, const PMString& name) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewLayerCmdBoss));
    InterfacePtr<ILayerPropertiesCmdData> data(cmd, IID_ILAYERPROPERTIESCMDDATA);
    LayerProperties properties;
    properties.name = name;
    data->Set(properties);
    cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    return CmdUtils::ProcessCommand(cmd);
}

ErrorCode NewSpread(IDataBase* db, int32 pages, PMReal width, PMReal height) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewSpreadCmdBoss));
    InterfacePtr<INewSpreadCmdData> data(cmd, IID_INEWSPREADCMDDATA);
    data->Set(pages, width, height, -1);
    cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    return CmdUtils::ProcessCommand(cmd);
}
} // namespace

ErrorCode DocumentSetup::Apply(IDataBase* db) const {
    InterfacePtr<ISwatchList> swatches = Query::Get<ISwatchList>(db, db->GetRootUID());
    if (!swatches)
        return kFailure;
    {
        CmdUtils::SequenceContext sequence;
        AddStandardSwatches(db, swatches);
    }
    ErrorCode result = NewLayer(db, layerName);
    for (int32 pages : spreadPages)
        if (result == kSuccess)
            result = NewSpread(db, pages, pageWidth, pageHeight);
    db->GetUndoHistory().Clear();
    return result;
}
