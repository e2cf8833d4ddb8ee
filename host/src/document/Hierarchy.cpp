// Hierarchy: the stored parent and children of an object of the spread tree.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "../database/CountedList.h"
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/database/IPMStream.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class Hierarchy final : public CPMUnknown<IHierarchy> {
public:
    explicit Hierarchy(IPMUnknown* boss) : CPMUnknown<IHierarchy>(boss) {}

    UID GetParentUID() const override { return fParent; }
    IHierarchy* QueryParent() const override { return Query::Get<IHierarchy>(DB(), fParent).forget(); }
    int32 GetChildCount() const override { return static_cast<int32>(fChildren.size()); }
    UID GetChildUID(int32 index) const override {
        return index >= 0 && index < GetChildCount() ? fChildren[static_cast<size_t>(index)] : kInvalidUID;
    }
    IHierarchy* QueryChild(int32 index) const override {
        return Query::Get<IHierarchy>(DB(), GetChildUID(index)).forget();
    }
    int32 GetChildIndex(UID child) const override {
        const auto found = std::find(fChildren.begin(), fChildren.end(), child);
        return found == fChildren.end() ? -1 : static_cast<int32>(found - fChildren.begin());
    }

    void AddChild(UID child, int32 position) override {
        InterfacePtr<IHierarchy> childHierarchy = Query::Get<IHierarchy>(DB(), child);
        if (!childHierarchy || GetChildIndex(child) >= 0)
            return;
        PreDirty();
        if (position < 0 || position > GetChildCount())
            position = GetChildCount();
        fChildren.insert(fChildren.begin() + position, child);
        childHierarchy->SetParentUID(GetBoss()->GetUID());
    }

    void RemoveChild(UID child) override {
        const int32 index = GetChildIndex(child);
        if (index < 0)
            return;
        PreDirty();
        fChildren.erase(fChildren.begin() + index);
        if (InterfacePtr<IHierarchy> childHierarchy = Query::Get<IHierarchy>(DB(), child))
            childHierarchy->SetParentUID(kInvalidUID);
    }

    // Walks with its own stack and lists each object once: a damaged file's children may loop back
    // to an ancestor, which a recursive walk followed until the stack ran out.
    void GetDescendants(UIDList* list, bool16 includeSelf) const override {
        const UID self = GetBoss()->GetUID();
        if (includeSelf)
            list->Append(self);
        std::unordered_set<UID> seen = {self};
        std::vector<std::pair<InterfacePtr<IHierarchy>, int32>> stack;
        const auto enter = [&](UID child) {
            if (!seen.insert(child).second)
                return;
            if (InterfacePtr<IHierarchy> childHierarchy = Query::Get<IHierarchy>(DB(), child)) {
                list->Append(child);
                stack.emplace_back(std::move(childHierarchy), 0);
            }
        };
        for (UID child : fChildren) {
            enter(child);
            while (!stack.empty()) {
                auto& [node, next] = stack.back();
                if (next >= node->GetChildCount()) {
                    stack.pop_back();
                    continue;
                }
                const UID grandchild = node->GetChildUID(next++);
                enter(grandchild);
            }
        }
    }

    UID GetSpreadUID() const override { return FindAncestor(IID_ISPREAD); }
    UID GetLayerUID() const override { return FindAncestor(IID_ISPREADLAYER); }

    void SetParentUID(UID parent) override {
        if (parent == fParent)
            return;
        PreDirty();
        fParent = parent;
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferReference(fParent);
        CountedList::XferReferences(stream, fChildren);
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }

    // This object or the nearest ancestor that has the interface.
    UID FindAncestor(PMIID iid) const {
        IDataBase* db = DB();
        UID current = GetBoss()->GetUID();
        for (int depth = 0; current != kInvalidUID && depth < 256; ++depth) {
            if (InterfacePtr<IPMUnknown> probe{db->Instantiate(current, iid)})
                return current;
            InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, current);
            current = hierarchy ? hierarchy->GetParentUID() : kInvalidUID;
        }
        return kInvalidUID;
    }

    UID fParent = kInvalidUID;
    std::vector<UID> fChildren;
};
} // namespace

ImplementationDeclaration MakeHierarchyImplementation(ImplementationID id) {
    return IMPLEMENTATION(Hierarchy, id, true);
}
