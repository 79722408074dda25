#pragma once
// The per-user settings store: named text values under an application name
// and a section, kept between runs. The program keeps its window position
// there. Tests install a store of their own so that no run touches the
// user's real settings.
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/Seam.h"

namespace platform {

class UserSettingsStore {
public:
    virtual ~UserSettingsStore() = default;
    // The stored value, or `fallback` when there is none.
    virtual std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;
    virtual void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// The platform's own per-user store (QSettings, native format).
class SystemUserSettings : public UserSettingsStore {
public:
    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;
};

// A store that lives only as long as the object.
class MemoryUserSettings : public UserSettingsStore {
public:
    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool Has(std::string_view app, std::string_view section, std::string_view key) const;

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    std::map<Key, std::string> values_;
};

// Installs the store every setting goes to; returns the previous one. Without
// one, the system store is used.
UserSettingsStore* SetUserSettings(UserSettingsStore* store);
UserSettingsStore& UserSettings();
using ScopedUserSettings = Scoped<&SetUserSettings>;

}  // namespace platform
