#pragma once
// The per-user settings store: named text values under an application name
// and a section, kept between runs. The program keeps its window position
// there. Tests install a store of their own so that no run touches the
// user's real settings.
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

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

// The platform's own per-user store: QSettings' INI file
// "<folder>/<app>/<app>.conf", where Qt's native store keeps it on this
// system. A store file (or its lock) that is there but is not a regular file
// is left alone: reads give the fallback and writes are dropped, since Qt's
// blocking open would hold the program on a FIFO for ever.
class SystemUserSettings : public UserSettingsStore {
public:
    // `folder` empty: the user's configuration folder (~/.config).
    explicit SystemUserSettings(std::string folder = {}) : folder_(std::move(folder)) {}
    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

private:
    std::string StoreFile(std::string_view app) const;

    std::string folder_;
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
