#include "NotesUITreeNodes.h"

#include <unordered_set>

#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/UIDNodeID.h"

IDataBase* NotesUITreeNodes::FrontDataBase() {
    IDocument* document = GetFrontDocument();
    return document ? document->GetDocumentDataBase() : nullptr;
}

NodeID NotesUITreeNodes::NodeOf(IDataBase* db, UID uid) {
    return UIDNodeID::Create(db, uid);
}

UIDRef NotesUITreeNodes::RefOf(const NodeID& node) {
    TreeNodePtr<UIDNodeID> uidNode(node);
    return uidNode ? uidNode->GetUIDRef() : UIDRef();
}

bool NotesUITreeNodes::IsAnnotation(const UIDRef& object) {
    if (!object.GetDataBase() || object.GetUID() == kInvalidUID)
        return false;
    InterfacePtr<INotesAnnotation> annotation(object, IID_INOTESANNOTATION);
    return annotation != nullptr;
}

namespace {
bool IsTextEdit(IDataBase* db, UID uid) {
    InterfacePtr<INotesAnnotation> annotation(UIDRef(db, uid), IID_INOTESANNOTATION);
    return annotation && annotation->IsRedaction();
}

// Calls add with each text edit the node stands for.
template <class Add> void ForEachTextEdit(const UIDRef& node, Add add) {
    if (NotesUITreeNodes::IsAnnotation(node)) {
        if (IsTextEdit(node.GetDataBase(), node.GetUID()))
            add(node.GetUID());
        return;
    }
    InterfacePtr<INotesAnnotationList> annotationList(node, IID_INOTESANNOTATIONLIST);
    if (!annotationList)
        return;
    const UIDList annotations = annotationList->GetAnnotations();
    for (UID uid : annotations.GetUIDs())
        if (IsTextEdit(node.GetDataBase(), uid))
            add(uid);
}
} // namespace

bool NotesUITreeNodes::HoldsTextEdit(const UIDRef& node) {
    bool any = false;
    ForEachTextEdit(node, [&](UID) { any = true; });
    return any;
}

UIDList NotesUITreeNodes::TextEditsOf(IDataBase* db, const NodeIDList& nodes) {
    UIDList edits(db);
    std::unordered_set<UID> listed;
    for (const NodeID& node : nodes)
        ForEachTextEdit(RefOf(node), [&](UID uid) {
            if (listed.insert(uid).second)
                edits.Append(uid);
        });
    return edits;
}
