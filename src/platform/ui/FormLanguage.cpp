#include "platform/ui/FormLanguage.h"

#include <optional>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QVariant>

#include "core/TextNumbers.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Lang.h"

namespace {

using platform::Lang;

constexpr const char* kTipTag = "langTipTag";

// The whole text as a number (a Tag "12abc" is not one).
std::optional<int64_t> NumberOf(const QString& text) { return WholeNumberOf(platform::Utf8(text)); }

// The digits at the start of a text ("12abc" gives 12, "abc" 0).
int64_t LeadingNumber(const QString& text) {
    const QString t = text.trimmed();
    int64_t n = 0;
    for (QChar c : t) {
        if (c < '0' || c > '9' || n > INT32_MAX) break;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

// The tool tip's id: kept from an earlier run, or the number the tip holds.
std::optional<int64_t> TipId(QObject* o, const QString& tip, bool wholeNumber) {
    const QVariant kept = o->property(kTipTag);
    if (kept.isValid()) return kept.toLongLong();
    std::optional<int64_t> id = wholeNumber ? NumberOf(tip) : std::optional(LeadingNumber(tip));
    if (!id || *id <= 0) return std::nullopt;
    o->setProperty(kTipTag, qlonglong(*id));
    return id;
}

// Widgets that are parts of a composite control rather than controls.
bool IsInnerPart(const QWidget* w, const QWidget* form) {
    if (w->objectName().startsWith(QLatin1String("qt_"))) return true;
    for (const QWidget* p = w->parentWidget(); p && p != form; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QToolBar*>(p) ||
            qobject_cast<const QAbstractSpinBox*>(p))
            return true;
    }
    return false;
}

void LocaliseMenuItem(QAction* action) {
    if (action->isSeparator()) return;
    if (const auto id = NumberOf(platform::LangTag(action))) {
        action->setText(Lang(*id));
    } else if (const auto fromCaption = NumberOf(action->text())) {
        platform::SetLangTag(action, action->text().trimmed());
        action->setText(Lang(*fromCaption));
    }
}

void LocaliseToolbarButton(QAction* action) {
    if (const auto id = TipId(action, action->toolTip(), true)) action->setToolTip(Lang(*id));
}

void LocaliseTabs(QTabBar* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (const auto id = NumberOf(tabs->tabData(i).toString())) tabs->setTabText(i, Lang(*id));
        if (const auto tip = NumberOf(tabs->tabToolTip(i))) tabs->setTabToolTip(i, Lang(*tip));
    }
}

void LocaliseOther(QWidget* w) {
    if (const int64_t id = LeadingNumber(platform::LangTag(w)); id > 0) {
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(Lang(id));
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            group->setTitle(Lang(id));
    }
    if (const auto tip = TipId(w, w->toolTip(), false)) w->setToolTip(Lang(*tip));
}

}  // namespace

QFont LanguageFont(QFont base) {
    const QString family = Lang(20);
    if (!family.isEmpty()) base.setFamily(family);
    if (const auto size = NumberOf(Lang(21)); size && *size > 0 && *size < 100) base.setPointSize(int(*size));
    return base;
}

void LoadFormLanguage(QWidget* form) {
    if (const auto id = NumberOf(platform::LangTag(form))) form->setWindowTitle(Lang(*id));

    const QFont font = LanguageFont(form->font());
    if (form->font() != font) form->setFont(font);

    for (QObject* o : form->findChildren<QObject*>()) {
        if (auto* action = qobject_cast<QAction*>(o)) {
            if (qobject_cast<QToolBar*>(action->parent()))
                LocaliseToolbarButton(action);
            else
                LocaliseMenuItem(action);
            continue;
        }
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || IsInnerPart(w, form)) continue;
        // A control that shows the font already (most inherit it from the
        // form) is left alone: told again, it would lay itself out anew.
        if (w->font() != font) w->setFont(font);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (const auto id = NumberOf(platform::LangTag(label))) label->setText(Lang(*id));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            LocaliseTabs(tabs);
        } else if (qobject_cast<QMenu*>(w) || qobject_cast<QToolBar*>(w)) {
            // their items are the actions above
        } else {
            LocaliseOther(w);
        }
    }
}
