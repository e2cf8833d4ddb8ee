// NotesUINotesTreeViewAdapter: the Notes tree's hierarchy over the front document: the root (the
// document), one node per page with annotations (master pages first), one leaf per annotation of the
// page's list. With no front document every count is 0 and every node invalid.
//
// A rebuild asks the root's child count first and then each child in turn; the count takes a fresh
// snapshot of the pages (and a page's count a fresh copy of its list), so that each further question
// costs constant time and a whole rebuild stays linear in pages and annotations.
#pragma once

#include <vector>

#include "host/database/UIDList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"

class IDataBase;

class NotesUINotesTreeViewAdapter final : public CPMUnknown<ITreeViewHierarchyAdapter> {
public:
    explicit NotesUINotesTreeViewAdapter(IPMUnknown* boss) : CPMUnknown<ITreeViewHierarchyAdapter>(boss) {}
    NodeID_rv GetRootNode() const override;
    NodeID_rv GetParentNode(const NodeID& node) const override;
    int32 GetNumChildren(const NodeID& node) const override;
    NodeID_rv GetNthChild(const NodeID& node, const int32& nth) const override;
    int32 GetChildIndex(const NodeID& parent, const NodeID& child) const override;

private:
    enum class Kind { kNone, kRoot, kPage, kAnnotation };
    static Kind KindOf(const NodeID& node);
    const std::vector<UID>& Pages(IDataBase* db, bool refresh) const;
    const UIDList& Annotations(IDataBase* db, UID page, bool refresh) const;

    mutable IDataBase* fPagesDB = nullptr;
    mutable std::vector<UID> fPages;
    mutable IDataBase* fListDB = nullptr;
    mutable UID fListPage = kInvalidUID;
    mutable UIDList fList;
};
