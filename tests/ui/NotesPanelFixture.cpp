#include "NotesPanelFixture.h"

#include "CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "INotesMasterPageList.h"
#include "INotesSelectionManager.h"
#include "NotesUIPlugIn.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISwatchList.h"
#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/UIDNodeID.h"

namespace NotesPanelFixture {
void RegisterPlugIns() {
    CoreFixture::RegisterPlugIns();
    auto& loader = PlugInLoader::Instance();
    if (!loader.FindPlugIn(kNotesUIPluginID))
        loader.RegisterPlugIn(&NotesUIPlugIn::Instance(), "libQuillpane.so");
    ServiceRegistry::Instance().StartUpServices(); // as the host does once every plug-in is loaded
}

void ShowPanelFor(IDocument* document) {
    DocumentManager::Instance().SetFrontDocument(document);
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    ASSERT_TRUE(panels->ShowPanelByWidgetID(kNotesUIPanelWidgetID));
}

void HidePanel() {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    panels->HidePanelByWidgetID(kNotesUIPanelWidgetID);
}

IControlView* Widget(WidgetID id) {
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    InterfacePtr<IPanelControlData> panel(panels->GetPanelFromWidgetID(kNotesUIPanelWidgetID),
                                          IID_IPANELCONTROLDATA);
    return panel ? panel->FindWidget(id) : nullptr;
}

InterfacePtr<ITreeViewMgr> Tree() {
    return InterfacePtr<ITreeViewMgr>(Widget(kNotesUITreeViewWidgetID), IID_ITREEVIEWMGR);
}

InterfacePtr<ITreeViewController> Controller() {
    return InterfacePtr<ITreeViewController>(Widget(kNotesUITreeViewWidgetID), IID_ITREEVIEWCONTROLLER);
}

std::string TextOf(WidgetID id) {
    InterfacePtr<ITextControlData> text(Widget(id), IID_ITEXTCONTROLDATA);
    return text ? text->GetString().GetUTF8String() : "<no widget>";
}

namespace {
IControlView* NodeWidget(const InterfacePtr<ITreeViewMgr>& tree, const NodeID& node, WidgetID id) {
    InterfacePtr<IControlView> widget(tree->QueryWidgetFromNode(node));
    InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
    return panel ? panel->FindWidget(id) : nullptr;
}

std::string LabelOf(const InterfacePtr<ITreeViewMgr>& tree, const NodeID& node) {
    InterfacePtr<ITextControlData> label(NodeWidget(tree, node, kNotesUINodeLabelWidgetID),
                                         IID_ITEXTCONTROLDATA);
    return label ? label->GetString().GetUTF8String() : "<no label>";
}
} // namespace

std::vector<std::string> Rows() {
    InterfacePtr<ITreeViewMgr> tree = Tree();
    for (const NodeID& node : tree->GetVisibleNodes())
        tree->CollapseNode(node);
    const NodeIDList pages = tree->GetVisibleNodes();
    for (const NodeID& page : pages)
        tree->ExpandNode(page);
    std::vector<std::string> rows;
    for (const NodeID& node : tree->GetVisibleNodes()) {
        const bool isPage = std::find(pages.begin(), pages.end(), node) != pages.end();
        rows.push_back((isPage ? "" : "  ") + LabelOf(tree, node));
    }
    return rows;
}

int32 IconOf(const UIDRef& node) {
    IControlView* icon = NodeWidget(Tree(), UIDNodeID::Create(node), kNotesUINodeIconWidgetID);
    return icon ? icon->GetRsrcID() : -1;
}
} // namespace NotesPanelFixture

void NotesPanelTest::SetUp() {
    NotesPanelFixture::RegisterPlugIns();
    document = CoreFixture::BuildThreeSpreadDocument();
    ASSERT_NE(document, nullptr);
    db = document->GetDocumentDataBase();
    InterfacePtr<INotesLayerManager> layers(CoreFixture::DocumentRef(document), IID_INOTESLAYERMANAGER);
    ASSERT_NE(layers->GetNotesLayerUID(), kInvalidUID); // where the notes go
    NotesPanelFixture::ShowPanelFor(document);
}

void NotesPanelTest::TearDown() {
    NotesPanelFixture::Controller()->DeselectAll(kFalse);
    NotesPanelFixture::HidePanel();
    CoreFixture::Close(document);
}

UID NotesPanelTest::Page(int32 index) const {
    InterfacePtr<IPageList> pages(CoreFixture::DocumentRef(document), IID_IPAGELIST);
    return pages->GetNthPageUID(index);
}

UID NotesPanelTest::MasterPage(int32 index) const {
    InterfacePtr<INotesMasterPageList> masters(CoreFixture::DocumentRef(document), IID_INOTESMASTERPAGELIST);
    return masters->GetNthMasterPage(index);
}

UID NotesPanelTest::NoteOnPage(int32 pageIndex, const std::string& content) {
    InterfacePtr<INotesAnnotsManager> manager(CoreFixture::DocumentRef(document), IID_INOTESANNOTSMANAGER);
    return NoteOn(manager->GetAnnotationSpreadLayer(pageIndex), Page(pageIndex), content);
}

UID NotesPanelTest::NoteOnMasterPage(int32 masterIndex, const std::string& content) {
    const UID page = MasterPage(masterIndex);
    InterfacePtr<IHierarchy> hierarchy(UIDRef(db, page), IID_IHIERARCHY);
    InterfacePtr<ISpread> spread(UIDRef(db, hierarchy->GetSpreadUID()), IID_ISPREAD);
    InterfacePtr<INotesLayerManager> layers(CoreFixture::DocumentRef(document), IID_INOTESLAYERMANAGER);
    return NoteOn(spread->GetSpreadLayerUID(layers->GetNotesLayerUID()), page, content);
}

UID NotesPanelTest::NoteOn(UID spreadLayer, UID page, const std::string& content) {
    InterfacePtr<ISwatchList> swatches(CoreFixture::DocumentRef(document), IID_ISWATCHLIST);
    const PMPoint center = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, page)).GetCenter();
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
    record->Set(INotesAnnotation::kStickyNoteAnnotation, {center - PMPoint(10, 10), center + PMPoint(10, 10)},
                swatches->GetBlackSwatchUID(), kTrue, PMString(content.c_str()), PMString("Ana"),
                IDTime::FromCalendar(2024, 3, 4, 5, 6, 7));
    cmd->SetItemList(UIDList(UIDRef(db, spreadLayer)));
    EXPECT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    return cmd->GetItemList()->Length() == 1 ? cmd->GetItemList()->At(0) : kInvalidUID;
}

void NotesPanelTest::SelectNode(UID uid) {
    NotesPanelFixture::Tree()->ScrollToNode(UIDNodeID::Create(db, uid));
    NotesPanelFixture::Controller()->Select(UIDNodeID::Create(db, uid));
}

UIDList NotesPanelTest::SelectedAnnotations() const {
    InterfacePtr<INotesSelectionManager> selection(CoreFixture::DocumentRef(document),
                                                   IID_INOTESSELECTIONMANAGER);
    return selection->GetSelectedAnnotations();
}
