// NotesUIPanelSelectionObserver (on the Notes panel): follows the front document. Its layout or text
// selection's annotations become the tree's selected nodes (their page nodes opened); the front
// document's UI document observer is attached, and when the front document changes the tree is
// built afresh for it.
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
    void AttachWidgetObserver(bool attach);
    // Makes sure the front document's UI document observer listens; when the front document is
    // another than the one followed so far, follows its view and builds its tree afresh (true).
    bool FollowFrontDocument();
    static void AttachDocumentObserver(IDataBase* db);

    IDataBase* fDocumentDB = nullptr;
};
