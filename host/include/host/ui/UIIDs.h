// The headless UI toolkit's own class, interface, implementation, widget and message IDs.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

// Widget classes. A plug-in's widget class derives from one of these and adds its own interfaces.
constexpr ClassID kGenericPanelWidgetBoss = 0x2100;         // a panel of child widgets
constexpr ClassID kPalettePanelWidgetBoss = 0x2101;         // a panel the panel manager shows
constexpr ClassID kDialogBoss = 0x2102;                     // a dialog: its panel and IDialog
constexpr ClassID kStaticTextWidgetBoss = 0x2103;           // text the user cannot edit
constexpr ClassID kTextEditBoxWidgetBoss = 0x2104;          // one line of editable text
constexpr ClassID kMultilineTextEditBoxWidgetBoss = 0x2105; // editable text of several lines
constexpr ClassID kIntEditBoxWidgetBoss = 0x2106;           // a number field with validation
constexpr ClassID kCheckBoxWidgetBoss = 0x2107;             // a tri-state check box
constexpr ClassID kIconToggleButtonWidgetBoss = 0x2108;     // a tri-state button drawn as an icon
constexpr ClassID kButtonWidgetBoss = 0x2109;               // a push button
constexpr ClassID kIconButtonWidgetBoss = 0x210A;           // a push button drawn as an icon
constexpr ClassID kIconWidgetBoss = 0x210B;                 // an icon (enabled or greyed)
constexpr ClassID kDropDownListWidgetBoss = 0x210C;         // a drop-down list of strings
constexpr ClassID kTreeViewWidgetBoss = 0x210D;             // a tree view (plug-in adds adapter, mgr)
constexpr ClassID kTreeExpanderWidgetBoss = 0x210E;         // a tree node's expander (tri-state)
constexpr ClassID kOpenFileDialogBoss = 0x210F;             // the open-file dialog service

// Interfaces. Each control-data interface is also the protocol its changes are sent under.
constexpr PMIID IID_ICONTROLVIEW = 0x2100;
constexpr PMIID IID_IPANELCONTROLDATA = 0x2101;
constexpr PMIID IID_ITEXTCONTROLDATA = 0x2102;
constexpr PMIID IID_ITRISTATECONTROLDATA = 0x2103;
constexpr PMIID IID_IBOOLEANCONTROLDATA = 0x2104;
constexpr PMIID IID_ISTRINGLISTCONTROLDATA = 0x2105; // also the protocol of drop-down choices
constexpr PMIID IID_IDROPDOWNLISTCONTROLLER = 0x2106;
constexpr PMIID IID_ITEXTVALUE = 0x2107;
constexpr PMIID IID_ITEXTDATAVALIDATION = 0x2108;
constexpr PMIID IID_IEVENTHANDLER = 0x2109;
constexpr PMIID IID_IEVENTWATCHER = 0x210A;
constexpr PMIID IID_IEVENTDISPATCHER = 0x210B;
constexpr PMIID IID_IKEYBOARD = 0x210C;  // also the protocol of keyboard-focus changes
constexpr PMIID IID_IPANELMGR = 0x210D;  // also the protocol of panels shown and hidden
constexpr PMIID IID_IDIALOGMGR = 0x210E; // also the protocol of dialogs opened and closed
constexpr PMIID IID_IDIALOG = 0x210F;
constexpr PMIID IID_IDIALOGCONTROLLER = 0x2110;
constexpr PMIID IID_ITREEVIEWHIERARCHYADAPTER = 0x2111;
constexpr PMIID IID_ITREEVIEWWIDGETMGR = 0x2112;
constexpr PMIID IID_ITREEVIEWMGR = 0x2113;
constexpr PMIID IID_ITREEVIEWCONTROLLER = 0x2114;
constexpr PMIID IID_IOPENFILEDIALOG = 0x2115;

// Implementations of the host.
constexpr ImplementationID kControlViewImpl = 0x2100;
constexpr ImplementationID kPanelControlDataImpl = 0x2101;
constexpr ImplementationID kTextControlDataImpl = 0x2102;
constexpr ImplementationID kTriStateControlDataImpl = 0x2103;
constexpr ImplementationID kButtonControlDataImpl = 0x2104;
constexpr ImplementationID kStringListControlDataImpl = 0x2105;
constexpr ImplementationID kDropDownListControllerImpl = 0x2106;
constexpr ImplementationID kTextValueImpl = 0x2107;
constexpr ImplementationID kTextDataValidationImpl = 0x2108;
constexpr ImplementationID kEventDispatcherImpl = 0x2109;
constexpr ImplementationID kKeyBoardImpl = 0x210A;
constexpr ImplementationID kPanelMgrImpl = 0x210B;
constexpr ImplementationID kDialogMgrImpl = 0x210C;
constexpr ImplementationID kDialogImpl = 0x210D;
constexpr ImplementationID kTreeViewMgrImpl = 0x210E;
constexpr ImplementationID kTreeViewControllerImpl = 0x210F;
constexpr ImplementationID kTreeViewEventHandlerImpl = 0x2110;
constexpr ImplementationID kOpenFileDialogImpl = 0x2111;

// Widget IDs the host knows.
constexpr WidgetID kInvalidWidgetID = 0;
constexpr WidgetID kOKButtonWidgetID = 0x602;         // a dialog's default button
constexpr WidgetID kCancelButtonWidgetID = 0x603;     // a dialog's cancel button
constexpr WidgetID kTreeNodeExpanderWidgetID = 0x61E; // the expander of a tree node's widget

// Node type of UIDNodeID.
constexpr int32 kUIDNodeIDNodeType = 0x601;

// Change classes (messages) widgets and UI services send through their subject.
constexpr ClassID kListSelectionChangedMessage = 0x76B; // a tree view's selection changed
constexpr ClassID kTrueStateMessage = 0x2180;           // selected / pressed
constexpr ClassID kFalseStateMessage = 0x2181;          // deselected
constexpr ClassID kUnknownStateMessage = 0x2182;        // mixed
constexpr ClassID kTextChangeStateMessage = 0x2183;     // a text control's text changed
constexpr ClassID kPopupChangeStateMessage = 0x2184;    // a drop-down list's choice changed
constexpr ClassID kStringListChangedMessage = 0x2185;   // a drop-down list's entries changed
constexpr ClassID kWidgetStateChangedMessage = 0x2186;  // enabled, visible, icon or size changed
constexpr ClassID kTreeViewChangedMessage = 0x2187;     // nodes added, removed, expanded, collapsed
constexpr ClassID kTreeNodeChangedMessage = 0x2188;     // one node's widget was filled again
constexpr ClassID kTreeScrollMessage = 0x2189;          // the tree asks to show a node
constexpr ClassID kPanelShownMessage = 0x218A;
constexpr ClassID kPanelHiddenMessage = 0x218B;
constexpr ClassID kDialogOpenedMessage = 0x218C;
constexpr ClassID kDialogClosedMessage = 0x218D;
constexpr ClassID kKeyFocusChangedMessage = 0x218E;
