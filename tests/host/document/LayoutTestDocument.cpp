#include "LayoutTestDocument.h"

#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/IPageList.h"
#include "host/document/IPathUtils.h"
#include "host/document/IRealListData.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/IStringData.h"

LayoutTestDocument::LayoutTestDocument(const DocumentSetup& setup) {
    const DocumentManager::Result made = DocumentManager::Instance().NewDocument(setup);
    fDocument = made.document;
    fDataBase = fDocument ? dynamic_cast<DataBase*>(fDocument->GetDocumentDataBase()) : nullptr;
}

LayoutTestDocument::~LayoutTestDocument() {
    if (fDocument)
        DocumentManager::Instance().CloseDocument(fDocument);
}

UID LayoutTestDocument::Spread(int32 index) const {
    return Get<ISpreadList>(Root().GetUID())->GetNthSpreadUID(index);
}

UID LayoutTestDocument::MasterSpread(int32 index) const {
    return Get<IMasterSpreadList>(Root().GetUID())->GetNthMasterSpreadUID(index);
}

UID LayoutTestDocument::Page(int32 index) const {
    return Get<IPageList>(Root().GetUID())->GetNthPageUID(index);
}

UID LayoutTestDocument::Layer(int32 index) const {
    return Get<ILayerList>(Root().GetUID())->GetNthLayerUID(index);
}

UID LayoutTestDocument::ContentLayer(UID spread, int32 layerIndex) const {
    return Get<ISpread>(spread)->GetSpreadLayerUID(Layer(layerIndex), ISpread::kContentLayer);
}

UID LayoutTestDocument::NewRectangle(UID parent, const PMRect& bounds) const {
    return Utils<IPathUtils>()->CreateRectangleSpline(UIDRef(fDataBase, parent), bounds).GetUID();
}

UID LayoutTestDocument::NewRectangleOnPage(int32 pageIndex, const PMRect& pageBounds) const {
    const UID page = Page(pageIndex);
    const PMRect onPasteboard = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(fDataBase, page));
    PMRect bounds = pageBounds;
    bounds.MoveRel(onPasteboard.Left(), onPasteboard.Top());
    InterfacePtr<IHierarchy> hierarchy(Get<IHierarchy>(page));
    return NewRectangle(ContentLayer(hierarchy->GetSpreadUID()), bounds);
}

UID LayoutTestDocument::NewSwatch(const char* name, std::vector<PMReal> rgb) const {
    InterfacePtr<ICommand> newColor(CmdUtils::CreateCommand(kNewColorCmdBoss));
    InterfacePtr<IRealListData>(newColor, IID_IREALLISTDATA)->Set(rgb);
    InterfacePtr<IStringData>(newColor, IID_ISTRINGDATA)->Set(PMString(name));
    newColor->SetItemList(UIDList(Root()));
    if (CmdUtils::ProcessCommand(newColor) != kSuccess)
        return kInvalidUID;
    Process(kAddSwatchesCmdBoss, *newColor->GetItemList());
    return newColor->GetItemList()->At(0);
}

PMRect LayoutTestDocument::PasteboardBounds(UID item) const {
    PMRect bounds = Get<IGeometry>(item)->GetPathBoundingBox();
    Get<ITransform>(item)->TransformInnerRectToPasteboard(&bounds);
    return bounds;
}

InterfacePtr<ICommand> LayoutTestDocument::Process(ClassID commandClass, const UIDList& items,
                                                   ErrorCode* result) const {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(commandClass));
    cmd->SetItemList(items);
    const ErrorCode code = CmdUtils::ProcessCommand(cmd);
    if (result)
        *result = code;
    return cmd;
}

LayoutTestDocument::Objects LayoutTestDocument::Snapshot() const {
    Objects objects;
    for (UID uid : fDataBase->GetAllUIDs())
        objects[uid] = fDataBase->Snapshot(uid);
    return objects;
}

bool SameObjects(const LayoutTestDocument::Objects& a, const LayoutTestDocument::Objects& b) {
    if (a.size() != b.size())
        return false;
    for (const auto& [uid, snapshot] : a) {
        const auto other = b.find(uid);
        if (other == b.end() || other->second.exists != snapshot.exists ||
            other->second.object.classID != snapshot.object.classID ||
            other->second.object.data != snapshot.object.data)
            return false;
    }
    return true;
}
