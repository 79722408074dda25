#include "platform/ui/Controls.h"

#include <algorithm>
#include <unordered_map>

#include <QAbstractButton>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QVariant>

#include "platform/TextConvert.h"

namespace platform {
namespace {
constexpr const char* kName = "kqName";
constexpr const char* kIndex = "kqIndex";
constexpr const char* kLangTag = "langTag";
constexpr const char* kSavedMenuPolicy = "kqSavedMenuPolicy";
constexpr const char* kIndexName = "kqControlIndex";

// The controls of one form by name and index; a child of the form.
class ControlIndexObject : public QObject {
public:
    explicit ControlIndexObject(QObject* form) : QObject(form) { setObjectName(kIndexName); }

    static std::string Key(std::string_view name, int index) {
        return std::string(name) + '#' + std::to_string(index);
    }
    void Add(QObject* control) {
        map_[Key(ControlName(control), ControlIndex(control))] = {control, control->objectName()};
    }
    QObject* Find(std::string_view name, int index) const {
        const auto it = map_.find(Key(name, index));
        if (it == map_.end() || !it->second.control) return nullptr;
        // Named again since it was indexed (SetControlName sets the object
        // name too): the search decides.
        if (it->second.control->objectName() != it->second.objectName) return nullptr;
        return it->second.control;
    }

private:
    struct Entry {
        QPointer<QObject> control;
        QString objectName;
    };
    std::unordered_map<std::string, Entry> map_;
};

ControlIndexObject* IndexOf(const QObject* form) {
    // The class has no meta-object of its own; its object name marks it.
    return static_cast<ControlIndexObject*>(form->findChild<QObject*>(kIndexName, Qt::FindDirectChildrenOnly));
}
}  // namespace

void SetControlName(QObject* object, std::string_view name, int index) {
    const QString qname = QText(name);
    object->setProperty(kName, qname);
    object->setProperty(kIndex, index);
    object->setObjectName(index < 0 ? qname : qname + "_" + QString::number(index));
}

std::string ControlName(const QObject* object) {
    return Utf8(object->property(kName).toString());
}

int ControlIndex(const QObject* object) {
    const QVariant v = object->property(kIndex);
    return v.isValid() ? v.toInt() : -1;
}

QObject* FindControl(const QObject* form, std::string_view name, int index) {
    if (const ControlIndexObject* indexed = IndexOf(form))
        if (QObject* control = indexed->Find(name, index)) return control;
    const QString qname = QText(name);
    for (QObject* o : form->findChildren<QObject*>()) {
        if (o->property(kName).toString() == qname && ControlIndex(o) == index) return o;
    }
    return nullptr;
}

QList<QObject*> ControlArray(const QObject* form, std::string_view name) {
    const QString qname = QText(name);
    QList<QObject*> members;
    for (QObject* o : form->findChildren<QObject*>())
        if (o->property(kName).toString() == qname) members.append(o);
    std::stable_sort(members.begin(), members.end(), [](const QObject* a, const QObject* b) {
        return ControlIndex(a) < ControlIndex(b);
    });
    return members;
}

void IndexControl(QObject* form, QObject* control) {
    ControlIndexObject* indexed = IndexOf(form);
    if (!indexed) indexed = new ControlIndexObject(form);
    indexed->Add(control);
}

std::string MissingControlText(const QObject* form, std::string_view name, int index, const QObject* found,
                               const char* wanted) {
    std::string control(name);
    if (index >= 0) control += "(" + std::to_string(index) + ")";
    std::string formName = ControlName(form);
    if (formName.empty()) formName = Utf8(form->objectName());
    if (formName.empty()) formName = form->metaObject()->className();
    if (!found) return "no control " + control + " on " + formName;
    return control + " on " + formName + " is a " + found->metaObject()->className() + ", not a " + wanted;
}

bool FocusNextControl(QWidget* from) {
    QWidget* window = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() != window || w->focusProxy() || !w->isEnabled()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isVisibleTo(window)) continue;
        w->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

QString LangTag(const QObject* object) { return object->property(kLangTag).toString(); }
void SetLangTag(QObject* object, const QString& tag) { object->setProperty(kLangTag, tag); }
void SetLangTag(QObject* object, int id) { SetLangTag(object, QString::number(id)); }

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Unchecked: return 0;
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void SetCheckValue(QCheckBox* box, int value) {
    // Only the program greys a box. The user's click takes a greyed box to
    // checked, and from then on between checked and clear.
    static constexpr char kGreyedByProgram[] = "kqGreyedByProgram";
    if (value == 2 && !box->property(kGreyedByProgram).toBool()) {
        box->setProperty(kGreyedByProgram, true);
        QObject::connect(box, &QAbstractButton::clicked, box, [box] { box->setTristate(false); });
    }
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

QPushButton* NewCommandButton(QWidget* parent, std::string_view name, int index) {
    auto* button = Named(new QPushButton(parent), name, index);
    button->setAutoDefault(false);
    return button;
}

void SetButtonCaption(const QObject* form, std::string_view name, const std::string& caption) {
    if (auto* button = Control<QAbstractButton>(form, name))
        button->setText(QText(caption));
}

}  // namespace platform

void RidTextMenu(QWidget* box) {
    if (box->property(platform::kSavedMenuPolicy).isValid()) return;
    box->setProperty(platform::kSavedMenuPolicy, int(box->contextMenuPolicy()));
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

void UnRidTextMenu(QWidget* box) {
    const QVariant saved = box->property(platform::kSavedMenuPolicy);
    if (!saved.isValid()) return;
    box->setContextMenuPolicy(Qt::ContextMenuPolicy(saved.toInt()));
    box->setProperty(platform::kSavedMenuPolicy, QVariant());
}
