// NodeID: a tree view's node, a shared immutable value of some NodeIDClass; invalid when empty.
// Nodes compare and hash by their kind's value, so a tree can find a node in constant time.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "host/util/BaseTypes.h"

class NodeIDClass {
public:
    virtual ~NodeIDClass() = default;
    virtual int32 GetNodeType() const = 0;
    // Orders two nodes of the same type: negative, 0 or positive.
    virtual int32 Compare(const NodeIDClass& other) const = 0;
    virtual std::size_t Hash() const = 0;
};

class NodeID {
public:
    NodeID() = default;
    // Takes over the node.
    explicit NodeID(NodeIDClass* node) : fNode(node) {}
    bool IsValid() const { return fNode != nullptr; }
    // 0 for the invalid node.
    int32 GetNodeType() const { return fNode ? fNode->GetNodeType() : 0; }
    const NodeIDClass* Get() const { return fNode.get(); }
    std::size_t Hash() const { return fNode ? fNode->Hash() ^ static_cast<std::size_t>(GetNodeType()) : 0; }
    bool operator==(const NodeID& other) const { return Compare(other) == 0; }
    bool operator!=(const NodeID& other) const { return Compare(other) != 0; }
    bool operator<(const NodeID& other) const { return Compare(other) < 0; }

private:
    int32 Compare(const NodeID& other) const {
        if (GetNodeType() != other.GetNodeType())
            return GetNodeType() < other.GetNodeType() ? -1 : 1;
        return fNode ? fNode->Compare(*other.fNode) : 0;
    }
    std::shared_ptr<const NodeIDClass> fNode;
};

using NodeID_rv = NodeID;
using NodeIDList = std::vector<NodeID>;

struct NodeIDHash {
    std::size_t operator()(const NodeID& node) const { return node.Hash(); }
};

// The node as its own kind T (T::kNodeType), or null when it is another kind or invalid.
template <class T> class TreeNodePtr {
public:
    explicit TreeNodePtr(const NodeID& node)
        : fNode(node),
          fTyped(node.GetNodeType() == T::kNodeType ? static_cast<const T*>(node.Get()) : nullptr) {}
    const T* operator->() const { return fTyped; }
    const T* get() const { return fTyped; }
    explicit operator bool() const { return fTyped != nullptr; }
    bool operator==(std::nullptr_t) const { return fTyped == nullptr; }
    bool operator!=(std::nullptr_t) const { return fTyped != nullptr; }

private:
    NodeID fNode; // keeps the value alive
    const T* fTyped;
};
