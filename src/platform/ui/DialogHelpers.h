#pragma once
// The small operations every dialog uses on its own controls: the captions of
// its OK, Cancel, Close and Help buttons (found by name, see Controls.h) and
// the helpers that map stored numbers to and from the items of a list box.
// Texts are UTF-8 and compare exactly (case and blanks count).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class QComboBox;
class QObject;

// CommandOK gets language text 101, CommandCancel 102.
void SetOKCancelCaption(const QObject* form);
// CommandClose gets CloseText, CommandHelp HelpText.
void SetCloseCaption(const QObject* form);
void SetHelpCaption(const QObject* form);
void SetCloseHelpCaption(const QObject* form);

// The first item equal to `text`, else the first item; "" for an empty list.
std::string FindComboText(const QComboBox& combo, std::string_view text);
// Selects the item FindComboText gives; clears the selection when that is "".
void SetComboText(QComboBox& combo, std::string_view text);
// Item `index` when it exists, else item 0; "" for an empty list.
std::string GetComboItem(const QComboBox& combo, int index);
// Item `index` when it exists, else item `defaultIndex` ("" when neither does).
std::string GetComboListText(int index, const QComboBox& combo, int defaultIndex);
// Selects item `index` when it exists, else item 0; nothing for an empty
// list. A list whose stored value is an index is shown this way, so equal
// item texts cannot move the selection.
void SelectComboItem(QComboBox& combo, int index);
// Adds `text` unless an equal item exists.
void AddComboItem(QComboBox& combo, std::string_view text);
// `def` for an empty list or an empty text; else the index of the first equal
// item; 0 when none is equal.
int GetComboIndex(const QComboBox& combo, std::string_view text, int def);

// The selected item read as a 16-bit number; nullopt with no selection, a
// text that is not a number, or a number beyond 16 bits.
std::optional<int16_t> SelectedComboNumber(const QComboBox& combo);
// value := the selected item as a number + offset. Left as it was with no
// selection, or when the item or the sum does not fit.
template <class T>
void GetComboValue(const QComboBox& combo, T& value, int16_t offset) {
    const auto number = SelectedComboNumber(combo);
    if (!number) return;
    const long long sum = static_cast<long long>(*number) + offset;
    if (std::in_range<T>(sum)) value = static_cast<T>(sum);
}
