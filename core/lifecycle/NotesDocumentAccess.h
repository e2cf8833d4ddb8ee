// NotesDocumentAccess: small look-ups every Part makes on a document: its root reference and the
// interfaces of the document object.
#pragma once

#include "host/database/IDataBase.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/util/Geometry.h"

namespace NotesDocumentAccess {
// The document object of a database.
inline UIDRef DocumentRef(IDataBase* db) {
    return db ? UIDRef(db, db->GetRootUID()) : UIDRef();
}

// An interface of the document object of the database an object lives in.
template <class T> InterfacePtr<T> QueryDocumentInterface(IDataBase* db, PMIID iid = T::kDefaultIID) {
    return InterfacePtr<T>(DocumentRef(db), iid);
}

// The nearest page to a point among a spread's pages, by the distance of page centres: the first
// page is taken at once; a later one only when nearer by more than 1e-8. kInvalidUID without pages.
UID NearestPageOfSpread(IDataBase* db, UID spread, const PMPoint& pasteboardPoint);
// The page an item belongs to: the page that owns it, else the nearest page of its spread.
UID PageOfItem(const IPMUnknown* item);
// The annotation layer's spread layer on the spread that holds an item; kInvalidUID (logged) when
// the document has no annotation layer or the item lies on no spread.
UID AnnotationSpreadLayerOf(const IPMUnknown* item);
// The item's path bounds in pasteboard coordinates (an empty rectangle without geometry).
PMRect PasteboardBoundsOf(const IPMUnknown* item);
} // namespace NotesDocumentAccess
