// SetPageCmd: makes a page (and so its spread) the current page of a layout view. The page comes
// from the command's IUIDData; the view from its IPMUnknownData, else the layout view of the
// page's document. Which page a view shows is view state, not document content: nothing in the
// document changes, so the command records no undo step and leaves the document unmodified.
// Observers of the view hear of it under IID_ILAYOUTCONTROLDATA.
#include "../objectmodel/HostImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IPMUnknownData.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
class SetPageCmd final : public Command {
public:
    explicit SetPageCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        InterfacePtr<IUIDData> page(this, IID_IUIDDATA);
        InterfacePtr<ILayoutControlData> view = QueryView(page ? page->GetItemDataBase() : nullptr);
        const bool set = view && page && view->GetDocument() &&
                         view->GetDocument()->GetDocumentDataBase() == page->GetItemDataBase() &&
                         view->SetPage(page->GetUID()) == kSuccess;
        ErrorUtils::PMSetGlobalErrorCode(set ? kSuccess : kFailure);
    }

    void DoNotify() override {
        InterfacePtr<IUIDData> page(this, IID_IUIDDATA);
        if (InterfacePtr<ISubject> subject{QueryView(page->GetItemDataBase()), IID_ISUBJECT})
            subject->Change(kSetPageCmdBoss, IID_ILAYOUTCONTROLDATA, this);
    }

    PMString* CreateName() override { return new PMString("Set Page"); }

private:
    InterfacePtr<ILayoutControlData> QueryView(IDataBase* pageDataBase) const {
        InterfacePtr<IPMUnknownData> given(this, IID_IPMUNKNOWNDATA);
        if (given && given->GetPMUnknown())
            return InterfacePtr<ILayoutControlData>(given->GetPMUnknown(), IID_ILAYOUTCONTROLDATA);
        InterfacePtr<IDocument> document(pageDataBase
                                             ? ObjectModel::CheckedCast<IDocument>(pageDataBase->Instantiate(
                                                   pageDataBase->GetRootUID(), IID_IDOCUMENT))
                                             : nullptr);
        return InterfacePtr<ILayoutControlData>(DocumentManager::Instance().GetLayoutView(document),
                                                IID_ILAYOUTCONTROLDATA);
    }
};
} // namespace

ImplementationDeclaration MakeSetPageCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(SetPageCmd, id, false);
}
