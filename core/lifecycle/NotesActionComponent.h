// NotesActionComponent: performs the plug-in's own menu item, "Clear All Annotations" of the Type
// menu's Annotations submenu, on the front document: every annotation goes, then the annotation
// swatches (after the colour manager's question), all in one undo step. Its enabling is the host's.
#pragma once

#include "host/database/UIDRef.h"
#include "host/ui/CActionComponent.h"

class NotesActionComponent final : public CActionComponent {
public:
    explicit NotesActionComponent(IPMUnknown* boss) : CActionComponent(boss) {}
    void DoAction(ActionID actionID) override;

private:
    static void ClearAllAnnotations(const UIDRef& document);
};
