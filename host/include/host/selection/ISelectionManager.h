// ISelectionManager (on a layout view): the view's selection, either page items (a layout
// selection) or a range of one story's text (a text selection), never both at once.
//
// Suites: the integrator object (kAbstractSelectionBoss) carries the abstract suites plug-ins add
// to that class; QueryIntegratorSuite answers them. The integrator reaches one concrete-suite
// object per kind of selection present (IConcreteSelectionList): kLayoutSelectionBoss with
// ILayoutTarget, kTextSelectionBoss with ITextTarget, each with the concrete suites plug-ins add.
//
// Every change is announced on the view's ISubject: protocol IID_ISELECTION_PROTOCOL, change
// kSelectionChangedMessage, changedBy this ISelectionManager. Deleted objects leave the selection.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class ISelectionManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISELECTIONMANAGER };
    enum SelectionKind { kNoSelection = 0, kLayoutSelection = 1, kTextSelection = 2 };
    enum SelectionMode { kReplaceSelection = 0, kAddToSelection = 1 };

    // Selects page items of the view's document, in the list's order after what stays selected.
    // kFailure, changing nothing, when an entry is not a page item of that document.
    virtual ErrorCode SelectPageItems(const UIDList& items, SelectionMode mode = kReplaceSelection) = 0;
    // Removes the items from the layout selection; items not selected are ignored.
    virtual void DeselectPageItems(const UIDList& items) = 0;
    // Selects a range of a story's text; an empty range is an insertion point. The range must lie
    // within [0, TotalLength() - 1] (the final paragraph return is never selected).
    virtual ErrorCode SelectText(const UIDRef& textModel, const RangeData& range) = 0;
    virtual void DeselectAll() = 0;

    virtual SelectionKind GetSelectionKind() const = 0;
    // The selected page items in selection order (empty unless a layout selection).
    virtual UIDList GetSelectedPageItems() const = 0;
    virtual bool16 IsPageItemSelected(UID item) const = 0;
    // The selected story and range; false unless a text selection.
    virtual bool16 GetTextSelection(UIDRef* textModel, RangeData* range) const = 0;

    // The interface iid of the integrator object (one reference), or nullptr when no add-in
    // provides it.
    virtual IPMUnknown* QueryIntegratorSuite(PMIID iid) = 0;

    // Host use: drops objects that no longer exist and clips a text range to its story's text;
    // observers hear of it when the selection changed.
    virtual void DropMissingItems() = 0;
};
