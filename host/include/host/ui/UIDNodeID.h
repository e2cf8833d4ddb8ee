// UIDNodeID: a tree node standing for one object of a document (node type kUIDNodeIDNodeType).
#pragma once

#include "host/database/UIDRef.h"
#include "host/ui/NodeID.h"
#include "host/ui/UIIDs.h"

class UIDNodeID final : public NodeIDClass {
public:
    static constexpr int32 kNodeType = kUIDNodeIDNodeType;
    static NodeID Create(const UIDRef& ref) { return NodeID(new UIDNodeID(ref)); }
    static NodeID Create(IDataBase* db, UID uid) { return Create(UIDRef(db, uid)); }

    UID GetUID() const { return fRef.GetUID(); }
    IDataBase* GetDataBase() const { return fRef.GetDataBase(); }
    const UIDRef& GetUIDRef() const { return fRef; }
    int32 GetNodeType() const override { return kNodeType; }
    int32 Compare(const NodeIDClass& other) const override;
    std::size_t Hash() const override;

private:
    explicit UIDNodeID(const UIDRef& ref) : fRef(ref) {}
    UIDRef fRef;
};
