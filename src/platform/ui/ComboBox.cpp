#include "platform/ui/ComboBox.h"

#include <QSignalBlocker>

#include "platform/ui/Controls.h"

namespace platform {

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    // With a placeholder the list does not select its first item on its own;
    // the placeholder is blank, so an unselected list looks empty.
    setPlaceholderText(QStringLiteral(" "));
}

ComboBox::ComboBox(QWidget* parent, std::string_view name, int index) : ComboBox(parent) {
    SetControlName(this, name, index);
}

std::string ComboBox::List(int i) const {
    if (i < 0 || i >= count()) return {};
    return itemText(i).toStdString();
}

std::string ComboBox::Text() const {
    if (isEditable()) return currentText().toStdString();
    return currentIndex() < 0 ? std::string() : itemText(currentIndex()).toStdString();
}

void ComboBox::AddItem(std::string_view text) { addItem(Q(text)); }

void ComboBox::SetList(int i, std::string_view text) {
    if (i >= 0 && i < count())
        setItemText(i, Q(text));
    else if (i == count())
        addItem(Q(text));
}

void ComboBox::Clear() {
    QSignalBlocker quiet(this);
    QComboBox::clear();
}

}  // namespace platform
