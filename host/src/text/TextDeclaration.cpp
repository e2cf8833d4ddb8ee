#include "TextDeclaration.h"

#include "TextImplementations.h"
#include "host/objectmodel/HostIDs.h"

namespace {
std::vector<ImplementationDeclaration> TextImplementations() {
    return {MakeTextModelImplementation(kTextModelImpl),
            MakeTextStrandImplementation(kTextStrandImpl),
            MakeAttributeStrandImplementation(kAttributeStrandImpl),
            MakeItemStrandImplementation(kItemStrandImpl),
            MakeTextModelCmdsImplementation(kTextModelCmdsImpl),
            MakeStoryListImplementation(kStoryListImpl),
            MakeTextAttrUIDImplementation(kTextAttrUIDImpl),
            MakeTextCmdDataImplementation(kTextCmdDataImpl),
            MakeWaxStrandImplementation(kWaxStrandImpl),
            MakeNewStoryCmdImplementation(kNewStoryCmdImpl),
            MakeEditTextCmdImplementation(kEditTextCmdImpl),
            MakeApplyTextAttrCmdImplementation(kApplyTextAttrCmdImpl),
            MakeClearTextAttrCmdImplementation(kClearTextAttrCmdImpl),
            MakeSetOwnedItemCmdImplementation(kSetOwnedItemCmdImpl),
            MakeRemoveOwnedItemCmdImplementation(kRemoveOwnedItemCmdImpl)};
}

std::vector<ImplementationDeclaration> FrameImplementations() {
    return {MakeTextInsetImplementation(kTextInsetImpl),
            MakeMultiColumnItemDataImplementation(kMultiColumnItemDataImpl, true),
            MakeMultiColumnItemDataImplementation(kCmdMultiColumnItemDataImpl, false),
            MakeCreateMCFrameDataImplementation(kCreateMCFrameDataImpl),
            MakeGraphicFrameDataImplementation(kGraphicFrameDataImpl),
            MakeMultiColumnTextFrameImplementation(kMultiColumnTextFrameImpl),
            MakeTextFrameColumnImplementation(kTextFrameColumnImpl),
            MakeMultiColumnGeometryImplementation(kMultiColumnGeometryImpl),
            MakeColumnGeometryImplementation(kColumnGeometryImpl),
            MakeFrameListImplementation(kFrameListImpl),
            MakeParcelListImplementation(kParcelListImpl),
            MakeTextParcelListImplementation(kTextParcelListImpl),
            MakeTextStoryThreadImplementation(kTextStoryThreadImpl),
            MakeTextStoryThreadDictImplementation(kTextStoryThreadDictImpl),
            MakeDrawingStyleImplementation(kDrawingStyleImpl),
            MakeFrameUtilsImplementation(kFrameUtilsImpl),
            MakeTextFrameShapeImplementation(kTextFrameShapeImpl),
            MakeCreateMultiColumnItemCmdImplementation(kCreateMultiColumnItemCmdImpl),
            MakeFitFrameToContentCmdImplementation(kFitFrameToContentCmdImpl)};
}

std::vector<ImplementationDeclaration> TableImplementations() {
    return {MakeThreadStrandImplementation(kThreadStrandImpl),
            MakeTextStoryThreadDictHierImplementation(kTextStoryThreadDictHierImpl),
            MakeTableModelImplementation(kTableModelImpl),
            MakeTableModelRefImplementation(kTableModelRefImpl),
            MakeTableFrameImplementation(kTableFrameImpl),
            MakeTableThreadDictImplementation(kTableThreadDictImpl),
            MakeTableAnchorImplementation(kTableAnchorImpl),
            MakeCellContentImplementation(kCellContentImpl),
            MakeCellStoryThreadImplementation(kCellStoryThreadImpl),
            MakeCellParcelListImplementation(kCellParcelListImpl),
            MakeNewTableCmdImplementation(kNewTableCmdImpl),
            MakeNewTableCmdDataImplementation(kNewTableCmdDataImpl),
            MakeDeleteTableCmdImplementation(kDeleteTableCmdImpl)};
}

// A table: its anchor in the text, its model (data and the cells' thread dictionary), its frame
// (where it is composed) and its cells (one story thread and one parcel each).
std::vector<ClassDeclaration> TableClasses() {
    return {
        ClassDeclaration{kTableAnchorBoss,
                         kInvalidClass,
                         "kTableAnchorBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IOWNEDITEM, kTableAnchorImpl},
                          {IID_IUIDDATA, kPersistUIDDataImpl},
                          {IID_ITABLEMODEL, kTableModelRefImpl}}},
        ClassDeclaration{kTableModelBoss,
                         kInvalidClass,
                         "kTableModelBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_ITABLEMODEL, kTableModelImpl},
                          {IID_ITEXTSTORYTHREADDICT, kTableThreadDictImpl}}},
        ClassDeclaration{kTableFrameBoss,
                         kInvalidClass,
                         "kTableFrameBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IUIDDATA, kPersistUIDDataImpl},
                          {IID_ITABLEFRAME, kTableFrameImpl},
                          {IID_ITABLEMODEL, kTableModelRefImpl}}},
        ClassDeclaration{kTableCellBoss,
                         kInvalidClass,
                         "kTableCellBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_ICELLCONTENT, kCellContentImpl},
                          {IID_ITEXTSTORYTHREAD, kCellStoryThreadImpl},
                          {IID_IPARCELLIST, kCellParcelListImpl},
                          {IID_ITEXTPARCELLIST, kTextParcelListImpl}}},
        ClassDeclaration{kNewTableCmdBoss,
                         kInvalidClass,
                         "kNewTableCmdBoss",
                         {{IID_ICOMMAND, kNewTableCmdImpl}, {IID_INEWTABLECMDDATA, kNewTableCmdDataImpl}}},
        ClassDeclaration{kDeleteTableCmdBoss,
                         kInvalidClass,
                         "kDeleteTableCmdBoss",
                         {{IID_ICOMMAND, kDeleteTableCmdImpl}}}};
}

// A text frame is a spline whose child is a multi-column item, whose children are its columns;
// both hang in the spread hierarchy with identity transforms, so they share the frame's coordinates.
std::vector<ClassDeclaration> FrameClasses() {
    return {
        ClassDeclaration{kMultiColumnItemBoss,
                         kInvalidClass,
                         "kMultiColumnItemBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IHIERARCHY, kHierarchyImpl},
                          {IID_ITRANSFORM, kItemTransformImpl},
                          {IID_IGEOMETRY, kMultiColumnGeometryImpl},
                          {IID_IMULTICOLUMNTEXTFRAME, kMultiColumnTextFrameImpl},
                          {IID_IMULTICOLUMNITEMDATA, kMultiColumnItemDataImpl},
                          {IID_ISHAPE, kTextFrameShapeImpl}}},
        ClassDeclaration{kFrameItemBoss,
                         kInvalidClass,
                         "kFrameItemBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IHIERARCHY, kHierarchyImpl},
                          {IID_ITRANSFORM, kItemTransformImpl},
                          {IID_IGEOMETRY, kColumnGeometryImpl},
                          {IID_ITEXTFRAMECOLUMN, kTextFrameColumnImpl}}},
        ClassDeclaration{kCreateMultiColumnItemCmdBoss,
                         kInvalidClass,
                         "kCreateMultiColumnItemCmdBoss",
                         {{IID_ICOMMAND, kCreateMultiColumnItemCmdImpl},
                          {IID_INEWPAGEITEMCMDDATA, kNewPageItemCmdDataImpl},
                          {IID_ICREATEMCFRAMEDATA, kCreateMCFrameDataImpl},
                          {IID_IMULTICOLUMNITEMDATA, kCmdMultiColumnItemDataImpl}}},
        ClassDeclaration{
            kDrawingStyleBoss, kInvalidClass, "kDrawingStyleBoss", {{IID_IDRAWINGSTYLE, kDrawingStyleImpl}}},
        ClassDeclaration{kFitFrameToContentCmdBoss,
                         kInvalidClass,
                         "kFitFrameToContentCmdBoss",
                         {{IID_ICOMMAND, kFitFrameToContentCmdImpl}}}};
}

ClassDeclaration TextCommandClass(ClassID id, const char* name, ImplementationID impl) {
    return ClassDeclaration{
        id, kInvalidClass, name, {{IID_ICOMMAND, impl}, {IID_ITEXTCMDDATA, kTextCmdDataImpl}}};
}

std::vector<ClassDeclaration> TextClasses() {
    std::vector<ClassDeclaration> classes = FrameClasses();
    std::vector<ClassDeclaration> commands = {
        ClassDeclaration{
            kNewStoryCmdBoss, kInvalidClass, "kNewStoryCmdBoss", {{IID_ICOMMAND, kNewStoryCmdImpl}}},
        TextCommandClass(kInsertTextCmdBoss, "kInsertTextCmdBoss", kEditTextCmdImpl),
        TextCommandClass(kDeleteTextCmdBoss, "kDeleteTextCmdBoss", kEditTextCmdImpl),
        TextCommandClass(kReplaceTextCmdBoss, "kReplaceTextCmdBoss", kEditTextCmdImpl),
        TextCommandClass(kPasteTextCmdBoss, "kPasteTextCmdBoss", kEditTextCmdImpl),
        TextCommandClass(kApplyTextAttrCmdBoss, "kApplyTextAttrCmdBoss", kApplyTextAttrCmdImpl),
        TextCommandClass(kClearTextAttrCmdBoss, "kClearTextAttrCmdBoss", kClearTextAttrCmdImpl),
        TextCommandClass(kSetOwnedItemCmdBoss, "kSetOwnedItemCmdBoss", kSetOwnedItemCmdImpl),
        TextCommandClass(kRemoveOwnedItemCmdBoss, "kRemoveOwnedItemCmdBoss", kRemoveOwnedItemCmdImpl)};
    classes.insert(classes.end(), commands.begin(), commands.end());
    for (ClassDeclaration& table : TableClasses())
        classes.push_back(std::move(table));
    return classes;
}

// Stories are host objects of class 0x201; the text module gives them their interfaces, the
// document its story list, and every character attribute its UID value.
std::vector<AddInDeclaration> TextAddIns() {
    return {
        AddInDeclaration{kTextStoryBoss,
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_ITEXTMODEL, kTextModelImpl},
                          {IID_ITEXTSTRAND, kTextStrandImpl},
                          {IID_IATTRIBUTESTRAND, kAttributeStrandImpl},
                          {IID_IITEMSTRAND, kItemStrandImpl},
                          {IID_ITEXTMODELCMDS, kTextModelCmdsImpl},
                          {IID_IWAXSTRAND, kWaxStrandImpl},
                          {IID_IFRAMELIST, kFrameListImpl},
                          {IID_IPARCELLIST, kParcelListImpl},
                          {IID_ITEXTPARCELLIST, kTextParcelListImpl},
                          {IID_ITEXTSTORYTHREAD, kTextStoryThreadImpl},
                          {IID_ITEXTSTORYTHREADDICT, kTextStoryThreadDictImpl},
                          {IID_ITHREADSTRAND, kThreadStrandImpl},
                          {IID_ITEXTSTORYTHREADDICTHIER, kTextStoryThreadDictHierImpl}}},
        AddInDeclaration{kSplineItemBoss,
                         {{IID_ITEXTINSET, kTextInsetImpl}, {IID_IGRAPHICFRAMEDATA, kGraphicFrameDataImpl}}},
        AddInDeclaration{kUtilsBoss, {{IID_IFRAMEUTILS, kFrameUtilsImpl}}},
        AddInDeclaration{kDocBoss, {{IID_ISTORYLIST, kStoryListImpl}}},
        AddInDeclaration{kTextAttrBoss, {{IID_ITEXTATTRUID, kTextAttrUIDImpl}}}};
}

class TextPlugIn final : public IPlugIn {
public:
    TextPlugIn() : fDeclaration(MakeTextDeclaration()) {}
    const PlugInDeclaration& GetDeclaration() const override { return fDeclaration; }
    std::string GetResourceFile() const override { return {}; }

private:
    PlugInDeclaration fDeclaration;
};
} // namespace

PlugInDeclaration MakeTextDeclaration() {
    PlugInDeclaration decl;
    decl.id = kHostTextPluginID;
    decl.name = "pagehost-text";
    decl.version = {1, 1, 5};
    decl.implementations = TextImplementations();
    for (ImplementationDeclaration& frame : FrameImplementations())
        decl.implementations.push_back(std::move(frame));
    for (ImplementationDeclaration& table : TableImplementations())
        decl.implementations.push_back(std::move(table));
    decl.classes = TextClasses();
    decl.addIns = TextAddIns();
    return decl;
}

const IPlugIn* GetTextPlugIn() {
    static TextPlugIn plugIn;
    return &plugIn;
}
