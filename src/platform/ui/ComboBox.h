#pragma once
// A list box with the behaviour the dialogs' rules were written for:
// - adding the first item selects nothing (ListIndex stays -1);
// - Clear() empties the list and the selection without a change signal;
// - SetList(i, text) replaces item i, or appends it when i == ListCount().
// Rules connect to currentIndexChanged (it fires for changes the program
// makes too); setting the index the list already has emits nothing.
// Texts are UTF-8.
#include <span>
#include <string>
#include <string_view>

#include <QComboBox>

namespace platform {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    ComboBox(QWidget* parent, std::string_view name, int index = -1);

    int ListCount() const { return count(); }
    // Item i, "" outside the list.
    std::string List(int i) const;
    int ListIndex() const { return currentIndex(); }
    void SetListIndex(int i) { setCurrentIndex(i); }
    // The selected item's text ("" with none); for an editable list the edit text.
    std::string Text() const;

    void AddItem(std::string_view text);
    void SetList(int i, std::string_view text);
    // AddItem, and SetList from item `first` on (nothing when `first` is
    // beyond the end), for many texts at once: the list changes in one step
    // rather than once per item.
    void AddItems(std::span<const std::string> texts);
    void SetLists(int first, std::span<const std::string> texts);
    void RemoveItem(int i) { removeItem(i); }
    void Clear();
    // Hides QComboBox::clear() so that code holding a ComboBox gets Clear().
    void clear() { Clear(); }
};

}  // namespace platform
