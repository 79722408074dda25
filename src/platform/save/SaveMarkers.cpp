#include "platform/save/SaveMarkers.h"

#include <cctype>
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
// Rounds a placing may take without waiting (a marker removed or replaced
// between two looks) once its patience is over.
constexpr int kQuickRounds = 100;

// The journal the marker open in `fd` leads to, read, when it counts for the
// file `target` (for the file the marker names, without one): a journal that
// names the file, or one of the marker's own folder that cannot be read.
std::optional<JournalFile> CountingJournal(int fd, const std::string& marker, const std::string* target) {
    const auto bytes = ReadOpen(fd, kMarkerLimit);
    const auto record = bytes ? DecodeMarker(*bytes, marker) : std::nullopt;
    if (!record || (target && record->target != *target)) return std::nullopt;
    const auto now = JournalNow(record->journal);
    auto journal = now ? ReadJournalFile(*now) : std::nullopt;
    if (!journal) return std::nullopt;
    const bool counts = journal->entries ? journal->Names(record->target) : FolderOf(*now) == FolderOf(marker);
    if (!counts) return std::nullopt;
    return journal;
}

std::string Capitalized(std::string text) {
    if (!text.empty()) text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    return text;
}

FileProblem InTheWay(const std::string& marker, const std::string& odd, const std::string& name) {
    return {FileProblem::Kind::Failed, marker,
            Capitalized(odd) + " stands where the save marker of " + name + " goes; remove it, then save again"};
}

FileProblem LeftByAnotherUser(const std::string& marker, const std::string& name) {
    return {FileProblem::Kind::Failed, marker,
            "Another user's program left this save marker of " + name +
                " behind; only that user or the folder's owner can remove it"};
}

FileProblem CutShortByAnotherUser(const std::string& marker, const std::string& name, const JournalFile& journal) {
    return {FileProblem::Kind::Failed, marker,
            "Another user's save of " + name + " was cut short (" + NameOf(journal.path) +
                " keeps its record); only that user's program can finish it"};
}

FileProblem CutShort(const std::string& marker, const std::string& name, const JournalFile& journal) {
    return {FileProblem::Kind::Failed, marker,
            "A save of " + name + " that was cut short stands in the way (" + NameOf(journal.path) +
                " keeps its record); open the file to finish it, then save again"};
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
    // Both are named from the marker's folder: the journal by a relative
    // path, the file by its bare name.
    if (journal->starts_with('/') || name->find('/') != std::string_view::npos) return std::nullopt;
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
    // Nothing there, a folder that cannot be searched (which hides the set's
    // own files too, whose reads then say why), or anything but a file: no
    // save of this program's stands.
    struct stat st {};
    if (Files().LinkStatus(marker, st) != 0 || !S_ISREG(st.st_mode)) return {};
    TraceFile found = OpenTrace(marker);
    if (found.fd < 0) {
        if (found.error == ENOENT || !found.odd.empty()) return {};
        // There and private: it may hide a save.
        return {MarkerLook::State::Unreadable, std::nullopt, ProblemOf(marker, found.error)};
    }
    MarkerLook look;
    if (Files().TryLockShared(found.fd) != 0 && !IsNoLockError(errno)) {
        look.state = MarkerLook::State::Running;
    } else if (auto journal = CountingJournal(found.fd, marker, &target)) {
        look = {MarkerLook::State::Left, std::move(journal), std::nullopt};
    }
    found.Close();
    return look;
}

namespace {

// Creates the marker at its name, exclusively, where the file system has no
// hard links: 0 when placed (open and locked in `fd`), else the system's
// error (EEXIST while something stands there). Its permissions are set
// before a byte goes in: an empty marker says nothing.
int CreateMarker(const std::string& marker, std::span<const uint8_t> bytes, mode_t mode, int& fd) {
    FileSystem& fs = Files();
    fd = fs.Open(marker, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_NOFOLLOW, mode);
    if (fd < 0) return errno;
    struct stat st {};
    const int locked = fs.TryLock(fd) == 0 ? 0 : errno;
    // Whoever found it before it was locked may have taken it for a dead
    // save's and removed it: then another is placed.
    if (!((locked == 0 && fs.Status(fd, st) == 0 && st.st_nlink > 0) || IsNoLockError(locked))) {
        CloseLock(fd);
        return ENOENT;
    }
    fs.ChangeMode(fd, mode);
    int error = WriteAll(fd, bytes);
    if (error == 0 && fs.Sync(fd) != 0) error = errno;
    if (error == 0) return 0;
    fs.Unlink(marker);
    CloseLock(fd);
    return error == EEXIST || error == ENOENT ? EIO : error;
}

}  // namespace

std::optional<FileProblem> PlaceMarker(const std::string& target, const std::string& journal, mode_t mode, int& fd,
                                       std::chrono::steady_clock::time_point deadline, const std::string& forPath) {
    FileSystem& fs = Files();
    const std::string marker = MarkerOf(target);
    const std::string name = NameOf(target);
    const std::vector<uint8_t> bytes = EncodeMarker(journal, target);
    // Whoever may read the file may read its marker, whatever the umask.
    const mode_t readable = 0600 | (mode & 0044);
    // Written whole, with its permissions, and locked under a temporary
    // name, then linked to its own: a marker is never seen empty or private,
    // even when its save dies half-way through placing it.
    std::optional<FileProblem> problem;
    std::optional<std::string> temp =
        WriteLocked(FolderOf(marker), {bytes, std::nullopt, readable}, fd, forPath, problem);
    if (!temp) return problem;
    const auto done = [&](std::optional<FileProblem> result) {
        if (temp) fs.Unlink(*temp);
        if (result) CloseLock(fd);
        return result;
    };
    for (int round = 0;; ++round) {
        // Whatever keeps changing at the marker's name, the loop ends with
        // the patience.
        if (round >= kQuickRounds && std::chrono::steady_clock::now() >= deadline)
            return done(SavingElsewhere(forPath));
        int error = 0;
        if (temp) {
            error = fs.Link(*temp, marker) == 0 ? 0 : errno;
            if (IsNoHardLinkError(error)) {
                fs.Unlink(*temp);
                temp.reset();
                CloseLock(fd);
                continue;
            }
        } else {
            error = CreateMarker(marker, bytes, readable, fd);
            if (error == ENOENT) continue;
        }
        if (error == 0) return done(std::nullopt);
        if (error != EEXIST) return done(ProblemOf(forPath, error));
        TraceFile found = LockIfAbandoned(marker, NoLocks::Take);
        if (!found.odd.empty()) return done(InTheWay(marker, found.odd, name));
        if (found.fd < 0) {
            if (found.error == ENOENT) continue;
            if (found.error != EWOULDBLOCK) return done(ProblemOf(marker, found.error));
            // A save under way holds it.
            if (std::chrono::steady_clock::now() >= deadline) return done(SavingElsewhere(forPath));
            fs.Pause();
            continue;
        }
        const auto left = CountingJournal(found.fd, marker, &target);
        if (!found.Own())
            problem = left ? CutShortByAnotherUser(marker, name, *left) : LeftByAnotherUser(marker, name);
        else if (left && KindOf(NameOf(left->path)) == Kind::Journal)
            problem = CutShort(marker, name, *left);
        // Else it leads nowhere (its save died before its journal, or its
        // journal is gone), or to a committed save whose leftovers a look at
        // its folder clears: this user's, and replaced.
        else if (fs.Unlink(marker) != 0 && errno != ENOENT)
            problem = ProblemOf(marker, errno);
        found.Close();
        if (problem) return done(problem);
    }
}

void RemoveMarker(const std::string& target, const std::string& journal) {
    const std::string marker = MarkerOf(target);
    TraceFile found = LockIfAbandoned(marker, NoLocks::Take);
    if (found.Own()) {
        const auto bytes = ReadOpen(found.fd, kMarkerLimit);
        const auto record = bytes ? DecodeMarker(*bytes, marker) : std::nullopt;
        if (record && record->target == target && record->journal == Renamed(journal, Kind::Journal))
            Files().Unlink(marker);
    }
    found.Close();
}

bool RemoveIfStale(const std::string& marker) {
    // Without locks a running save's marker cannot be told from a stale one.
    TraceFile found = LockIfAbandoned(marker);
    const bool removed = found.Own() && !CountingJournal(found.fd, marker, nullptr) && Files().Unlink(marker) == 0;
    found.Close();
    return removed;
}

}  // namespace platform::traces
