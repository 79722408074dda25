#include "platform/ui/DialogHelpers.h"

#include <limits>

#include <QComboBox>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextNumbers.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"

namespace {
std::string Item(const QComboBox& combo, int i) {
    if (i < 0 || i >= combo.count()) return {};
    return platform::Utf8(combo.itemText(i));
}

int FirstEqual(const QComboBox& combo, std::string_view text) {
    const QString q = platform::QText(text);
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) == q) return i;
    return -1;
}
}  // namespace

void SetOKCancelCaption(const QObject* form) {
    platform::SetButtonCaption(form, "CommandOK", GetLangText(101));
    platform::SetButtonCaption(form, "CommandCancel", GetLangText(102));
}

void SetCloseCaption(const QObject* form) { platform::SetButtonCaption(form, "CommandClose", CloseText); }
void SetHelpCaption(const QObject* form) { platform::SetButtonCaption(form, "CommandHelp", HelpText); }

void SetCloseHelpCaption(const QObject* form) {
    SetCloseCaption(form);
    SetHelpCaption(form);
}

std::string FindComboText(const QComboBox& combo, std::string_view text) {
    const int i = FirstEqual(combo, text);
    return Item(combo, i >= 0 ? i : 0);
}

void SetComboText(QComboBox& combo, std::string_view text) {
    const std::string found = FindComboText(combo, text);
    combo.setCurrentIndex(found.empty() ? -1 : FirstEqual(combo, found));
}

std::string GetComboItem(const QComboBox& combo, int index) {
    return Item(combo, index >= 0 && index < combo.count() ? index : 0);
}

std::string GetComboListText(int index, const QComboBox& combo, int defaultIndex) {
    return Item(combo, index >= 0 && index < combo.count() ? index : defaultIndex);
}

void SelectComboItem(QComboBox& combo, int index) {
    combo.setCurrentIndex(index >= 0 && index < combo.count() ? index : (combo.count() > 0 ? 0 : -1));
}

void AddComboItem(QComboBox& combo, std::string_view text) {
    if (FirstEqual(combo, text) < 0) combo.addItem(platform::QText(text));
}

int GetComboIndex(const QComboBox& combo, std::string_view text, int def) {
    if (combo.count() == 0 || text.empty()) return def;
    return std::max(FirstEqual(combo, text), 0);
}

std::optional<int16_t> SelectedComboNumber(const QComboBox& combo) {
    if (combo.currentIndex() < 0) return std::nullopt;
    const auto n = WholeNumberOf(platform::Utf8(combo.itemText(combo.currentIndex())));
    if (!n || *n < std::numeric_limits<int16_t>::min() || *n > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(*n);
}
