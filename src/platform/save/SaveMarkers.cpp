#include "platform/save/SaveMarkers.h"

#include <cerrno>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "platform/save/FolderLocks.h"
#include "platform/save/SaveTraces.h"

namespace platform::traces {

namespace {

namespace fsys = std::filesystem;

constexpr std::string_view kHead = "KQMARK 1\n";
// A marker holds two short names; anything longer is no marker.
constexpr std::size_t kMarkerLimit = 4096;

// The marker's bytes, read through `fd`.
std::optional<std::vector<uint8_t>> ReadMarker(int fd) {
    std::vector<uint8_t> bytes(kMarkerLimit + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = Files().Read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// The journal the marker open in `fd` names, as it is named now, when it is
// `target`'s marker (any file's, without one); nothing when it names none
// that stands.
std::optional<std::string> StandingJournal(int fd, const std::string& marker, const std::string* target) {
    const auto bytes = ReadMarker(fd);
    if (!bytes) return std::nullopt;
    const auto record = DecodeMarker(*bytes, marker);
    if (!record || (target && record->target != *target)) return std::nullopt;
    return JournalNow(record->journal);
}

FileProblem LeftByAnotherUser(const std::string& marker) {
    return {FileProblem::Kind::Failed, marker,
            "Another user's save of this file was cut short; only that user's program can clear it"};
}

}  // namespace

std::vector<uint8_t> EncodeMarker(const std::string& journal, const std::string& target) {
    const std::string folder = FolderOf(target);
    std::string text(kHead);
    AppendField(text, fsys::path(journal).lexically_relative(folder).string());
    AppendField(text, NameOf(target));
    text += "\n";
    return {text.begin(), text.end()};
}

std::optional<MarkerRecord> DecodeMarker(std::span<const uint8_t> bytes, const std::string& marker) {
    std::string_view t(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!t.starts_with(kHead)) return std::nullopt;
    t.remove_prefix(kHead.size());
    const auto journal = TakeField(t);
    const auto name = journal ? TakeField(t) : std::nullopt;
    if (!name || t != "\n") return std::nullopt;
    const fsys::path folder = FolderOf(marker);
    MarkerRecord record{(folder / std::string(*journal)).lexically_normal().string(),
                        (folder / std::string(*name)).lexically_normal().string()};
    if (KindOf(NameOf(record.journal)) != Kind::Journal || FolderOf(record.target) != folder ||
        MarkerOf(record.target) != marker)
        return std::nullopt;
    return record;
}

std::optional<std::string> JournalNow(const std::string& journal) {
    for (Kind kind : {Kind::Journal, Kind::Committed}) {
        const std::string name = Renamed(journal, kind);
        if (Exists(name)) return name;
    }
    return std::nullopt;
}

MarkerLook LookAtMarker(const std::string& target) {
    const std::string marker = MarkerOf(target);
    FileSystem& fs = Files();
    const int fd = fs.Open(marker, O_RDONLY | O_NONBLOCK | O_NOCTTY, 0);
    if (fd < 0) {
        const int error = errno;
        // Only a marker that is there and cannot be opened (another user's,
        // made private) hides a save; a folder that cannot be searched hides
        // the set's own files too, whose reads then say why.
        struct stat st {};
        if (error == ENOENT || fs.PathStatus(marker, st) != 0) return {};
        return {MarkerLook::State::Unreadable, "", ProblemOf(marker, error)};
    }
    MarkerLook look;
    if (fs.TryLockShared(fd) != 0 && !IsNoLockError(errno)) {
        look.state = MarkerLook::State::Running;
    } else if (const auto journal = StandingJournal(fd, marker, &target)) {
        look = {MarkerLook::State::Left, *journal, std::nullopt};
    }
    fs.Close(fd);
    return look;
}

std::optional<FileProblem> PlaceMarker(const std::string& target, const std::string& journal, int& fd,
                                       std::chrono::steady_clock::time_point deadline, const std::string& forPath) {
    FileSystem& fs = Files();
    const std::string marker = MarkerOf(target);
    const std::vector<uint8_t> bytes = EncodeMarker(journal, target);
    for (;;) {
        fd = fs.Open(marker, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY, 0644);
        if (fd >= 0) {
            struct stat st {};
            const int locked = fs.TryLock(fd) == 0 ? 0 : errno;
            // Whoever found it before it was locked may have taken it for a
            // dead save's and removed it: then another is placed.
            if ((locked == 0 && fs.Status(fd, st) == 0 && st.st_nlink > 0) || IsNoLockError(locked)) {
                const int error = WriteAll(fd, bytes);
                if (error == 0 && fs.Sync(fd) == 0) return std::nullopt;
                const FileProblem problem = ProblemOf(forPath, error ? error : errno);
                fs.Unlink(marker);
                CloseLock(fd);
                return problem;
            }
            CloseLock(fd);
            continue;
        }
        if (errno != EEXIST) return ProblemOf(forPath, errno);
        int error = 0;
        int found = LockIfAbandoned(marker, error, NoLocks::Take);
        if (found < 0 && error == ENOENT) continue;
        if (found < 0 && error != EWOULDBLOCK) return ProblemOf(marker, error);
        if (found >= 0) {
            // Left by a save that is gone: one that got as far as its journal
            // is that journal's recovery's to clear.
            const bool stands = StandingJournal(found, marker, &target).has_value();
            const bool own = IsOwnFile(found);
            if (!stands && own && fs.Unlink(marker) != 0 && errno != ENOENT) error = errno;
            CloseLock(found);
            if (!stands && !own) return LeftByAnotherUser(marker);
            if (!stands && error) return ProblemOf(marker, error);
            if (!stands) continue;
        }
        if (std::chrono::steady_clock::now() >= deadline) return SavingElsewhere(forPath);
        fs.Pause();
    }
}

std::optional<FileProblem> RemoveMarker(const std::string& target, const std::string& journal) {
    const std::string marker = MarkerOf(target);
    int error = 0;
    int fd = LockIfAbandoned(marker, error, NoLocks::Take);
    if (fd < 0) return std::nullopt;  // none, or another save's
    std::optional<FileProblem> problem;
    const auto bytes = ReadMarker(fd);
    const auto record = bytes ? DecodeMarker(*bytes, marker) : std::nullopt;
    if (record && record->target == target && record->journal == Renamed(journal, Kind::Journal) &&
        Files().Unlink(marker) != 0 && errno != ENOENT)
        problem = ProblemOf(marker, errno);
    CloseLock(fd);
    return problem;
}

void RemoveIfStale(const std::string& marker) {
    int error = 0;
    int fd = LockIfAbandoned(marker, error);
    if (fd < 0) return;
    if (IsOwnFile(fd) && !StandingJournal(fd, marker, nullptr)) Files().Unlink(marker);
    CloseLock(fd);
}

}  // namespace platform::traces
