// A test fixture with both plug-ins registered in-process, the three-spread core document as the front
// document, the Notes panel shown over it, and helpers that make sticky notes on document and master
// pages and read the tree as the panel's node widgets show it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IControlView.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"

namespace NotesPanelFixture {
// Registers the Annotations and Quillpane plug-ins once, as the host does at start-up.
void RegisterPlugIns();
// Makes the document the front one and shows the Notes panel for it.
void ShowPanelFor(IDocument* document);
void HidePanel();
InterfacePtr<ITreeViewMgr> Tree();
InterfacePtr<ITreeViewController> Controller();
// The panel's widget by ID (no reference added).
IControlView* Widget(WidgetID id);
// The text a text widget of the panel shows.
std::string TextOf(WidgetID id);
// Every row of the tree with every page opened: page labels, and note labels indented by two spaces.
std::vector<std::string> Rows();
// The kind icon a node's widget shows.
int32 IconOf(const UIDRef& node);
} // namespace NotesPanelFixture

class NotesPanelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    UID Page(int32 index) const;
    UID MasterPage(int32 index) const;
    // A sticky note with the text in the middle of a document page (by index) or master page (by its
    // index across the master spreads).
    UID NoteOnPage(int32 pageIndex, const std::string& content);
    UID NoteOnMasterPage(int32 masterIndex, const std::string& content);
    // Selects the annotation's node alone in the tree, as a click would.
    void SelectNode(UID uid);
    UIDList SelectedAnnotations() const;

    IDocument* document = nullptr;
    IDataBase* db = nullptr;

private:
    UID NoteOn(UID spreadLayer, UID page, const std::string& content);
};
