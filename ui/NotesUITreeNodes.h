// NotesUITreeNodes: what a Notes tree node stands for. Nodes are UIDNodeIDs of objects of the front
// document; a node is an annotation node when its object carries the annotation record.
#pragma once

#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/ui/NodeID.h"

class NotesUITreeNodes {
public:
    // The front document's database, or nullptr when no document is open.
    static IDataBase* FrontDataBase();
    static NodeID NodeOf(IDataBase* db, UID uid);
    // The node's object; an invalid reference for a node of another kind.
    static UIDRef RefOf(const NodeID& node);
    static bool IsAnnotation(const UIDRef& object);
    static bool IsAnnotationNode(const NodeID& node) { return IsAnnotation(RefOf(node)); }
    // Whether a node stands for a text edit: an annotation node that is one, or a page node whose
    // annotation list holds one.
    static bool HoldsTextEdit(const UIDRef& node);
    // The text edits the nodes stand for, each once, in the nodes' order.
    static UIDList TextEditsOf(IDataBase* db, const NodeIDList& nodes);
};
