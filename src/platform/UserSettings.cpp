#include "platform/UserSettings.h"

#include <utility>

#include <QSettings>
#include <QString>

#include "platform/TextConvert.h"

namespace platform {
namespace {

UserSettingsStore* g_store = nullptr;

QString SettingKey(std::string_view section, std::string_view key) { return QText(section) + "/" + QText(key); }

}  // namespace

std::string SystemUserSettings::GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                           std::string_view fallback) {
    QSettings settings(QText(app), QText(app));
    const QVariant v = settings.value(SettingKey(section, key));
    if (!v.isValid()) return std::string(fallback);
    return Utf8(v.toString());
}

void SystemUserSettings::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view value) {
    QSettings settings(QText(app), QText(app));
    settings.setValue(SettingKey(section, key), QText(value));
}

std::string MemoryUserSettings::GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                           std::string_view fallback) {
    const auto it = values_.find(Key(app, section, key));
    return it == values_.end() ? std::string(fallback) : it->second;
}

void MemoryUserSettings::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view value) {
    values_[Key(app, section, key)] = std::string(value);
}

bool MemoryUserSettings::Has(std::string_view app, std::string_view section, std::string_view key) const {
    return values_.contains(Key(app, section, key));
}

UserSettingsStore* SetUserSettings(UserSettingsStore* store) { return std::exchange(g_store, store); }

UserSettingsStore& UserSettings() {
    static SystemUserSettings system;
    return g_store ? *g_store : system;
}

}  // namespace platform
