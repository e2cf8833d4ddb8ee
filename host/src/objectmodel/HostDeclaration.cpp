// The host's own classes and implementations, registered like a plug-in's.
#include "HostDeclaration.h"

#include "HostImplementations.h"
#include "ViewDeclaration.h"
#include "host/objectmodel/HostIDs.h"
#include "ui/UIDeclaration.h"

namespace {
constexpr ImplementationID kDeleteUIDCmdImpl = 0x100D;

std::vector<ImplementationDeclaration> HostImplementations() {
    return {MakePMPersistImplementation(kPMPersistImpl),
            MakeUIDDataImplementation(kPersistUIDDataImpl, true),
            MakeUIDDataImplementation(kUIDDataImpl, false),
            MakeBoolDataImplementation(kBoolDataImpl, false),
            MakeBoolDataImplementation(kCmdBoolDataImpl, false),
            MakeBoolDataImplementation(kPersistBoolDataImpl, true),
            MakeIntDataImplementation(kIntDataImpl, false),
            MakeIntDataImplementation(kPersistIntDataImpl, true),
            MakeRangeDataImplementation(kPersistRangeDataImpl, true),
            MakeRangeDataImplementation(kRangeDataImpl, false),
            MakeStringDataImplementation(kStringDataImpl),
            MakeSubjectImplementation(kSubjectImpl),
            MakeDocumentImplementation(kDocumentImpl),
            MakeChangeBroadcastUtilsImplementation(kChangeBroadcastUtilsImpl),
            MakeDeleteUIDCmdImplementation(kDeleteUIDCmdImpl)};
}

std::vector<ImplementationDeclaration> LayoutImplementations() {
    return {MakeHierarchyImplementation(kHierarchyImpl),
            MakeItemTransformImplementation(kItemTransformImpl),
            MakePathGeometryImplementation(kPathGeometryImpl),
            MakePathBoundsGeometryImplementation(kPathBoundsGeometryImpl),
            MakeGroupGeometryImplementation(kGroupGeometryImpl),
            MakePageGeometryImplementation(kPageGeometryImpl),
            MakeSpreadGeometryImplementation(kSpreadGeometryImpl),
            MakeSpreadImplementation(kSpreadImpl),
            MakeSpreadListImplementation(kSpreadListImpl),
            MakeMasterSpreadListImplementation(kMasterSpreadListImpl),
            MakePageListImplementation(kPageListImpl),
            MakeMasterPageImplementation(kMasterPageImpl),
            MakeMasterSpreadImplementation(kMasterSpreadImpl),
            MakeLayerListImplementation(kLayerListImpl),
            MakeDocumentLayerImplementation(kDocumentLayerImpl),
            MakeSpreadLayerImplementation(kSpreadLayerImpl),
            MakeActiveLayerImplementation(kActiveLayerImpl),
            MakeGraphicStyleAttributeBossListImplementation(kGraphicStyleAttributeBossListImpl, true),
            MakeGraphicStyleAttributeBossListImplementation(kCmdGraphicStyleAttributeBossListImpl, false),
            MakeGraphicAttrClassIDImplementation(kGraphicAttrClassIDImpl),
            MakeGraphicAttributeUtilsImplementation(kGraphicAttributeUtilsImpl),
            MakeStandOffDataImplementation(kStandOffDataImpl),
            MakeItemLockDataImplementation(kItemLockDataImpl),
            MakeSwatchListImplementation(kSwatchListImpl),
            MakeColorDataImplementation(kColorDataImpl),
            MakeRenderingObjectImplementation(kRenderingObjectImpl),
            MakeSwatchUtilsImplementation(kSwatchUtilsImpl),
            MakeLayerUtilsImplementation(kLayerUtilsImpl),
            MakePathUtilsImplementation(kPathUtilsImpl),
            MakeLayoutUtilsImplementation(kLayoutUtilsImpl),
            MakeGraphicFrameShapeImplementation(kGraphicFrameShapeImpl),
            MakeGroupShapeImplementation(kGroupShapeImpl),
            MakePageItemAdornmentListImplementation(kPageItemAdornmentListImpl),
            MakeNewPageItemCmdDataImplementation(kNewPageItemCmdDataImpl),
            MakeTransformCmdDataImplementation(kTransformCmdDataImpl),
            MakeGroupCmdDataImplementation(kGroupCmdDataImpl),
            MakeConvertShapeCmdDataImplementation(kConvertShapeCmdDataImpl),
            MakeApplyMultAttributesCmdDataImplementation(kApplyMultAttributesCmdDataImpl),
            MakePMUnknownDataImplementation(kPMUnknownDataImpl),
            MakeStandOffModeCmdDataImplementation(kStandOffModeCmdDataImpl),
            MakeSwatchListCmdDataImplementation(kSwatchListCmdDataImpl),
            MakeLayerPropertiesCmdDataImplementation(kLayerPropertiesCmdDataImpl),
            MakeRealListDataImplementation(kRealListDataImpl),
            MakeNewSpreadCmdDataImplementation(kNewSpreadCmdDataImpl),
            MakeNewPageItemCmdImplementation(kNewPageItemCmdImpl),
            MakeDeleteCmdImplementation(kDeleteCmdImpl),
            MakeGroupCmdImplementation(kGroupCmdImpl),
            MakeTransformPageItemsCmdImplementation(kTransformPageItemsCmdImpl),
            MakeConvertShapeCmdImplementation(kConvertShapeCmdImpl),
            MakeApplyMultAttributesCmdImplementation(kApplyMultAttributesCmdImpl),
            MakeApplyAttrOverridesCmdImplementation(kApplyAttrOverridesCmdImpl),
            MakeStandOffModeCmdImplementation(kStandOffModeCmdImpl),
            MakeBringToFrontCmdImplementation(kBringToFrontCmdImpl),
            MakeNewLayerCmdImplementation(kNewLayerCmdImpl),
            MakeDeleteLayerCmdImplementation(kDeleteLayerCmdImpl),
            MakeSetLayerPropertiesCmdImplementation(kSetLayerPropertiesCmdImpl),
            MakeNewColorCmdImplementation(kNewColorCmdImpl),
            MakeAddSwatchesCmdImplementation(kAddSwatchesCmdImpl),
            MakeDeleteSwatchesCmdImplementation(kDeleteSwatchesCmdImpl),
            MakeNewSpreadCmdImplementation(kNewSpreadCmdImpl, false),
            MakeNewSpreadCmdImplementation(kNewMasterSpreadCmdImpl, true)};
}

// What every page item has: place, geometry, attributes, wrap, locks, shape and adornments.
std::vector<InterfaceDeclaration> PageItemInterfaces(ImplementationID geometry, ImplementationID shape) {
    return {{IID_IPMPERSIST, kPMPersistImpl},
            {IID_IHIERARCHY, kHierarchyImpl},
            {IID_ITRANSFORM, kItemTransformImpl},
            {IID_IGEOMETRY, geometry},
            {IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST, kGraphicStyleAttributeBossListImpl},
            {IID_ISTANDOFFDATA, kStandOffDataImpl},
            {IID_IITEMLOCKDATA, kItemLockDataImpl},
            {IID_ISHAPE, shape},
            {IID_IPAGEITEMADORNMENTLIST, kPageItemAdornmentListImpl}};
}

std::vector<InterfaceDeclaration> SplineInterfaces() {
    std::vector<InterfaceDeclaration> interfaces =
        PageItemInterfaces(kPathBoundsGeometryImpl, kGraphicFrameShapeImpl);
    interfaces.push_back({IID_IPATHGEOMETRY, kPathGeometryImpl});
    return interfaces;
}

ClassDeclaration CommandClass(ClassID id, const char* name, ImplementationID impl,
                              std::vector<InterfaceDeclaration> data = {}) {
    data.insert(data.begin(), {IID_ICOMMAND, impl});
    return ClassDeclaration{id, kInvalidClass, name, data};
}

std::vector<ClassDeclaration> LayoutClasses() {
    return {
        ClassDeclaration{kPageBoss,
                         kInvalidClass,
                         "kPageBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IHIERARCHY, kHierarchyImpl},
                          {IID_ITRANSFORM, kItemTransformImpl},
                          {IID_IGEOMETRY, kPageGeometryImpl},
                          {IID_IMASTERPAGE, kMasterPageImpl}}},
        ClassDeclaration{kSplineItemBoss, kInvalidClass, "kSplineItemBoss", SplineInterfaces()},
        ClassDeclaration{kGroupItemBoss, kInvalidClass, "kGroupItemBoss",
                         PageItemInterfaces(kGroupGeometryImpl, kGroupShapeImpl)},
        ClassDeclaration{kSpreadBoss,
                         kInvalidClass,
                         "kSpreadBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IHIERARCHY, kHierarchyImpl},
                          {IID_ITRANSFORM, kItemTransformImpl},
                          {IID_ISPREAD, kSpreadImpl},
                          {IID_IGEOMETRY, kSpreadGeometryImpl}}},
        ClassDeclaration{
            kMasterPagesBoss, kSpreadBoss, "kMasterPagesBoss", {{IID_IMASTERSPREAD, kMasterSpreadImpl}}},
        ClassDeclaration{kSpreadLayerBoss,
                         kInvalidClass,
                         "kSpreadLayerBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IHIERARCHY, kHierarchyImpl},
                          {IID_ISPREADLAYER, kSpreadLayerImpl}}},
        ClassDeclaration{kDocumentLayerBoss,
                         kInvalidClass,
                         "kDocumentLayerBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl}, {IID_IDOCUMENTLAYER, kDocumentLayerImpl}}},
        ClassDeclaration{kSwatchBoss,
                         kInvalidClass,
                         "kSwatchBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_ICOLORDATA, kColorDataImpl},
                          {IID_IRENDERINGOBJECT, kRenderingObjectImpl}}},
        ClassDeclaration{kGraphicAttrListBoss,
                         kInvalidClass,
                         "kGraphicAttrListBoss",
                         {{IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST, kCmdGraphicStyleAttributeBossListImpl}}},
        ClassDeclaration{kGraphicStyleStrokeTypeAttrBoss,
                         kInvalidClass,
                         "kGraphicStyleStrokeTypeAttrBoss",
                         {{IID_IGRAPHICATTRCLASSID, kGraphicAttrClassIDImpl}}},
        CommandClass(kNewPageItemCmdBoss, "kNewPageItemCmdBoss", kNewPageItemCmdImpl,
                     {{IID_INEWPAGEITEMCMDDATA, kNewPageItemCmdDataImpl}}),
        CommandClass(kDeleteCmdBoss, "kDeleteCmdBoss", kDeleteCmdImpl),
        CommandClass(kGroupCmdBoss, "kGroupCmdBoss", kGroupCmdImpl, {{IID_IGROUPCMDDATA, kGroupCmdDataImpl}}),
        CommandClass(kTransformPageItemsCmdBoss, "kTransformPageItemsCmdBoss", kTransformPageItemsCmdImpl,
                     {{IID_ITRANSFORMCMDDATA, kTransformCmdDataImpl}}),
        CommandClass(kConvertShapeCmdBoss, "kConvertShapeCmdBoss", kConvertShapeCmdImpl,
                     {{IID_ICONVERTSHAPECMDDATA, kConvertShapeCmdDataImpl}}),
        CommandClass(kGfxApplyMultAttributesCmdBoss, "kGfxApplyMultAttributesCmdBoss",
                     kApplyMultAttributesCmdImpl,
                     {{IID_IAPPLYMULTATTRIBUTESCMDDATA, kApplyMultAttributesCmdDataImpl}}),
        CommandClass(kGfxApplyAttrOverridesCmdBoss, "kGfxApplyAttrOverridesCmdBoss",
                     kApplyAttrOverridesCmdImpl, {{IID_IPMUNKNOWNDATA, kPMUnknownDataImpl}}),
        CommandClass(kStandOffModeCmdBoss, "kStandOffModeCmdBoss", kStandOffModeCmdImpl,
                     {{IID_ISTANDOFFMODECMDDATA, kStandOffModeCmdDataImpl}}),
        CommandClass(kBringToFrontCmdBoss, "kBringToFrontCmdBoss", kBringToFrontCmdImpl),
        CommandClass(kNewLayerCmdBoss, "kNewLayerCmdBoss", kNewLayerCmdImpl,
                     {{IID_ILAYERPROPERTIESCMDDATA, kLayerPropertiesCmdDataImpl}}),
        CommandClass(kSetLayerPropertiesCmdBoss, "kSetLayerPropertiesCmdBoss", kSetLayerPropertiesCmdImpl,
                     {{IID_ILAYERPROPERTIESCMDDATA, kLayerPropertiesCmdDataImpl}}),
        CommandClass(kDeleteLayerCmdBoss, "kDeleteLayerCmdBoss", kDeleteLayerCmdImpl),
        CommandClass(kNewColorCmdBoss, "kNewColorCmdBoss", kNewColorCmdImpl,
                     {{IID_IREALLISTDATA, kRealListDataImpl},
                      {IID_ISTRINGDATA, kStringDataImpl},
                      {IID_IINTDATA, kIntDataImpl}}),
        CommandClass(kAddSwatchesCmdBoss, "kAddSwatchesCmdBoss", kAddSwatchesCmdImpl,
                     {{IID_ISWATCHLISTCMDDATA, kSwatchListCmdDataImpl}}),
        CommandClass(kDeleteSwatchesCmdBoss, "kDeleteSwatchesCmdBoss", kDeleteSwatchesCmdImpl,
                     {{IID_IUIDDATA, kUIDDataImpl}}),
        CommandClass(kNewSpreadCmdBoss, "kNewSpreadCmdBoss", kNewSpreadCmdImpl,
                     {{IID_INEWSPREADCMDDATA, kNewSpreadCmdDataImpl}}),
        CommandClass(kNewMasterSpreadCmdBoss, "kNewMasterSpreadCmdBoss", kNewMasterSpreadCmdImpl,
                     {{IID_INEWSPREADCMDDATA, kNewSpreadCmdDataImpl}}),
    };
}

ClassDeclaration Bare(ClassID id, const char* name) {
    return ClassDeclaration{id, kInvalidClass, name, {}};
}

ClassDeclaration PersistentBare(ClassID id, ClassID parent, const char* name) {
    return ClassDeclaration{id, parent, name, {{IID_IPMPERSIST, kPMPersistImpl}}};
}
} // namespace

PlugInDeclaration MakeHostDeclaration() {
    PlugInDeclaration decl;
    decl.id = kHostPluginID;
    decl.name = "pagehost";
    decl.version = {1, 1, 5};
    decl.implementations = HostImplementations();
    for (const ImplementationDeclaration& layout : LayoutImplementations())
        decl.implementations.push_back(layout);
    decl.classes = {
        ClassDeclaration{kApplicationBoss, kInvalidClass, "kApplicationBoss", {{IID_ISUBJECT, kSubjectImpl}}},
        ClassDeclaration{kUtilsBoss,
                         kInvalidClass,
                         "kUtilsBoss",
                         {{IID_ICHANGEBROADCASTUTILS, kChangeBroadcastUtilsImpl},
                          {IID_IGRAPHICATTRIBUTEUTILS, kGraphicAttributeUtilsImpl},
                          {IID_ISWATCHUTILS, kSwatchUtilsImpl},
                          {IID_ILAYERUTILS, kLayerUtilsImpl},
                          {IID_IPATHUTILS, kPathUtilsImpl},
                          {IID_ILAYOUTUTILS, kLayoutUtilsImpl}}},
        ClassDeclaration{kDocBoss,
                         kInvalidClass,
                         "kDocBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl},
                          {IID_IDOCUMENT, kDocumentImpl},
                          {IID_ISUBJECT, kSubjectImpl},
                          {IID_ISPREADLIST, kSpreadListImpl},
                          {IID_IMASTERSPREADLIST, kMasterSpreadListImpl},
                          {IID_IPAGELIST, kPageListImpl},
                          {IID_ILAYERLIST, kLayerListImpl},
                          {IID_IACTIVELAYER, kActiveLayerImpl},
                          {IID_ISWATCHLIST, kSwatchListImpl}}},
        PersistentBare(kTextAttrBoss, kInvalidClass, "kTextAttrBoss"),
        ClassDeclaration{
            kDeleteUIDCmdBoss, kInvalidClass, "kDeleteUIDCmdBoss", {{IID_ICOMMAND, kDeleteUIDCmdImpl}}},
        Bare(kAbstractSelectionBoss, "kAbstractSelectionBoss"),
        Bare(kLayoutSelectionBoss, "kLayoutSelectionBoss"),
        Bare(kTextSelectionBoss, "kTextSelectionBoss"),
        Bare(kHostServiceBoss, "kHostServiceBoss"),
        Bare(kHostDataBoss301, "kHostDataBoss301"),
        Bare(kHostDataBoss302, "kHostDataBoss302"),
    };
    for (ClassDeclaration& layout : LayoutClasses())
        decl.classes.push_back(std::move(layout));
    AddViewDeclaration(&decl);
    AddUIDeclaration(&decl);
    return decl;
}
