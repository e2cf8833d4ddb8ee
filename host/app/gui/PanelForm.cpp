#include "PanelForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "IconLibrary.h"
#include "ToolkitEvents.h"
#include "TreeMirror.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IControlView.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/UIIDs.h"

namespace {
QString TextOf(IControlView* widget) {
    InterfacePtr<ITextControlData> text(widget, IID_ITEXTCONTROLDATA);
    return text ? QString::fromStdString(text->GetString().GetUTF8String()) : QString();
}

Qt::CheckState CheckStateOf(IControlView* widget) {
    InterfacePtr<ITriStateControlData> state(widget, IID_ITRISTATECONTROLDATA);
    if (!state || state->IsDeselected())
        return Qt::Unchecked;
    return state->IsSelected() ? Qt::Checked : Qt::PartiallyChecked;
}

void SetCheckState(IControlView* widget, bool checked) {
    InterfacePtr<ITriStateControlData> state(widget, IID_ITRISTATECONTROLDATA);
    if (state)
        state->SetState(checked ? ITriStateControlData::kSelected : ITriStateControlData::kUnselected);
}

bool IsButton(WidgetKind::Kind kind) {
    return kind == WidgetKind::kButton || kind == WidgetKind::kIconButton ||
           kind == WidgetKind::kIconToggleButton;
}

// What an icon button or toggle shows: its own text, else the caption its widget ID has.
QString ButtonText(IControlView* widget) {
    const QString text = TextOf(widget);
    return text.isEmpty() ? IconLibrary::CaptionFor(widget->GetWidgetID()) : text;
}
} // namespace

PanelForm::PanelForm(IPanelControlData* panel, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    Build(panel, layout);
    Refresh();
}

void PanelForm::Build(IPanelControlData* panel, QBoxLayout* layout) {
    QHBoxLayout* buttonRow = nullptr;
    for (int32 i = 0; panel && i < panel->Length(); ++i) {
        IControlView* model = panel->GetWidget(i);
        const WidgetKind::Kind kind = model ? WidgetKind::Of(model) : WidgetKind::kUnknown;
        if (kind == WidgetKind::kUnknown || kind == WidgetKind::kTreeExpander)
            continue;
        if (kind == WidgetKind::kPanel) {
            auto* nested = new QWidget(this);
            auto* nestedLayout = new QVBoxLayout(nested);
            nestedLayout->setContentsMargins(0, 0, 0, 0);
            fBindings.push_back({model, kind, nested});
            Build(InterfacePtr<IPanelControlData>(model, IID_IPANELCONTROLDATA), nestedLayout);
            layout->addWidget(nested);
            buttonRow = nullptr;
            continue;
        }
        QWidget* widget = Make(model, kind);
        widget->setObjectName(QStringLiteral("widget-%1").arg(model->GetWidgetID(), 0, 16));
        fBindings.push_back({model, kind, widget});
        if (!IsButton(kind)) {
            layout->addWidget(widget,
                              kind == WidgetKind::kTreeView || kind == WidgetKind::kMultilineTextEditBox);
            buttonRow = nullptr;
            continue;
        }
        if (!buttonRow) {
            buttonRow = new QHBoxLayout;
            buttonRow->addStretch();
            layout->addLayout(buttonRow);
        }
        buttonRow->addWidget(widget);
    }
}

QWidget* PanelForm::Make(IControlView* model, WidgetKind::Kind kind) {
    switch (kind) {
    case WidgetKind::kTreeView: {
        auto* tree = new TreeMirror(model, this);
        connect(tree, &TreeMirror::Changed, this, &PanelForm::Done);
        return tree;
    }
    case WidgetKind::kTextEditBox:
    case WidgetKind::kIntEditBox:
    case WidgetKind::kMultilineTextEditBox:
        return MakeEditBox(model, kind);
    case WidgetKind::kCheckBox: {
        auto* box = new QCheckBox(TextOf(model), this);
        connect(box, &QCheckBox::clicked, this, [this, model](bool checked) {
            SetCheckState(model, checked);
            Done();
        });
        return box;
    }
    case WidgetKind::kButton:
    case WidgetKind::kIconButton:
    case WidgetKind::kIconToggleButton:
        return MakeButton(model, kind);
    case WidgetKind::kDropDownList:
        return MakeDropDown(model);
    default: {
        auto* label = new QLabel(this);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
    }
}

QWidget* PanelForm::MakeEditBox(IControlView* model, WidgetKind::Kind kind) {
    if (kind == WidgetKind::kMultilineTextEditBox) {
        auto* box = new QPlainTextEdit(this);
        connect(box, &QPlainTextEdit::textChanged, this, [this, model, box] {
            if (fUpdating)
                return;
            // A multi-line box holds its new lines as CR LF.
            ToolkitEvents::Type(model, box->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
            Done();
        });
        return box;
    }
    auto* field = new QLineEdit(this);
    connect(field, &QLineEdit::textEdited, this, [this, model](const QString& text) {
        ToolkitEvents::Type(model, text);
        Done();
    });
    return field;
}

QWidget* PanelForm::MakeButton(IControlView* model, WidgetKind::Kind kind) {
    if (kind == WidgetKind::kButton) {
        auto* button = new QPushButton(TextOf(model), this);
        button->setAutoDefault(false);
        button->setDefault(model->GetWidgetID() == kOKButtonWidgetID);
        connect(button, &QPushButton::clicked, this, [this, model] {
            InterfacePtr<IBooleanControlData> data(model, IID_IBOOLEANCONTROLDATA);
            if (data)
                data->Select();
            Done();
        });
        return button;
    }
    auto* button = new QToolButton(this);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setText(ButtonText(model));
    button->setCheckable(kind == WidgetKind::kIconToggleButton);
    connect(button, &QToolButton::clicked, this, [this, model, kind](bool checked) {
        if (kind == WidgetKind::kIconToggleButton)
            SetCheckState(model, checked);
        else if (InterfacePtr<IBooleanControlData> data{model, IID_IBOOLEANCONTROLDATA})
            data->Select();
        Done();
    });
    return button;
}

QWidget* PanelForm::MakeDropDown(IControlView* model) {
    auto* list = new QComboBox(this);
    list->setMinimumContentsLength(30);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(list, &QComboBox::activated, this, [this, model](int index) {
        InterfacePtr<IDropDownListController> chooser(model, IID_IDROPDOWNLISTCONTROLLER);
        if (!chooser)
            return;
        // Chosen afresh, so that the list's observers hear the choice even when it stands already.
        chooser->Select(IDropDownListController::kNoSelection, kTrue, kFalse);
        chooser->Select(index);
        Done();
    });
    return list;
}

void PanelForm::Done() {
    emit Changed();
}

void PanelForm::Refresh() {
    fUpdating = true;
    for (const Binding& binding : fBindings)
        Show(binding);
    ShowFocus();
    fUpdating = false;
}

void PanelForm::Show(const Binding& binding) {
    IControlView* model = binding.model;
    QWidget* widget = binding.widget;
    widget->setVisible(model->IsVisible() != kFalse);
    widget->setEnabled(model->IsEnabled() != kFalse);
    const QSignalBlocker blocker(widget);
    switch (binding.kind) {
    case WidgetKind::kStaticText:
        static_cast<QLabel*>(widget)->setText(TextOf(model));
        break;
    case WidgetKind::kIcon:
        static_cast<QLabel*>(widget)->setPixmap(IconLibrary::ForResource(model->GetRsrcID()).pixmap(16, 16));
        break;
    case WidgetKind::kTextEditBox:
    case WidgetKind::kIntEditBox:
        if (auto* field = static_cast<QLineEdit*>(widget); field->text() != TextOf(model))
            field->setText(TextOf(model));
        break;
    case WidgetKind::kMultilineTextEditBox:
        // Set only when it differs, so the cursor stays where the user is typing.
        if (auto* box = static_cast<QPlainTextEdit*>(widget);
            box->toPlainText() != TextOf(model).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
            box->setPlainText(TextOf(model).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        break;
    case WidgetKind::kCheckBox:
        static_cast<QCheckBox*>(widget)->setCheckState(CheckStateOf(model));
        break;
    case WidgetKind::kIconToggleButton:
        static_cast<QToolButton*>(widget)->setChecked(CheckStateOf(model) == Qt::Checked);
        [[fallthrough]];
    case WidgetKind::kIconButton:
        static_cast<QToolButton*>(widget)->setIcon(IconLibrary::ForResource(model->GetRsrcID()));
        break;
    case WidgetKind::kDropDownList: {
        auto* list = static_cast<QComboBox*>(widget);
        InterfacePtr<IStringListControlData> entries(model, IID_ISTRINGLISTCONTROLDATA);
        InterfacePtr<IDropDownListController> chooser(model, IID_IDROPDOWNLISTCONTROLLER);
        list->clear();
        for (int32 i = 0; entries && i < entries->Length(); ++i)
            list->addItem(QString::fromStdString(entries->GetString(i).GetUTF8String()));
        list->setCurrentIndex(chooser ? chooser->GetSelected() : -1);
        break;
    }
    case WidgetKind::kTreeView:
        static_cast<TreeMirror*>(widget)->Refresh();
        break;
    default:
        break;
    }
}

// The toolkit's keyboard focus moves the Qt focus when it changes, never at every refresh, so
// the user's own clicks keep theirs.
void PanelForm::ShowFocus() {
    InterfacePtr<IKeyBoard> keyboard(GetApplicationObject(), IID_IKEYBOARD);
    IControlView* focus = keyboard ? keyboard->GetKeyFocus() : nullptr;
    if (focus == fShownFocus)
        return;
    fShownFocus = focus;
    for (const Binding& binding : fBindings)
        if (binding.model == focus)
            binding.widget->setFocus(Qt::OtherFocusReason);
}

QWidget* PanelForm::FindWidget(WidgetID id) const {
    for (const Binding& binding : fBindings)
        if (binding.model->GetWidgetID() == id)
            return binding.widget;
    return nullptr;
}

std::vector<TreeMirror*> PanelForm::GetTrees() const {
    std::vector<TreeMirror*> trees;
    for (const Binding& binding : fBindings)
        if (binding.kind == WidgetKind::kTreeView)
            trees.push_back(static_cast<TreeMirror*>(binding.widget));
    return trees;
}
