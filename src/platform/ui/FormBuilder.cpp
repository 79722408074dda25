#include "platform/ui/FormBuilder.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include "platform/TextConvert.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

namespace platform {
namespace {

constexpr const char* kLabelFor = "kqLabelFor";
constexpr const char* kLabelForIndex = "kqLabelForIndex";
constexpr const char* kLabelGap = "kqLabelGap";
constexpr const char* kEnterFilterName = "kqEnterMovesFocus";

class EnterMovesFocusFilter : public QObject {
public:
    explicit EnterMovesFocusFilter(QWidget& form) : QObject(&form), form_(form) {
        setObjectName(kEnterFilterName);
        form.installEventFilter(this);
    }

protected:
    // A key press reaches the form when the control that had it did not use
    // it (a text box, a list, a check box, an option button or a button that
    // is no default button all pass Enter on).
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &form_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        QWidget* focus = QApplication::focusWidget();
        if (focus && form_.isAncestorOf(focus)) FocusNextControl(focus);
        event->accept();
        return true;
    }

private:
    QWidget& form_;
};

// Twips heights the windows were drawn with.
int UsualHeight(Kind kind) {
    switch (kind) {
        case Kind::Label:
        case Kind::CheckBox:
        case Kind::OptionButton: return 255;
        case Kind::TextBox: return 285;
        case Kind::List: return 315;
        case Kind::CommandButton: return 375;
        case Kind::Line: return 15;
        default: return 0;
    }
}

QString CaptionText(const Caption& caption) {
    if (caption.id != 0) return Lang(caption.id);
    return QText(caption.literal);
}

QWidget* ContainerOf(QWidget& form, const ControlRow& row) {
    if (row.container.empty()) return &form;
    return Ctl<QWidget>(&form, row.container, row.containerIndex);
}

QWidget* NewTabPage(QWidget& form, const ControlRow& row) {
    auto* tabs = Ctl<QTabWidget>(&form, row.container, row.containerIndex);
    auto* page = new QWidget(tabs);
    const int at = tabs->insertTab(row.index >= 0 ? row.index : tabs->count(), page, CaptionText(row.caption));
    // The localiser reads a tab's language id here.
    if (row.caption.id != 0) tabs->tabBar()->setTabData(at, QString::number(row.caption.id));
    return page;
}

QWidget* NewControl(QWidget& form, QWidget* parent, const ControlRow& row) {
    if (row.make) return row.make(parent);
    switch (row.kind) {
        case Kind::Label: return new QLabel(parent);
        case Kind::TextBox: {
            auto* box = new TextBox(parent);
            box->SetTypingLimit(row.textLimit);
            return box;
        }
        case Kind::List: return new ComboBox(parent);
        case Kind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            return list;
        }
        case Kind::CheckBox: return new QCheckBox(parent);
        case Kind::OptionButton: return new QRadioButton(parent);
        case Kind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case Kind::Frame: return new QGroupBox(parent);
        case Kind::BorderlessFrame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            return frame;
        }
        case Kind::TabControl: return new QTabWidget(parent);
        case Kind::TabPage: return NewTabPage(form, row);
        case Kind::Grid: return new Grid(parent);
        case Kind::MultiLineText: {
            auto* text = new QTextEdit(parent);
            text->setReadOnly(true);
            text->setLineWrapMode(QTextEdit::NoWrap);
            return text;
        }
        case Kind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setTextVisible(false);
            return bar;
        }
        case Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignCenter);
            return picture;
        }
        case Kind::Line: {
            auto* line = new QFrame(parent);
            line->setAutoFillBackground(true);
            return line;
        }
    }
    return new QWidget(parent);
}

void SetCaption(QWidget* control, const ControlRow& row) {
    if (row.caption.id == 0 && row.caption.literal.empty()) return;
    if (row.caption.id != 0) SetLangTag(control, row.caption.id);
    const QString text = CaptionText(row.caption);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
}

void Place(QWidget* control, const ControlRow& row) {
    if (row.kind == Kind::TabPage) return;  // the tab control places its pages
    int height = row.height > 0 ? row.height : UsualHeight(row.kind);
    int widthPx = PixelsFromTwips(row.width);
    int heightPx = height > 0 ? PixelsFromTwips(height) : control->sizeHint().height();
    if (row.kind == Kind::Label && row.width == 0) {
        control->adjustSize();
        widthPx = control->width();
        if (row.height == 0) heightPx = control->height();
    }
    control->setGeometry(PixelsFromTwips(row.left), PixelsFromTwips(row.top), widthPx, heightPx);
}

}  // namespace

void BuildForm(QWidget& form, const FormDesign& design, std::span<const ControlRow> rows) {
    if (!design.name.empty()) SetControlName(&form, design.name);
    if (design.caption.id != 0) SetLangTag(&form, design.caption.id);
    if (design.caption.id != 0 || !design.caption.literal.empty()) form.setWindowTitle(CaptionText(design.caption));
    if (!design.font.empty() || design.fontPoints > 0) {
        QFont font = form.font();
        if (!design.font.empty()) font.setFamily(QText(design.font));
        if (design.fontPoints > 0) font.setPointSize(design.fontPoints);
        form.setFont(font);
    }
    if (design.width > 0 && design.height > 0) form.setFixedSize(PixelsFromTwips(design.width), PixelsFromTwips(design.height));

    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.kind == Kind::TabPage ? nullptr : ContainerOf(form, row);
        QWidget* control = NewControl(form, parent, row);
        SetControlName(control, row.name, row.index);
        IndexControl(&form, control);
        SetCaption(control, row);
        Place(control, row);
        if (!row.labelFor.empty()) {
            control->setProperty(kLabelFor, QText(row.labelFor));
            control->setProperty(kLabelForIndex, row.labelForIndex);
            control->setProperty(kLabelGap, row.labelGap);
        }
        if (!row.shown && row.kind != Kind::TabPage) control->hide();
        if (row.tab >= 0) tabbed.emplace_back(row.tab, control);
    }
    std::stable_sort(tabbed.begin(), tabbed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabbed.size(); ++i) QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);

    if (design.enterMovesFocus) InstallEnterMovesFocus(form);
    PlaceLabels(form);
}

void InstallEnterMovesFocus(QWidget& form) {
    if (form.findChild<QObject*>(kEnterFilterName, Qt::FindDirectChildrenOnly)) return;
    new EnterMovesFocusFilter(form);
}

void KeepFocusInClientArea(QWidget& form) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || w->window() != form.window()) continue;
        // What of the control its containers and the form leave to be seen.
        QRect seen = w->rect();
        for (QWidget* p = w; p != &form && p->parentWidget(); p = p->parentWidget()) {
            seen.translate(p->pos());
            seen &= p->parentWidget()->rect();
        }
        if (seen.isEmpty()) w->setFocusPolicy(Qt::NoFocus);
    }
}

void PlaceLabelBefore(QLabel* label, const QWidget* control, int gapTwips) {
    label->adjustSize();
    QPoint at = control->pos();
    QWidget* labelParent = label->parentWidget();
    if (control->parentWidget() != labelParent && labelParent && control->parentWidget()) {
        const QWidget* top = control->window();
        at = labelParent->mapFrom(top, control->parentWidget()->mapTo(top, control->pos()));
    }
    label->move(at.x() - label->width() - PixelsFromTwips(gapTwips), label->y());
}

void PlaceLabels(QWidget& form) {
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const QVariant control = label->property(kLabelFor);
        if (!control.isValid()) continue;
        const std::string name = Utf8(control.toString());
        PlaceLabelBefore(label, Ctl<QWidget>(&form, name, label->property(kLabelForIndex).toInt()),
                         label->property(kLabelGap).toInt());
    }
}

}  // namespace platform
