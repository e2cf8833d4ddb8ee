#include "NotesTextMarkupOwnedItem.h"

#include "NotesID.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

ITextModelMemento* NotesTextMarkupOwnedItem::CreateMemento() {
    InterfacePtr<IUIDData> mementoUIDData(CreateObject2<IUIDData>(kNotesTextMarkupMementoBoss));
    if (!NOTES_CHECK_NIL(mementoUIDData))
        return nullptr;
    mementoUIDData->Set(UIDRef(::GetDataBase(this), ::GetUID(this)));
    InterfacePtr<ITextModelMemento> memento(mementoUIDData, IID_ITEXTMODELMEMENTO);
    return memento.forget();
}
