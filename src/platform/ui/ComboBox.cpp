#include "platform/ui/ComboBox.h"

#include <QSignalBlocker>

#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"

namespace platform {

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
    return Utf8(itemText(i));
}

std::string ComboBox::Text() const {
    if (isEditable()) return Utf8(currentText());
    return currentIndex() < 0 ? std::string() : Utf8(itemText(currentIndex()));
}

void ComboBox::AddItem(std::string_view text) { addItem(QText(text)); }

void ComboBox::SetList(int i, std::string_view text) {
    if (i >= 0 && i < count())
        setItemText(i, QText(text));
    else if (i == count())
        addItem(QText(text));
}

void ComboBox::Clear() {
    QSignalBlocker quiet(this);
    QComboBox::clear();
}

}  // namespace platform
