// ITreeViewWidgetMgr: makes and fills the widget of one tree node; a plug-in implements it on its
// tree view class, usually by deriving from CTreeViewWidgetMgr.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/NodeID.h"
#include "host/ui/UIIDs.h"
#include "host/util/Geometry.h"

class IControlView;

class ITreeViewWidgetMgr : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITREEVIEWWIDGETMGR };
    // A new widget for the node (one reference), or nullptr.
    virtual IControlView* CreateWidgetForNode(const NodeID& node) const = 0;
    // The widget ID of the widget the node gets.
    virtual WidgetID GetWidgetTypeForNode(const NodeID& node) const = 0;
    // Fills the node's widget from the node (labels, icons, expander); kFalse when it could not.
    virtual bool16 ApplyNodeIDToWidget(const NodeID& node, IControlView* widget, int32 message = 0) const = 0;
    // How far the node's widget is indented, in points.
    virtual PMReal GetIndentForNode(const NodeID& node) const = 0;
};
