#include "platform/ui/Controls.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QVariant>

namespace platform {
namespace {
constexpr const char* kName = "kqName";
constexpr const char* kIndex = "kqIndex";
constexpr const char* kLangTag = "langTag";
constexpr const char* kSavedMenuPolicy = "kqSavedMenuPolicy";
}  // namespace

void SetControlName(QObject* object, std::string_view name, int index) {
    const QString qname = QString::fromUtf8(name.data(), qsizetype(name.size()));
    object->setProperty(kName, qname);
    object->setProperty(kIndex, index);
    object->setObjectName(index < 0 ? qname : qname + "_" + QString::number(index));
}

std::string ControlName(const QObject* object) {
    return object->property(kName).toString().toStdString();
}

int ControlIndex(const QObject* object) {
    const QVariant v = object->property(kIndex);
    return v.isValid() ? v.toInt() : -1;
}

QObject* FindControl(const QObject* form, std::string_view name, int index) {
    const QString qname = QString::fromUtf8(name.data(), qsizetype(name.size()));
    for (QObject* o : form->findChildren<QObject*>()) {
        if (o->property(kName).toString() == qname && ControlIndex(o) == index) return o;
    }
    return nullptr;
}

QList<QObject*> ControlArray(const QObject* form, std::string_view name) {
    const QString qname = QString::fromUtf8(name.data(), qsizetype(name.size()));
    QList<QObject*> members;
    for (QObject* o : form->findChildren<QObject*>())
        if (o->property(kName).toString() == qname) members.append(o);
    std::stable_sort(members.begin(), members.end(), [](const QObject* a, const QObject* b) {
        return ControlIndex(a) < ControlIndex(b);
    });
    return members;
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
    if (value == 2) box->setTristate(true);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

QPushButton* NewCommandButton(QWidget* parent, std::string_view name, int index) {
    auto* button = Named(new QPushButton(parent), name, index);
    button->setAutoDefault(false);
    return button;
}

void SetButtonCaption(const QObject* form, std::string_view name, const std::string& caption) {
    if (auto* button = Control<QAbstractButton>(form, name))
        button->setText(QString::fromStdString(caption));
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
