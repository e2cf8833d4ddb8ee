// The host's own class, interface and implementation IDs, which plug-ins may use as they stand.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

// Classes
constexpr ClassID kApplicationBoss = 0x101;       // lives as long as the application
constexpr ClassID kUtilsBoss = 0x1C9;             // utility interfaces
constexpr ClassID kDocBoss = 0xE01;               // the document
constexpr ClassID kPageBoss = 0x50F;              // a page
constexpr ClassID kGroupItemBoss = 0x401;         // a group of page items
constexpr ClassID kSplineItemBoss = 0x6201;       // a spline (path) page item
constexpr ClassID kDeleteCmdBoss = 0xF02;         // deletes page items with their children
constexpr ClassID kDeleteUIDCmdBoss = 0x13F;      // deletes objects by UID
constexpr ClassID kAbstractSelectionBoss = 0x1A4; // the integrator selection
constexpr ClassID kLayoutSelectionBoss = 0x2C61;  // the layout (page item) selection
constexpr ClassID kTextSelectionBoss = 0x2C0;     // the text selection
constexpr ClassID kTextAttrBoss = 0x1BED;         // base of character attributes
constexpr ClassID kTransformPageItemsCmdBoss = 0x2C44;
constexpr ClassID kTransformChangeClass = 0x2CD6; // change class of a transform notification
constexpr ClassID kHostServiceBoss = 0x201;
constexpr ClassID kHostDataBoss301 = 0x301;
constexpr ClassID kHostDataBoss302 = 0x302;
constexpr ClassID kUndoChangeClass = 0x1101;     // broadcast after undo and redo
constexpr ClassID kDocumentChangeClass = 0x1102; // broadcast for a change-broadcast call

// Layout document: structure, layers and swatches.
constexpr ClassID kSpreadBoss = 0x1103;          // a spread of pages on the pasteboard
constexpr ClassID kMasterPagesBoss = 0x1104;     // a master spread
constexpr ClassID kSpreadLayerBoss = 0x1105;     // a document layer's part on one spread
constexpr ClassID kDocumentLayerBoss = 0x1106;   // a layer of the document
constexpr ClassID kSwatchBoss = 0x1107;          // a swatch of the swatch list
constexpr ClassID kGraphicAttrListBoss = 0x1108; // a free-standing list of graphic attributes

// Page-item and document commands.
constexpr ClassID kNewPageItemCmdBoss = 0x1110;
constexpr ClassID kGroupCmdBoss = 0x1111;
constexpr ClassID kConvertShapeCmdBoss = 0x1112;
constexpr ClassID kGfxApplyMultAttributesCmdBoss = 0x1113;
constexpr ClassID kGfxApplyAttrOverridesCmdBoss = 0x1114;
constexpr ClassID kStandOffModeCmdBoss = 0x1115;
constexpr ClassID kBringToFrontCmdBoss = 0x1116;
constexpr ClassID kNewLayerCmdBoss = 0x1117;
constexpr ClassID kSetLayerPropertiesCmdBoss = 0x1118;
constexpr ClassID kAddSwatchesCmdBoss = 0x1119;
constexpr ClassID kDeleteSwatchesCmdBoss = 0x111A;
constexpr ClassID kNewSpreadCmdBoss = 0x111B;
constexpr ClassID kNewMasterSpreadCmdBoss = 0x111C;
constexpr ClassID kActiveLayerChangeClass = 0x111D; // broadcast when the active layer changes
constexpr ClassID kDeleteLayerCmdBoss = 0x506;      // notified under the layer-list protocol
constexpr ClassID kNewColorCmdBoss = 0x1F03;
constexpr ClassID kBeforeDeleteChangeClass = 0xF03;   // sent before the delete command removes items
constexpr ClassID kTransformDoneChangeClass = 0x2CCF; // second change of a transform notification

// Graphic attribute classes. The stroke-type attribute carries IGraphicAttrClassID.
constexpr ClassID kGraphicStyleStrokeTypeAttrBoss = 0x6E0E;
constexpr ClassID kGraphicStyleStrokeWeightAttrBoss = 0x1120;
constexpr ClassID kGraphicStyleStrokeRenderingAttrBoss = 0x1121;
constexpr ClassID kGraphicStyleFillRenderingAttrBoss = 0x1122;
constexpr ClassID kGraphicStyleLineStartAttrBoss = 0x1123;
constexpr ClassID kGraphicStyleLineEndAttrBoss = 0x1124;
constexpr ClassID kGraphicStyleCornerEffectAttrBoss = 0x1125;
constexpr ClassID kGraphicStyleCornerSizeAttrBoss = 0x1126;

// Stroke types, arrowheads and corner effects (values of the attributes above).
constexpr ClassID kSolidPathStrokerBoss = 0x5A29;
constexpr ClassID kDashedPathStrokerBoss = 0x5A38;
constexpr ClassID kSimpleArrowHeadBoss = 0x5A03;
constexpr ClassID kTriangleArrowHeadBoss = 0x5A04;
constexpr ClassID kBarbedArrowHeadBoss = 0x5A05;
constexpr ClassID kCurvedArrowHeadBoss = 0x5A06;
constexpr ClassID kDiamondArrowHeadBoss = 0x5A07;
constexpr ClassID kHollowDiamondArrowHeadBoss = 0x5A08;
constexpr ClassID kCircleArrowHeadBoss = 0x5A09;
constexpr ClassID kHollowCircleArrowHeadBoss = 0x5A0A;
constexpr ClassID kSquareArrowHeadBoss = 0x5A0B;
constexpr ClassID kHollowSquareArrowHeadBoss = 0x5A0C;
constexpr ClassID kBarArrowHeadBoss = 0x5A0D;
constexpr ClassID kRoundedCornerBoss = 0xB004;

// Interfaces
constexpr PMIID IID_IPMPERSIST = 0x130;
constexpr PMIID IID_ICOMMAND = 0x1001;
constexpr PMIID IID_ISUBJECT = 0x1002;
constexpr PMIID IID_IOBSERVER = 0x1003;
constexpr PMIID IID_IDOCUMENT = 0x1005;
constexpr PMIID IID_IUIDDATA = 0x1006;
constexpr PMIID IID_ISTRINGDATA = 0x1007;
constexpr PMIID IID_IBOOLDATA = 0x1008;
constexpr PMIID IID_IINTDATA = 0x1009;
constexpr PMIID IID_IK2SERVICEPROVIDER = 0x100A;
constexpr PMIID IID_IRESPONDER = 0x100B;
constexpr PMIID IID_IACTIONCOMPONENT = 0x100C;
constexpr PMIID IID_IREALNUMBERDATA = 0x100D;
constexpr PMIID IID_IRANGEDATA = 0x1015; // a range of text indices (host/text/IRangeData.h)
constexpr PMIID IID_ISTARTUPSHUTDOWN = 0x1016;
constexpr PMIID IID_ICHANGEBROADCASTUTILS = 0x2C2F;
constexpr PMIID IID_IPDFLIBRARYREF = 0x25D1;
constexpr PMIID IID_ITRANSFORM_DOCUMENT = 0x2C1F; // protocol of transform notifications
constexpr PMIID IID_IHIERARCHY_DOCUMENT = 0x2C2A;
constexpr PMIID IID_ILAYERLIST_DOCUMENT = 0x501;
constexpr PMIID IID_IDOCUMENT_PROTOCOL = 0x1010; // protocol of document-wide broadcasts
constexpr PMIID IID_IREALLISTDATA = 0x1F01;
constexpr PMIID IID_IHIERARCHY = 0x1100;
constexpr PMIID IID_IGEOMETRY = 0x1101;
constexpr PMIID IID_ITRANSFORM = 0x1102;
constexpr PMIID IID_IPATHGEOMETRY = 0x1103;
constexpr PMIID IID_ISPREAD = 0x1104;
constexpr PMIID IID_ISPREADLIST = 0x1105;
constexpr PMIID IID_IMASTERSPREADLIST = 0x1106;
constexpr PMIID IID_IPAGELIST = 0x1107;
constexpr PMIID IID_IMASTERPAGE = 0x1108;
constexpr PMIID IID_IMASTERSPREAD = 0x1109;
constexpr PMIID IID_ILAYERLIST = 0x110A;
constexpr PMIID IID_IDOCUMENTLAYER = 0x110B;
constexpr PMIID IID_ISPREADLAYER = 0x110C;
constexpr PMIID IID_IACTIVELAYER = 0x110D;
constexpr PMIID IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST = 0x110E;
constexpr PMIID IID_IGRAPHICATTRIBUTEUTILS = 0x110F;
constexpr PMIID IID_ISTANDOFFDATA = 0x1110;
constexpr PMIID IID_IITEMLOCKDATA = 0x1111;
constexpr PMIID IID_ISWATCHLIST = 0x1112;
constexpr PMIID IID_ICOLORDATA = 0x1113;
constexpr PMIID IID_IRENDERINGOBJECT = 0x1114;
constexpr PMIID IID_ISWATCHUTILS = 0x1115;
constexpr PMIID IID_ILAYERUTILS = 0x1116;
constexpr PMIID IID_IPATHUTILS = 0x1117;
constexpr PMIID IID_ILAYOUTUTILS = 0x1118;
constexpr PMIID IID_ISHAPE = 0x1119;
constexpr PMIID IID_IADORNMENTSHAPE = 0x111A;
constexpr PMIID IID_IPAGEITEMADORNMENTLIST = 0x111B;
constexpr PMIID IID_INEWPAGEITEMCMDDATA = 0x111C;
constexpr PMIID IID_ITRANSFORMCMDDATA = 0x111D;
constexpr PMIID IID_IGROUPCMDDATA = 0x111E;
constexpr PMIID IID_ICONVERTSHAPECMDDATA = 0x111F;
constexpr PMIID IID_IAPPLYMULTATTRIBUTESCMDDATA = 0x1120;
constexpr PMIID IID_IPMUNKNOWNDATA = 0x1121;
constexpr PMIID IID_ISTANDOFFMODECMDDATA = 0x1122;
constexpr PMIID IID_ISWATCHLISTCMDDATA = 0x1123;
constexpr PMIID IID_ILAYERPROPERTIESCMDDATA = 0x1124;
constexpr PMIID IID_IGRAPHICATTRCLASSID = 0x1125;
constexpr PMIID IID_INEWSPREADCMDDATA = 0x1126;

// Implementations
constexpr ImplementationID kPMPersistImpl = 0x14F;
constexpr ImplementationID kPersistUIDDataImpl = 0x117;
constexpr ImplementationID kUIDDataImpl = 0x118;
constexpr ImplementationID kBoolDataImpl = 0x1004;
constexpr ImplementationID kCmdBoolDataImpl = 0x1078D;
constexpr ImplementationID kPersistBoolDataImpl = 0x1005;
constexpr ImplementationID kStringDataImpl = 0x1006;
constexpr ImplementationID kIntDataImpl = 0x1007;
constexpr ImplementationID kPersistIntDataImpl = 0x1008;
constexpr ImplementationID kRealNumberDataImpl = 0x1009;
constexpr ImplementationID kSubjectImpl = 0x100A;
constexpr ImplementationID kDocumentImpl = 0x100B;
constexpr ImplementationID kChangeBroadcastUtilsImpl = 0x100C;
constexpr ImplementationID kPersistRangeDataImpl = 0x100E;
constexpr ImplementationID kRangeDataImpl = 0x100F;
constexpr ImplementationID kHierarchyImpl = 0x1100;
constexpr ImplementationID kItemTransformImpl = 0x1101;
constexpr ImplementationID kPathGeometryImpl = 0x1102;
constexpr ImplementationID kPathBoundsGeometryImpl = 0x1103;
constexpr ImplementationID kGroupGeometryImpl = 0x1104;
constexpr ImplementationID kPageGeometryImpl = 0x1105;
constexpr ImplementationID kSpreadGeometryImpl = 0x1106;
constexpr ImplementationID kSpreadImpl = 0x1107;
constexpr ImplementationID kSpreadListImpl = 0x1108;
constexpr ImplementationID kMasterSpreadListImpl = 0x1109;
constexpr ImplementationID kPageListImpl = 0x110A;
constexpr ImplementationID kMasterPageImpl = 0x110B;
constexpr ImplementationID kMasterSpreadImpl = 0x110C;
constexpr ImplementationID kLayerListImpl = 0x110D;
constexpr ImplementationID kDocumentLayerImpl = 0x110E;
constexpr ImplementationID kSpreadLayerImpl = 0x110F;
constexpr ImplementationID kActiveLayerImpl = 0x1110;
constexpr ImplementationID kGraphicStyleAttributeBossListImpl = 0x1111;
constexpr ImplementationID kCmdGraphicStyleAttributeBossListImpl = 0x1112;
constexpr ImplementationID kGraphicAttributeUtilsImpl = 0x1113;
constexpr ImplementationID kStandOffDataImpl = 0x1114;
constexpr ImplementationID kItemLockDataImpl = 0x1115;
constexpr ImplementationID kSwatchListImpl = 0x1116;
constexpr ImplementationID kColorDataImpl = 0x1117;
constexpr ImplementationID kRenderingObjectImpl = 0x1118;
constexpr ImplementationID kSwatchUtilsImpl = 0x1119;
constexpr ImplementationID kLayerUtilsImpl = 0x111A;
constexpr ImplementationID kPathUtilsImpl = 0x111B;
constexpr ImplementationID kLayoutUtilsImpl = 0x111C;
constexpr ImplementationID kGraphicFrameShapeImpl = 0x111D;
constexpr ImplementationID kGroupShapeImpl = 0x111E;
constexpr ImplementationID kPageItemAdornmentListImpl = 0x111F;
constexpr ImplementationID kNewPageItemCmdDataImpl = 0x1120;
constexpr ImplementationID kTransformCmdDataImpl = 0x1121;
constexpr ImplementationID kGroupCmdDataImpl = 0x1122;
constexpr ImplementationID kConvertShapeCmdDataImpl = 0x1123;
constexpr ImplementationID kApplyMultAttributesCmdDataImpl = 0x1124;
constexpr ImplementationID kPMUnknownDataImpl = 0x1125;
constexpr ImplementationID kStandOffModeCmdDataImpl = 0x1126;
constexpr ImplementationID kSwatchListCmdDataImpl = 0x1127;
constexpr ImplementationID kLayerPropertiesCmdDataImpl = 0x1128;
constexpr ImplementationID kGraphicAttrClassIDImpl = 0x1129;
constexpr ImplementationID kRealListDataImpl = 0x112A;
constexpr ImplementationID kNewSpreadCmdDataImpl = 0x112B;
constexpr ImplementationID kNewPageItemCmdImpl = 0x1140;
constexpr ImplementationID kDeleteCmdImpl = 0x1141;
constexpr ImplementationID kGroupCmdImpl = 0x1142;
constexpr ImplementationID kTransformPageItemsCmdImpl = 0x1143;
constexpr ImplementationID kConvertShapeCmdImpl = 0x1144;
constexpr ImplementationID kApplyMultAttributesCmdImpl = 0x1145;
constexpr ImplementationID kApplyAttrOverridesCmdImpl = 0x1146;
constexpr ImplementationID kStandOffModeCmdImpl = 0x1147;
constexpr ImplementationID kBringToFrontCmdImpl = 0x1148;
constexpr ImplementationID kNewLayerCmdImpl = 0x1149;
constexpr ImplementationID kDeleteLayerCmdImpl = 0x114A;
constexpr ImplementationID kSetLayerPropertiesCmdImpl = 0x114B;
constexpr ImplementationID kNewColorCmdImpl = 0x114C;
constexpr ImplementationID kAddSwatchesCmdImpl = 0x114D;
constexpr ImplementationID kDeleteSwatchesCmdImpl = 0x114E;
constexpr ImplementationID kNewSpreadCmdImpl = 0x114F;
constexpr ImplementationID kNewMasterSpreadCmdImpl = 0x1150;

// Layout view, selection, selection handles and command point data.
constexpr ClassID kLayoutWidgetBoss = 0x1C00;        // the layout view of an open document
constexpr ClassID kSetPageCmdBoss = 0x1C01;          // makes a page the current page of a view
constexpr ClassID kSelectionChangedMessage = 0x1C02; // change class: a view's selection changed

constexpr PMIID IID_ILAYOUTCONTROLDATA = 0x1C00; // also the protocol of view-state changes
constexpr PMIID IID_IACTIVECONTEXT = 0x1C01;
constexpr PMIID IID_ISELECTIONMANAGER = 0x1C02;
constexpr PMIID IID_ICONCRETESELECTIONLIST = 0x1C03;
constexpr PMIID IID_ILAYOUTTARGET = 0x1C04;
constexpr PMIID IID_ITEXTTARGET = 0x1C05;
constexpr PMIID IID_IHANDLESHAPE = 0x1C06;     // selection handles (bounding box)
constexpr PMIID IID_IPATHHANDLESHAPE = 0x1C07; // direct-selection handles (path points)
constexpr PMIID IID_IPOINTDATA = 0x1C08;
constexpr PMIID IID_ISELECTION_PROTOCOL = 0x1C09; // protocol of selection-change notifications

constexpr ImplementationID kLayoutControlDataImpl = 0x1C00;
constexpr ImplementationID kActiveContextImpl = 0x1C01;
constexpr ImplementationID kSelectionManagerImpl = 0x1C02;
constexpr ImplementationID kConcreteSelectionListImpl = 0x1C03;
constexpr ImplementationID kLayoutTargetImpl = 0x1C04;
constexpr ImplementationID kTextTargetImpl = 0x1C05;
constexpr ImplementationID kGraphicFrameHandleShapeImpl = 0x1C06;
constexpr ImplementationID kPathHandleShapeImpl = 0x1C07;
constexpr ImplementationID kPointDataImpl = 0x1C08;
constexpr ImplementationID kViewActiveLayerImpl = 0x1C09;
constexpr ImplementationID kLayoutViewObserverImpl = 0x1C0A;
constexpr ImplementationID kSetPageCmdImpl = 0x1C0B;

// Document signals sent to responders, as service IDs.
constexpr ServiceID kAfterNewDocSignalResponderService = 0xE0C;
constexpr ServiceID kAfterOpenDocSignalResponderService = 0xE0E;
constexpr ServiceID kBeforeSaveDocSignalResponderService = 0xE10;
constexpr ServiceID kBeforeSaveAsDocSignalResponderService = 0xE12;
constexpr ServiceID kBeforeSaveACopyDocSignalResponderService = 0xE14;
constexpr ServiceID kBeforeCloseDocSignalResponderService = 0xE19;
// Plug-ins' start-up and shut-down work, once all are loaded and before they go.
constexpr ServiceID kStartupShutdownService = 0xE40;

// The host's own plug-in ID, the owner of its classes and implementations.
constexpr PluginID kHostPluginID = 0x1;

// ---------------------------------------------------------------------------------------------
// Text: stories, strands, owned items, text commands and composition (registered by the text
// module's own declaration, plug-in ID kHostTextPluginID).
// ---------------------------------------------------------------------------------------------
constexpr PluginID kHostTextPluginID = 0x2;

// A story is an object of the host class 0x201; the text module adds its interfaces to it.
constexpr ClassID kTextStoryBoss = kHostServiceBoss;
constexpr ClassID kNewStoryCmdBoss = 0x1800;
constexpr ClassID kInsertTextCmdBoss = 0x1801;
constexpr ClassID kDeleteTextCmdBoss = 0x1802;
constexpr ClassID kReplaceTextCmdBoss = 0x1803;
constexpr ClassID kPasteTextCmdBoss = 0x1804;
constexpr ClassID kApplyTextAttrCmdBoss = 0x1805;
constexpr ClassID kClearTextAttrCmdBoss = 0x1806;
constexpr ClassID kSetOwnedItemCmdBoss = 0x1807;
constexpr ClassID kRemoveOwnedItemCmdBoss = 0x1808;

constexpr PMIID IID_ITEXTMODEL = 0x1800;
constexpr PMIID IID_ITEXTSTRAND = 0x1801;
constexpr PMIID IID_IATTRIBUTESTRAND = 0x1802;
constexpr PMIID IID_IITEMSTRAND = 0x1803;
constexpr PMIID IID_ITEXTMODELCMDS = 0x1804;
constexpr PMIID IID_ISTORYLIST = 0x1805;
constexpr PMIID IID_IOWNEDITEM = 0x1806;
constexpr PMIID IID_ITEXTMODELMEMENTO = 0x1807;
constexpr PMIID IID_ITEXTATTRUID = 0x1808;
constexpr PMIID IID_ITEXTCMDDATA = 0x1809;
constexpr PMIID IID_IWAXSTRAND = 0x180A;

constexpr ImplementationID kTextModelImpl = 0x1800;
constexpr ImplementationID kTextStrandImpl = 0x1801;
constexpr ImplementationID kAttributeStrandImpl = 0x1802;
constexpr ImplementationID kItemStrandImpl = 0x1803;
constexpr ImplementationID kTextModelCmdsImpl = 0x1804;
constexpr ImplementationID kStoryListImpl = 0x1805;
constexpr ImplementationID kTextAttrUIDImpl = 0x1806; // persistent UID value of an attribute
constexpr ImplementationID kTextCmdDataImpl = 0x1807;
constexpr ImplementationID kWaxStrandImpl = 0x1808;
constexpr ImplementationID kNewStoryCmdImpl = 0x1810;
constexpr ImplementationID kEditTextCmdImpl = 0x1811;
constexpr ImplementationID kApplyTextAttrCmdImpl = 0x1812;
constexpr ImplementationID kClearTextAttrCmdImpl = 0x1813;
constexpr ImplementationID kSetOwnedItemCmdImpl = 0x1814;
constexpr ImplementationID kRemoveOwnedItemCmdImpl = 0x1815;

// ---------------------------------------------------------------------------------------------
// Text frames, story threads, text drawing (text module, plug-in ID kHostTextPluginID).
// A text frame is a spline item whose child is a multi-column item; the multi-column item's
// children are its columns, each one parcel of the story's primary thread.
// ---------------------------------------------------------------------------------------------
constexpr ClassID kMultiColumnItemBoss = 0x1900;          // the text of a text frame
constexpr ClassID kFrameItemBoss = 0x1901;                // one column of a multi-column item
constexpr ClassID kCreateMultiColumnItemCmdBoss = 0x1902; // makes a text frame (create-text-frame)
constexpr ClassID kDrawingStyleBoss = 0x1903;             // what attribute reports tell the composer
// Known numbers of tables and their text. The item strand holds a table's anchor at the
// table's 0x16 character; the anchor and the table frame answer ITableModel for the table model,
// which owns the cells' thread dictionary; each cell holds one story thread (see ITableModel.h).
constexpr ClassID kTableAnchorBoss = 0x24F; // owned item at a table's 0x16 character
constexpr ClassID kTableModelBoss = 0xB608; // owner of a table's cell thread dictionary
constexpr ClassID kTableFrameBoss = 0xB651; // the table as composed in its frame column
constexpr ClassID kTableCellBoss = 0xB666;  // a cell: holder of the cell's story thread

constexpr PMIID IID_ITEXTINSET = 0x370C;  // on spline items: the text inset of a text frame
constexpr PMIID IID_IFRAMEUTILS = 0x3734; // utility: text frames and text at a point
constexpr PMIID IID_IMULTICOLUMNTEXTFRAME = 0x1900;
constexpr PMIID IID_ITEXTFRAMECOLUMN = 0x1901;
constexpr PMIID IID_IPARCELLIST = 0x1902;
constexpr PMIID IID_ITEXTPARCELLIST = 0x1903;
constexpr PMIID IID_ITEXTSTORYTHREAD = 0x1904;
constexpr PMIID IID_ITEXTSTORYTHREADDICT = 0x1905;
constexpr PMIID IID_IFRAMELIST = 0x1906;
constexpr PMIID IID_ICREATEMCFRAMEDATA = 0x1907;
constexpr PMIID IID_IMULTICOLUMNITEMDATA = 0x1908;
constexpr PMIID IID_IGRAPHICFRAMEDATA = 0x1909;
constexpr PMIID IID_IATTRREPORT = 0x190A;
constexpr PMIID IID_ITEXTADORNMENT = 0x190B;
constexpr PMIID IID_IDRAWINGSTYLE = 0x190C;

constexpr ImplementationID kTextInsetImpl = 0x1900;
constexpr ImplementationID kFrameUtilsImpl = 0x1901;
constexpr ImplementationID kMultiColumnTextFrameImpl = 0x1902;
constexpr ImplementationID kTextFrameColumnImpl = 0x1903;
constexpr ImplementationID kParcelListImpl = 0x1904;
constexpr ImplementationID kTextParcelListImpl = 0x1905;
constexpr ImplementationID kTextStoryThreadImpl = 0x1906;
constexpr ImplementationID kTextStoryThreadDictImpl = 0x1907;
constexpr ImplementationID kFrameListImpl = 0x1908;
constexpr ImplementationID kCreateMCFrameDataImpl = 0x1909;
constexpr ImplementationID kMultiColumnItemDataImpl = 0x190A;    // persistent, on the item
constexpr ImplementationID kCmdMultiColumnItemDataImpl = 0x190B; // command data
constexpr ImplementationID kGraphicFrameDataImpl = 0x190C;
constexpr ImplementationID kMultiColumnGeometryImpl = 0x190D;
constexpr ImplementationID kColumnGeometryImpl = 0x190E;
constexpr ImplementationID kTextFrameShapeImpl = 0x190F;
constexpr ImplementationID kDrawingStyleImpl = 0x1910;
constexpr ImplementationID kCreateMultiColumnItemCmdImpl = 0x1920;

// ---------------------------------------------------------------------------------------------
// Tables (text module, plug-in ID kHostTextPluginID): the table classes above, their commands,
// interfaces and implementations.
// ---------------------------------------------------------------------------------------------
constexpr ClassID kNewTableCmdBoss = 0x1A00;    // anchors a new table in a story's primary text
constexpr ClassID kDeleteTableCmdBoss = 0x1A01; // deletes a table's objects and cell text

constexpr PMIID IID_ITABLEMODEL = 0x1A00;
constexpr PMIID IID_ITABLEFRAME = 0x1A01;
constexpr PMIID IID_ICELLCONTENT = 0x1A02;
constexpr PMIID IID_ITEXTSTORYTHREADDICTHIER = 0x1A03;
constexpr PMIID IID_ITHREADSTRAND = 0x1A04;
constexpr PMIID IID_INEWTABLECMDDATA = 0x1A05;

constexpr ImplementationID kTableModelImpl = 0x1A00;    // persistent, on the table model
constexpr ImplementationID kTableModelRefImpl = 0x1A01; // on the anchor and the table frame
constexpr ImplementationID kTableFrameImpl = 0x1A02;
constexpr ImplementationID kCellContentImpl = 0x1A03;
constexpr ImplementationID kCellStoryThreadImpl = 0x1A04;
constexpr ImplementationID kCellParcelListImpl = 0x1A05;
constexpr ImplementationID kTableThreadDictImpl = 0x1A06;
constexpr ImplementationID kTextStoryThreadDictHierImpl = 0x1A07;
constexpr ImplementationID kThreadStrandImpl = 0x1A08;
constexpr ImplementationID kTableAnchorImpl = 0x1A09; // IOwnedItem of the anchor
constexpr ImplementationID kNewTableCmdImpl = 0x1A0A;
constexpr ImplementationID kDeleteTableCmdImpl = 0x1A0B;
constexpr ImplementationID kNewTableCmdDataImpl = 0x1A0C;

// ---------------------------------------------------------------------------------------------
// Fitting text frames to their text (text module, plug-in ID kHostTextPluginID).
// ---------------------------------------------------------------------------------------------
// Item list: text frames (frame, multi-column item or column). Each frame that holds its story's
// end gets the height that just shows its text; earlier frames of a thread stay as they are.
constexpr ClassID kFitFrameToContentCmdBoss = 0x1D00;

constexpr ImplementationID kFitFrameToContentCmdImpl = 0x1D00;
