// SelectionManager: the layout view's selection. It keeps the selection as a value, gives the
// integrator object new concrete-suite objects when it changes, then tells the view's observers.
#include "../document/PageItemOps.h"
#include "../document/Query.h"
#include "../objectmodel/HostImplementations.h"
#include "SelectionState.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/IConcreteSelectionList.h"
#include "host/selection/ILayoutTarget.h"
#include "host/selection/ISelectionManager.h"
#include "host/selection/ITextTarget.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"

namespace {
// The key of the story thread that holds the index; 0 for a story without story threads.
uint32 ThreadKeyAt(const UIDRef& textModel, TextIndex index) {
    InterfacePtr<ITextStoryThreadDict> threads = Query::Get<ITextStoryThreadDict>(textModel);
    InterfacePtr<ITextStoryThread> thread(threads ? threads->QueryThreadAt(index) : nullptr);
    return thread ? static_cast<uint32>(thread->GetThreadKey()) : 0;
}

InterfacePtr<IPMUnknown> MakeConcreteSelection(const SelectionState& state) {
    if (state.GetKind() == ISelectionManager::kLayoutSelection) {
        InterfacePtr<ILayoutTarget> target(CreateObject2<ILayoutTarget>(kLayoutSelectionBoss));
        if (target)
            target->SetItemList(state.GetItems());
        return InterfacePtr<IPMUnknown>(target.forget());
    }
    InterfacePtr<ITextTarget> target(CreateObject2<ITextTarget>(kTextSelectionBoss));
    if (target)
        target->SetTarget(state.GetTextModel(), state.GetRange(), state.GetThreadKey());
    return InterfacePtr<IPMUnknown>(target.forget());
}

class SelectionManager final : public CPMUnknown<ISelectionManager> {
public:
    explicit SelectionManager(IPMUnknown* boss) : CPMUnknown<ISelectionManager>(boss) {}

    ErrorCode SelectPageItems(const UIDList& items, SelectionMode mode) override {
        if (!AreSelectablePageItems(items))
            return kFailure;
        UIDList selected(items.GetDataBase());
        if (mode == kAddToSelection && Current().GetKind() == kLayoutSelection)
            selected = Current().GetItems();
        selected.Append(items);
        Change(SelectionState::PageItems(selected));
        return kSuccess;
    }

    void DeselectPageItems(const UIDList& items) override { Change(Current().Without(items)); }

    ErrorCode SelectText(const UIDRef& textModel, const RangeData& range) override {
        InterfacePtr<ITextModel> model = Query::Get<ITextModel>(textModel);
        if (!model || textModel.GetDataBase() != DocumentDataBase() || range.Start() < 0 ||
            range.End() > model->TotalLength() - 1)
            return kFailure;
        Change(SelectionState::Text(textModel, range, ThreadKeyAt(textModel, range.Start())));
        return kSuccess;
    }

    void DeselectAll() override { Change(SelectionState()); }

    SelectionKind GetSelectionKind() const override { return Current().GetKind(); }
    UIDList GetSelectedPageItems() const override {
        return Current().GetKind() == kLayoutSelection ? Current().GetItems() : UIDList(DocumentDataBase());
    }
    bool16 IsPageItemSelected(UID item) const override { return Current().GetItems().Contains(item); }
    bool16 GetTextSelection(UIDRef* textModel, RangeData* range) const override {
        if (Current().GetKind() != kTextSelection)
            return kFalse;
        if (textModel)
            *textModel = Current().GetTextModel();
        if (range)
            *range = Current().GetRange();
        return kTrue;
    }

    IPMUnknown* QueryIntegratorSuite(PMIID iid) override {
        Current();
        UpdateSuiteObjects();
        return fIntegrator ? fIntegrator->QueryInterface(iid) : nullptr;
    }

    // Current() notes what it dropped, so the change is announced even though the state matches.
    void DropMissingItems() override { Change(Current()); }

private:
    // Queries never answer objects that are gone, even before the observer has run.
    const SelectionState& Current() const {
        SelectionState revalidated = fState.Revalidated();
        if (!(revalidated == fState)) {
            fState = revalidated;
            fSuitesOutdated = true;
            fUnannounced = true;
        }
        return fState;
    }

    void Change(const SelectionState& next) {
        Current();
        if (next == fState && !fUnannounced)
            return;
        fState = next;
        fSuitesOutdated = true;
        fUnannounced = false;
        if (fIntegrator)
            UpdateSuiteObjects(); // observers that ask the suites see the new selection
        if (InterfacePtr<ISubject> subject{this, IID_ISUBJECT})
            subject->Change(kSelectionChangedMessage, IID_ISELECTION_PROTOCOL,
                            static_cast<ISelectionManager*>(this));
    }

    // One integrator object serves the view for good, so suites callers hold follow the selection;
    // it is made again only when plug-ins registered since, to carry their suites too.
    void UpdateSuiteObjects() {
        if (!fIntegrator || fGeneration != ClassRegistry::Instance().GetGeneration()) {
            fIntegrator.reset(CreateObject(kAbstractSelectionBoss, IID_ICONCRETESELECTIONLIST));
            fGeneration = ClassRegistry::Instance().GetGeneration();
            fSuitesOutdated = true;
        }
        if (!fSuitesOutdated)
            return;
        std::vector<InterfacePtr<IPMUnknown>> concrete;
        if (fState.GetKind() != kNoSelection)
            if (InterfacePtr<IPMUnknown> object = MakeConcreteSelection(fState))
                concrete.push_back(object);
        if (InterfacePtr<IConcreteSelectionList> list{fIntegrator, IID_ICONCRETESELECTIONLIST})
            list->SetConcreteSelections(std::move(concrete));
        fSuitesOutdated = false;
    }

    bool AreSelectablePageItems(const UIDList& items) const {
        if (items.IsEmpty())
            return true;
        if (items.GetDataBase() != DocumentDataBase())
            return false;
        for (UID uid : items.GetUIDs())
            if (!PageItemOps::IsPageItem(items.GetDataBase(), uid))
                return false;
        return true;
    }

    IDataBase* DocumentDataBase() const {
        InterfacePtr<ILayoutControlData> view(this, IID_ILAYOUTCONTROLDATA);
        IDocument* document = view ? view->GetDocument() : nullptr;
        return document ? document->GetDocumentDataBase() : nullptr;
    }

    mutable SelectionState fState;
    mutable bool fSuitesOutdated = true;
    mutable bool fUnannounced = false; // Current() dropped objects that observers have not heard of
    InterfacePtr<IPMUnknown> fIntegrator;
    uint32 fGeneration = 0;
};
} // namespace

ImplementationDeclaration MakeSelectionManagerImplementation(ImplementationID id) {
    return IMPLEMENTATION(SelectionManager, id, false);
}
