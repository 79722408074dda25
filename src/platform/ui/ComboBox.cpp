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

void ComboBox::AddItems(std::span<const std::string> texts) { SetLists(count(), texts); }

void ComboBox::SetLists(int first, std::span<const std::string> texts) {
    if (first < 0 || first > count()) return;
    std::size_t k = 0;
    for (; k < texts.size() && first + static_cast<int>(k) < count(); ++k)
        setItemText(first + static_cast<int>(k), QText(texts[k]));
    QStringList added;
    added.reserve(static_cast<qsizetype>(texts.size() - k));
    for (; k < texts.size(); ++k) added.push_back(QText(texts[k]));
    if (!added.isEmpty()) insertItems(count(), added);
}

void ComboBox::Clear() {
    QSignalBlocker quiet(this);
    QComboBox::clear();
}

}  // namespace platform
