#include "core/LangText.h"

#include <filesystem>
#include <map>
#include <optional>
#include <tuple>

#include "core/SharedState.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"

namespace {

// Every window localises itself through dozens of lookups, each of which would
// otherwise read and scan the whole file. Values are remembered per file and
// forgotten as soon as the file's time stamp or size changes, so an edited
// file is seen at the next lookup just as without the cache.
struct FileStamp {
    bool exists = false;
    std::filesystem::file_time_type time{};
    std::uintmax_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path) {
    std::error_code ec;
    FileStamp stamp;
    const auto time = std::filesystem::last_write_time(path, ec);
    if (ec) return stamp;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return stamp;
    return {true, time, size};
}

struct CachedFile {
    FileStamp stamp;
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> values;
};

std::map<std::string, CachedFile>& Cache() {
    static std::map<std::string, CachedFile> cache;
    return cache;
}

std::optional<std::string> ReadCached(const std::string& path, std::string_view section,
                                      std::string_view key) {
    CachedFile& file = Cache()[path];
    const FileStamp stamp = StampOf(path);
    if (!(stamp == file.stamp)) {
        file.values.clear();
        file.stamp = stamp;
    }
    if (!stamp.exists) return std::nullopt;
    auto [it, fresh] = file.values.try_emplace({std::string(section), std::string(key)});
    if (fresh) it->second = platform::ReadProfileValue(section, key, path);
    return it->second;
}

std::string ReadText(const std::string& relative, std::string_view section, std::string_view key) {
    return ReadCached(platform::BesideProgram(relative), section, key).value_or("");
}

}  // namespace

void ResetLangTextCache() { Cache().clear(); }

std::string LangFileOf(int16_t langIndex) {
    return langIndex == 2 ? "language/Tchinese.ini" : "language/english.ini";
}

std::string GetLangText(int16_t id) {
    const std::string key = std::to_string(id);
    std::string text = ReadText(LangFilePath, "OTHER", key);
    if (!text.empty()) return text;
    return ReadText(LangFileOf(1), "OTHER", key);
}

std::string ReadLangFileText(std::string_view section, std::string_view key) {
    return ReadText(LangFilePath, section, key);
}

std::string GetMsgText(std::string_view key) { return ReadLangFileText("MSG", key); }

std::string GetOptionText(int32_t key) {
    return ReadLangFileText("OPTION", std::to_string(key));
}
