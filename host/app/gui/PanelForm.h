// PanelForm: the widgets of a panel (or a dialog) of the host's UI toolkit drawn as Qt widgets, in
// their order, buttons side by side: static texts as labels, edit boxes as text fields, check
// boxes, toggles and buttons, drop-down lists, icons, nested panels and tree views. A gesture on a
// Qt widget goes to its toolkit widget (text set and key released, state set, button clicked,
// entry chosen); Refresh shows the toolkit widgets' states again.
#pragma once

#include <QWidget>

#include <vector>

#include "WidgetKind.h"
#include "host/objectmodel/ObjectIDs.h"

class IControlView;
class IPanelControlData;
class QBoxLayout;
class TreeMirror;

class PanelForm : public QWidget {
    Q_OBJECT
public:
    explicit PanelForm(IPanelControlData* panel, QWidget* parent = nullptr);
    // Shows every toolkit widget's text, state, enabled and visible states as they stand now.
    void Refresh();
    // The Qt widget drawn for the toolkit widget with the ID, or nullptr.
    QWidget* FindWidget(WidgetID id) const;
    // The trees the panel shows.
    std::vector<TreeMirror*> GetTrees() const;

signals:
    // The user changed something through one of the widgets.
    void Changed();

private:
    struct Binding {
        IControlView* model = nullptr; // held by the panel
        WidgetKind::Kind kind = WidgetKind::kUnknown;
        QWidget* widget = nullptr;
    };
    void Build(IPanelControlData* panel, QBoxLayout* layout);
    QWidget* Make(IControlView* model, WidgetKind::Kind kind);
    QWidget* MakeEditBox(IControlView* model, WidgetKind::Kind kind);
    QWidget* MakeButton(IControlView* model, WidgetKind::Kind kind);
    QWidget* MakeDropDown(IControlView* model);
    void Show(const Binding& binding);
    void ShowFocus();
    void Done();

    std::vector<Binding> fBindings;
    IControlView* fShownFocus = nullptr;
    bool fUpdating = false;
};
