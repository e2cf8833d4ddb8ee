#include "SessionGestures.h"

#include <cstdio>
#include <sstream>

#include "INotesUIAnnotationIterator.h"
#include "PanelReader.h"
#include "QuillpaneID.h"
#include "TextTarget.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/document/ILayoutUtils.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IControlView.h"
#include "host/ui/IEvent.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/UIDNodeID.h"

namespace {
bool Dispatch(IEvent::EventType type, IPMUnknown* target, const PMPoint& where = PMPoint(),
              char16_t key = 0) {
    InterfacePtr<IEventDispatcher> dispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
    IEvent event(type, where, key);
    return dispatcher && dispatcher->DispatchEvent(&event, target);
}

// The label widget of a node's row, where a click on the node lands.
IControlView* LabelOf(ITreeViewMgr* tree, const NodeID& node) {
    InterfacePtr<IControlView> row(tree->QueryWidgetFromNode(node));
    InterfacePtr<IPanelControlData> rowPanel(row, IID_IPANELCONTROLDATA);
    return rowPanel ? rowPanel->FindWidget(kNotesUINodeLabelWidgetID) : nullptr;
}

std::string ClickNode(const std::string& name, IEvent::EventType type) {
    InterfacePtr<ITreeViewMgr> tree = PanelReader::Tree();
    if (!tree)
        return "The Notes panel has no tree.";
    const NodeID node = PanelReader::NamedNode(PanelReader::Walk(tree), name);
    IControlView* label = node.IsValid() ? LabelOf(tree, node) : nullptr;
    if (!label)
        return "The Notes tree has no node " + name + ".";
    Dispatch(type, label);
    return std::string();
}

// Whole numbers of points, as a script writes them.
bool ParseNumbers(const std::string& text, std::vector<double>* numbers, size_t count) {
    std::istringstream in(text);
    double value = 0;
    while (in >> value)
        numbers->push_back(value);
    return in.eof() && numbers->size() == count;
}
} // namespace

std::string SessionGestures::SelectNode(const std::string& name) {
    return ClickNode(name, IEvent::kLButtonDn);
}

std::string SessionGestures::DoubleClickPage(const std::string& page) {
    if (page.find('.') != std::string::npos)
        return "double-click takes a page node's number, not " + page + ".";
    return ClickNode(page, IEvent::kDoubleClick);
}

std::string SessionGestures::Action(const std::string& name) {
    ActionManager& actions = ActionManager::Instance();
    const ActionID action = actions.FindMenuAction(name);
    if (action == 0)
        return "No menu shows an action named \"" + name + "\".";
    if (actions.DoAction(action) == kFailure) {
        const ActionManager::Action* declared = actions.FindAction(action);
        if (declared && !(declared->enabled && declared->componentEnabled))
            return "The action \"" + name + "\" is not enabled now.";
    }
    return std::string();
}

std::string SessionGestures::NextTextEdit() {
    InterfacePtr<ITreeViewMgr> tree = PanelReader::Tree();
    InterfacePtr<INotesUIAnnotationIterator> iterator(tree, IID_INOTESUIANNOTATIONITERATOR);
    InterfacePtr<ITreeViewController> controller(tree, IID_ITREEVIEWCONTROLLER);
    IDocument* document = GetFrontDocument();
    if (!iterator || !controller || !document)
        return "The Notes panel cannot step through text edits.";
    const UID next = iterator->Next(kTrue);
    if (next == kInvalidUID)
        return "There is no text edit after the selected node.";
    const NodeID node = UIDNodeID::Create(document->GetDocumentDataBase(), next);
    tree->ScrollToNode(node);
    controller->Select(node);
    return std::string();
}

std::string SessionGestures::Type(const std::string& text) {
    IControlView* box = PanelReader::Widget(kNotesUINoteEditBoxWidgetID);
    InterfacePtr<ITextControlData> boxText(box, IID_ITEXTCONTROLDATA);
    if (!boxText)
        return "The Notes panel has no note box.";
    if (!box->IsEnabled())
        return "The note box takes no typing now: select one note first.";
    for (size_t i = 0; i < text.size(); ++i) {
        // "\n" in a script is a new line, which the box holds as CR LF.
        const bool newLine = text.compare(i, 2, "\\n") == 0;
        const std::string key = newLine ? "\r\n" : text.substr(i, 1);
        i += newLine ? 1 : 0;
        PMString typed(boxText->GetString().GetUTF8String().append(key).c_str());
        typed.SetTranslatable(kFalse);
        boxText->SetString(typed);
        Dispatch(IEvent::kKeyUp, box, PMPoint(),
                 static_cast<char16_t>(static_cast<unsigned char>(key.back())));
    }
    return std::string();
}

std::string SessionGestures::ClickButton(const std::string& which) {
    const WidgetID id = which == "accept"   ? kNotesUIAcceptIconWidgetID
                        : which == "reject" ? kNotesUIRejectIconWidgetID
                                            : kNotesUIRemoveIconWidgetID;
    IControlView* button = PanelReader::Widget(id);
    InterfacePtr<IBooleanControlData> click(button, IID_IBOOLEANCONTROLDATA);
    if (!click)
        return "The Notes panel has no " + which + " button.";
    if (!button->IsEnabled())
        return "The " + which + " button is not enabled now.";
    click->Select();
    return std::string();
}

std::string SessionGestures::NewNote(IDocument* document, const std::string& coordinates) {
    std::vector<double> xy;
    if (!ParseNumbers(coordinates, &xy, 2))
        return "new-note takes two numbers, X and Y in points from the page's top left corner, not \"" +
               coordinates + "\".";
    IPMUnknown* view = DocumentManager::Instance().GetLayoutView(document);
    InterfacePtr<ILayoutControlData> layout(view, IID_ILAYOUTCONTROLDATA);
    InterfacePtr<ITriStateControlData> createNote(PanelReader::Widget(kNotesUICreateNoteWidgetID),
                                                  IID_ITRISTATECONTROLDATA);
    if (!layout || !createNote)
        return "The Notes panel has no create-note button.";
    const PMRect page = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(layout->GetPageRef());
    if (xy[0] < 0 || xy[1] < 0 || xy[0] > page.Width() || xy[1] > page.Height())
        return "The point " + coordinates + " lies off the page shown.";
    createNote->Select();
    // The layout view takes its clicks in pasteboard coordinates.
    Dispatch(IEvent::kLButtonDn, view, PMPoint(page.Left() + xy[0], page.Top() + xy[1]));
    CmdUtils::ProcessScheduledCmds(); // the application's idle time
    return std::string();
}

std::string SessionGestures::SelectText(IDocument* document, const std::string& arguments) {
    std::vector<double> numbers;
    if (!ParseNumbers(arguments, &numbers, 3))
        return "select-text takes a story's id and two text indices, not \"" + arguments + "\".";
    const auto story = static_cast<int64_t>(numbers[0]);
    const auto start = static_cast<int32_t>(numbers[1]);
    const auto end = static_cast<int32_t>(numbers[2]);
    const std::string range = std::to_string(start) + ":" + std::to_string(end);
    if (std::string problem = TextTarget::Check(document, "the document", story, range, start, end);
        !problem.empty())
        return problem;
    InterfacePtr<ISelectionManager> selection(DocumentManager::Instance().GetLayoutView(document),
                                              IID_ISELECTIONMANAGER);
    IDataBase* db = document->GetDocumentDataBase();
    if (!selection ||
        selection->SelectText(UIDRef(db, static_cast<UID>(story)), RangeData(start, end)) != kSuccess)
        return "The characters " + range + " of story " + std::to_string(story) + " cannot be selected.";
    return std::string();
}

std::string SessionGestures::Undo(IDocument* document, bool redo) {
    UndoHistory& history = document->GetDocumentDataBase()->GetUndoHistory();
    if (redo ? !history.CanRedo() : !history.CanUndo())
        return redo ? "There is nothing to redo." : "There is nothing to undo.";
    const std::string name = (redo ? history.GetRedoName() : history.GetUndoName()).GetUTF8String();
    if ((redo ? history.Redo() : history.Undo()) != kSuccess)
        return std::string(redo ? "Redo" : "Undo") + " of \"" + name + "\" failed.";
    std::printf("%s %s\n", redo ? "redone:" : "undone:", name.c_str());
    return std::string();
}
