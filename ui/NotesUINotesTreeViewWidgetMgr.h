// NotesUINotesTreeViewWidgetMgr: makes the Notes tree's node widgets from the plug-in's tree-node
// layout and fills them: a page node shows its page label, an annotation node the start of its note
// text and the icon of its kind, without an expander.
#pragma once

#include "host/database/UIDRef.h"
#include "host/ui/CTreeViewWidgetMgr.h"
#include "host/util/PMString.h"

class NotesUINotesTreeViewWidgetMgr final : public CTreeViewWidgetMgr {
public:
    explicit NotesUINotesTreeViewWidgetMgr(IPMUnknown* boss);
    // The label of a note: its text up to the first carriage return after the first character, cut to
    // 30 characters with " ..." appended when longer.
    static PMString AnnotationLabel(const PMString& content);
    // The icon resource of an annotation kind; 0 for popups and unknown kinds.
    static int32 IconOf(int32 annotationType);

protected:
    bool16 ApplyDataToWidget(const NodeID& node, IControlView* widget, int32 message) const override;

private:
    static bool16 FillAnnotationNode(const UIDRef& annotation, IControlView* widget);
    static bool16 FillPageNode(const UIDRef& page, IControlView* widget);
};
