// NotesUIPanelSelectionObserver (on the Notes panel): follows the front document. Its layout
// selection's annotations become the tree's selected nodes (their page nodes opened), and when the
// front document changes, the new document's UI document observer is attached instead of the old
// one's and the tree is rebuilt for it.
#pragma once

#include "host/selection/ActiveSelectionObserver.h"

class IDataBase;

class NotesUIPanelSelectionObserver final : public ActiveSelectionObserver {
public:
    explicit NotesUIPanelSelectionObserver(IPMUnknown* boss) : ActiveSelectionObserver(boss, IID_IOBSERVER) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

protected:
    void HandleSelectionChanged(ISelectionManager* selection) override;

private:
    // Attaches to the front document when it is another than the one followed so far.
    void FollowFrontDocument();
    static void AttachDocumentObserver(IDataBase* db, bool attach);

    IDataBase* fDocumentDB = nullptr;
};
