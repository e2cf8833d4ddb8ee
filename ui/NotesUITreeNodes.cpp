#include "NotesUITreeNodes.h"

#include "INotesAnnotation.h"
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
