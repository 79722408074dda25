#include "platform/UserSettings.h"

#include <optional>
#include <utility>

#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include "platform/FileSystem.h"
#include "platform/SafeFile.h"
#include "platform/TextConvert.h"

namespace platform {
namespace {

UserSettingsStore* g_store = nullptr;

QString SettingKey(std::string_view section, std::string_view key) { return QText(section) + "/" + QText(key); }

// Whether Qt may open `file`: it is missing (Qt creates it on a write) or a
// regular file. Qt's own open would wait on a FIFO, this one does not.
bool MissingOrRegular(const std::string& file) {
    std::optional<FileProblem> problem;
    const int fd = OpenRegularFile(file, problem);
    if (fd >= 0) Files().Close(fd);
    return fd >= 0 || problem->kind == FileProblem::Kind::Missing;
}

// A write takes the lock file beside the store, and Qt reads a lock file it
// finds there to see whether its holder is still alive.
bool WritableStore(const std::string& file) { return MissingOrRegular(file) && MissingOrRegular(file + ".lock"); }

}  // namespace

std::string SystemUserSettings::StoreFile(std::string_view app) const {
    const std::string folder =
        folder_.empty() ? Utf8(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) : folder_;
    return folder + "/" + std::string(app) + "/" + std::string(app) + ".conf";
}

std::string SystemUserSettings::GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                           std::string_view fallback) {
    const std::string file = StoreFile(app);
    if (!MissingOrRegular(file)) return std::string(fallback);
    const QSettings settings(QText(file), QSettings::IniFormat);
    const QVariant v = settings.value(SettingKey(section, key));
    if (!v.isValid()) return std::string(fallback);
    return Utf8(v.toString());
}

void SystemUserSettings::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view value) {
    const std::string file = StoreFile(app);
    if (!WritableStore(file)) return;
    QSettings settings(QText(file), QSettings::IniFormat);
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
