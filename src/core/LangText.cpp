#include "core/LangText.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>

#include <sys/stat.h>

#include "core/SharedState.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"

namespace {

// Every window localises itself through dozens of lookups, each of which would
// otherwise read and scan the whole file. A file is read once for all its
// values, which are forgotten as soon as the file changes, so an edited file
// is seen at the next lookup just as without the cache. A file is known by
// its device and inode, size and nanosecond change times; one changed within
// the last two seconds is read afresh each time, since an edit in the same
// tick of a coarse file-system clock leaves its time as it was.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modified = 0;  // ns
    int64_t changed = 0;   // ns
    bool operator==(const FileStamp&) const = default;
};

template <class Time>
int64_t Nanoseconds(const Time& t) {
    return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim)};
}

bool ChangedJustNow(const FileStamp& stamp) {
    constexpr int64_t kTwoSeconds = 2'000'000'000;
    const int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch()).count();
    return now - std::max(stamp.modified, stamp.changed) < kTwoSeconds;
}

struct CachedFile {
    FileStamp stamp;
    bool read = false;
    std::optional<platform::ProfileValues> values;  // none: the file cannot be read
};

std::map<std::string, CachedFile>& Cache() {
    static std::map<std::string, CachedFile> cache;
    return cache;
}

std::optional<std::string> ReadCached(const std::string& path, std::string_view section,
                                      std::string_view key) {
    CachedFile& file = Cache()[path];
    const FileStamp stamp = StampOf(path);
    if (!(stamp == file.stamp) || ChangedJustNow(stamp)) {
        file.read = false;
        file.stamp = stamp;
    }
    if (!stamp.exists) return std::nullopt;
    if (!file.read) {
        file.values = platform::ProfileValues::Read(path);
        file.read = true;
    }
    return file.values ? file.values->Find(section, key) : std::nullopt;
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
