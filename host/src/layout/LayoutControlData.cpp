// LayoutControlData: the layout view's document and current page. Attaching to a document also
// attaches the view's observer, which keeps the selection free of deleted objects.
#include "../document/Query.h"
#include "../objectmodel/HostImplementations.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/IObserver.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ISelectionManager.h"

namespace {
class LayoutControlData final : public CPMUnknown<ILayoutControlData> {
public:
    explicit LayoutControlData(IPMUnknown* boss) : CPMUnknown<ILayoutControlData>(boss) {}

    IDocument* GetDocument() const override { return fDocument; }

    UID GetPage() const override {
        InterfacePtr<IPageList> pages = QueryPages();
        if (!pages)
            return kInvalidUID;
        if (pages->GetPageIndex(fPage) >= 0)
            return fPage;
        return pages->GetPageCount() > 0 ? pages->GetNthPageUID(0) : kInvalidUID;
    }

    UIDRef GetPageRef() const override { return UIDRef(DataBase(), GetPage()); }

    UIDRef GetSpreadRef() const override {
        InterfacePtr<IHierarchy> page = Query::Get<IHierarchy>(DataBase(), GetPage());
        return UIDRef(DataBase(), page ? page->GetSpreadUID() : kInvalidUID);
    }

    ErrorCode SetPage(UID page) override {
        InterfacePtr<IPageList> pages = QueryPages();
        if (!pages || pages->GetPageIndex(page) < 0)
            return kFailure;
        fPage = page;
        return kSuccess;
    }

    void SetDocument(IDocument* document) override {
        if (document == fDocument)
            return;
        if (fDocument)
            Detach();
        fDocument = document;
        fPage = kInvalidUID;
        if (InterfacePtr<IObserver> observer{this, IID_IOBSERVER}; observer && fDocument)
            observer->AutoAttach();
    }

private:
    // The selection empties (and its observers hear of it) while the document can still be read.
    void Detach() {
        if (InterfacePtr<IObserver> observer{this, IID_IOBSERVER})
            observer->AutoDetach();
        if (InterfacePtr<ISelectionManager> selection{this, IID_ISELECTIONMANAGER})
            selection->DeselectAll();
    }
    IDataBase* DataBase() const { return fDocument ? fDocument->GetDocumentDataBase() : nullptr; }
    InterfacePtr<IPageList> QueryPages() const {
        IDataBase* db = DataBase();
        return db ? Query::Get<IPageList>(db, db->GetRootUID()) : InterfacePtr<IPageList>();
    }

    IDocument* fDocument = nullptr;
    UID fPage = kInvalidUID;
};
} // namespace

ImplementationDeclaration MakeLayoutControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(LayoutControlData, id, false);
}
