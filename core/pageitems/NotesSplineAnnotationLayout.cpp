#include "NotesSplineAnnotationLayout.h"

#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/IUIDData.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

UID NotesSplineAnnotationLayout::GetPageUID() {
    return NotesDocumentAccess::PageOfItem(this);
}

UID NotesSplineAnnotationLayout::GetLayerUID() {
    return NotesDocumentAccess::AnnotationSpreadLayerOf(this);
}

PMRect NotesSplineAnnotationLayout::GetBounds() {
    return NotesDocumentAccess::PasteboardBoundsOf(this);
}
