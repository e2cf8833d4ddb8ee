#include "ColorTestDocument.h"

#include "../fixtures/CoreFixture.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/document/DocumentManager.h"
#include "host/document/GraphicAttribute.h"
#include "host/document/IColorData.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/IPathUtils.h"
#include "host/document/IRealListData.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchListCmdData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"

ColorTestDocument::ColorTestDocument() {
    CoreFixture::RegisterPlugIns();
    fDocument = DocumentManager::Instance().NewDocument().document;
}

ColorTestDocument::~ColorTestDocument() {
    if (fDocument)
        DocumentManager::Instance().CloseDocument(fDocument);
}

IDataBase* ColorTestDocument::DB() const {
    return fDocument->GetDocumentDataBase();
}

UIDRef ColorTestDocument::Root() const {
    return UIDRef(DB(), DB()->GetRootUID());
}

InterfacePtr<INotesColorManager> ColorTestDocument::Manager() const {
    return InterfacePtr<INotesColorManager>(Root());
}

InterfacePtr<INotesAnnotationColorList> ColorTestDocument::List() const {
    return InterfacePtr<INotesAnnotationColorList>(Root());
}

std::string ColorTestDocument::NameOf(UID swatch) const {
    InterfacePtr<IRenderingObject> rendering(UIDRef(DB(), swatch));
    return rendering ? rendering->GetSwatchName().GetUTF8String() : std::string();
}

std::vector<PMReal> ColorTestDocument::ComponentsOf(UID swatch) const {
    InterfacePtr<IColorData> color(UIDRef(DB(), swatch));
    return color ? color->GetColorData() : std::vector<PMReal>();
}

bool ColorTestDocument::IsEditable(UID swatch) const {
    InterfacePtr<IRenderingObject> rendering(UIDRef(DB(), swatch));
    return rendering && rendering->IsEditable();
}

bool ColorTestDocument::IsListed(UID swatch) const {
    return InterfacePtr<ISwatchList>(Root())->Contains(swatch);
}

UIDList ColorTestDocument::SwatchesNamed(const char* name) const {
    UIDList named(DB());
    const UIDList listed = InterfacePtr<ISwatchList>(Root())->GetSwatchUIDs();
    for (UID swatch : listed.GetUIDs())
        if (NameOf(swatch) == name)
            named.Append(swatch);
    return named;
}

int32 ColorTestDocument::SwatchCount() const {
    return InterfacePtr<ISwatchList>(Root())->GetSwatchCount();
}

UID ColorTestDocument::NewItemStrokedWith(UID swatch) const {
    const UID page = InterfacePtr<IPageList>(Root())->GetNthPageUID(0);
    const UID spread = InterfacePtr<ISpreadList>(Root())->GetNthSpreadUID(0);
    const UID layer = InterfacePtr<ILayerList>(Root())->GetNthLayerUID(0);
    PMRect bounds = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(DB(), page));
    bounds = PMRect(bounds.Left() + 10, bounds.Top() + 10, bounds.Left() + 60, bounds.Top() + 40);
    const UID contentLayer = InterfacePtr<ISpread>(UIDRef(DB(), spread))->GetSpreadLayerUID(layer);
    const UID item = Utils<IPathUtils>()->CreateRectangleSpline(UIDRef(DB(), contentLayer), bounds).GetUID();
    CmdUtils::SequenceContext sequence;
    InterfacePtr<IGraphicStyleAttributeBossList> attributes(UIDRef(DB(), item));
    Utils<IGraphicAttributeUtils>()->AddStrokeRenderingAttribute(attributes.get(), swatch);
    return item;
}

UID ColorTestDocument::StrokeOf(UID item) const {
    InterfacePtr<IGraphicStyleAttributeBossList> attributes(UIDRef(DB(), item));
    GraphicAttribute stroke;
    return attributes->GetAttribute(kGraphicStyleStrokeRenderingAttrBoss, &stroke) ? stroke.swatch
                                                                                   : kInvalidUID;
}

UID ColorTestDocument::NewUserSwatch(const char* name, std::vector<PMReal> rgb) const {
    InterfacePtr<ICommand> newColor(CmdUtils::CreateCommand(kNewColorCmdBoss));
    InterfacePtr<IRealListData>(newColor, IID_IREALLISTDATA)->Set(rgb);
    InterfacePtr<IStringData>(newColor, IID_ISTRINGDATA)->Set(PMString(name));
    newColor->SetItemList(UIDList(Root()));
    if (CmdUtils::ProcessCommand(newColor) != kSuccess)
        return kInvalidUID;
    InterfacePtr<ICommand> add(CmdUtils::CreateCommand(kAddSwatchesCmdBoss));
    InterfacePtr<ISwatchListCmdData>(add, IID_ISWATCHLISTCMDDATA)->SetSwatchList(Root());
    add->SetItemList(*newColor->GetItemList());
    CmdUtils::ProcessCommand(add);
    return newColor->GetItemList()->At(0);
}

std::string ColorTestDocument::SaveAndReopen() {
    const std::string path = (TestSupport::MakeTempDir("colors") / "colors.phd").string();
    auto& manager = DocumentManager::Instance();
    if (manager.SaveDocumentAs(fDocument, path) != kSuccess)
        return {};
    manager.CloseDocument(fDocument);
    fDocument = manager.OpenDocument(path).document;
    return path;
}
