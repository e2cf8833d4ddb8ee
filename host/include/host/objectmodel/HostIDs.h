// The host's own class, interface and implementation IDs, which plug-ins may use as they stand.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

// Classes
constexpr ClassID kApplicationBoss = 0x101;        // lives as long as the application
constexpr ClassID kUtilsBoss = 0x1C9;              // utility interfaces
constexpr ClassID kDocBoss = 0xE01;                // the document
constexpr ClassID kPageBoss = 0x50F;               // a page
constexpr ClassID kGroupItemBoss = 0x401;          // a group of page items
constexpr ClassID kSplineItemBoss = 0x6201;        // a spline (path) page item
constexpr ClassID kDeleteCmdBoss = 0xF02;          // deletes page items with their children
constexpr ClassID kDeleteUIDCmdBoss = 0x13F;       // deletes objects by UID
constexpr ClassID kAbstractSelectionBoss = 0x1A4;  // the integrator selection
constexpr ClassID kLayoutSelectionBoss = 0x2C61;   // the layout (page item) selection
constexpr ClassID kTextSelectionBoss = 0x2C0;      // the text selection
constexpr ClassID kTextAttrBoss = 0x1BED;          // base of character attributes
constexpr ClassID kTransformPageItemsCmdBoss = 0x2C44;
constexpr ClassID kTransformChangeClass = 0x2CD6;  // change class of a transform notification
constexpr ClassID kHostServiceBoss = 0x201;
constexpr ClassID kHostDataBoss301 = 0x301;
constexpr ClassID kHostDataBoss302 = 0x302;
constexpr ClassID kUndoChangeClass = 0x1101;       // broadcast after undo and redo
constexpr ClassID kDocumentChangeClass = 0x1102;   // broadcast for a change-broadcast call

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
constexpr PMIID IID_ICHANGEBROADCASTUTILS = 0x2C2F;
constexpr PMIID IID_IPDFLIBRARYREF = 0x25D1;
constexpr PMIID IID_ITRANSFORM_DOCUMENT = 0x2C1F; // protocol of transform notifications
constexpr PMIID IID_IHIERARCHY_DOCUMENT = 0x2C2A;
constexpr PMIID IID_ILAYERLIST_DOCUMENT = 0x501;
constexpr PMIID IID_IDOCUMENT_PROTOCOL = 0x1010; // protocol of document-wide broadcasts

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

// Document signals sent to responders, as service IDs.
constexpr ServiceID kAfterNewDocSignalResponderService = 0xE0C;
constexpr ServiceID kAfterOpenDocSignalResponderService = 0xE0E;
constexpr ServiceID kBeforeSaveDocSignalResponderService = 0xE10;
constexpr ServiceID kBeforeSaveAsDocSignalResponderService = 0xE12;
constexpr ServiceID kBeforeSaveACopyDocSignalResponderService = 0xE14;
constexpr ServiceID kBeforeCloseDocSignalResponderService = 0xE19;

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
