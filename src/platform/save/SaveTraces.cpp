#include "platform/save/SaveTraces.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace platform::traces {

namespace {

namespace fsys = std::filesystem;

constexpr std::string_view kPrefix = ".kq-";
// The process id in a name only keeps the names of two processes apart;
// whether a trace is still in use is its lock's to say.
constexpr std::array<std::pair<Kind, std::string_view>, 4> kSuffixes{{
    {Kind::Temp, "tmp"},
    {Kind::Backup, "bak"},
    {Kind::Journal, "jnl"},
    {Kind::Committed, "jok"},
}};
// A marker: ".kq-m" and 16 hexadecimal digits of its file's name's hash.
constexpr std::string_view kMarkerPrefix = ".kq-m";
constexpr std::string_view kMarkerSuffix = ".mrk";
constexpr std::size_t kMarkerDigits = 16;

std::string_view SuffixOf(Kind kind) {
    for (const auto& [k, suffix] : kSuffixes)
        if (k == kind) return suffix;
    return {};
}

// A write past the file-size limit must fail like any other write, not end
// the program.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// A new file in `folder`, created and locked; its name, or nothing with
// `error` set. A process that does not take the folder's lock may see the
// file between its creation and its lock and take it for a dead save's:
// then its lock is held by that recovery, or its name is gone, and another
// name is tried.
std::optional<std::string> CreateLocked(const std::string& folder, mode_t mode, int& fd, int& error) {
    FileSystem& fs = Files();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = NewName(folder, Kind::Temp);
        fd = fs.Open(name, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            error = errno;
            return std::nullopt;
        }
        struct stat st {};
        const int locked = fs.TryLock(fd) == 0 ? 0 : errno;
        // Without locks on this file system the file goes unlocked; a
        // recovery cannot lock it either, and so leaves it alone.
        if (locked != 0 && locked != EWOULDBLOCK) return name;
        if (locked == 0 && fs.Status(fd, st) == 0 && st.st_nlink > 0) return name;
        CloseLock(fd);
    }
    error = EEXIST;
    return std::nullopt;
}

// Reads the open file from where it stands a block at a time, handing each
// block to `use`, which returns whether to read on; 0, or the system's error.
template <class Use>
int ReadOpenBlocks(int fd, Use&& use) {
    std::vector<uint8_t> block(64 * 1024);
    for (;;) {
        const ssize_t n = Files().Read(fd, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (!use(std::span<const uint8_t>(block).first(static_cast<std::size_t>(n)))) return 0;
    }
}

// Reads the regular file at `path` a block at a time, handing each block to
// `use` (which may stop the reading with a problem of its own). A missing
// file is a problem of kind Missing.
template <class Use>
std::optional<FileProblem> ReadBlocks(const std::string& path, Links links, Use&& use) {
    std::optional<FileProblem> problem;
    const int in = OpenRegularFile(path, problem, links);
    if (in < 0) return problem;
    const int error = ReadOpenBlocks(in, [&](std::span<const uint8_t> block) {
        problem = use(block);
        return !problem;
    });
    if (error) problem = ProblemOf(path, error);
    Files().Close(in);
    return problem;
}

// Appends what `source` holds past its first `skip` bytes to `fd`, however
// long the file is.
std::optional<FileProblem> CopyRest(const std::string& source, std::size_t skip, int fd, const std::string& name) {
    auto problem = ReadBlocks(source, Links::Follow, [&](std::span<const uint8_t> block) -> std::optional<FileProblem> {
        const std::size_t skipped = std::min(skip, block.size());
        skip -= skipped;
        if (const int error = WriteAll(fd, block.subspan(skipped))) return ProblemOf(name, error);
        return std::nullopt;
    });
    // Nothing to keep of a file that is not there.
    if (problem && problem->kind == FileProblem::Kind::Missing) problem.reset();
    return problem;
}

}  // namespace

std::string NewName(const std::string& folder, Kind kind) {
    static unsigned long counter = 0;
    const std::string stem = folder + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-";
    for (;;) {
        const std::string base = stem + std::to_string(++counter) + ".";
        if (std::none_of(kSuffixes.begin(), kSuffixes.end(),
                         [&](const auto& k) { return Exists(base + std::string(k.second)); }))
            return base + std::string(SuffixOf(kind));
    }
}

std::optional<Kind> KindOf(std::string_view name) {
    if (name.size() == kMarkerPrefix.size() + kMarkerDigits + kMarkerSuffix.size() &&
        name.starts_with(kMarkerPrefix) && name.ends_with(kMarkerSuffix) &&
        std::all_of(name.begin() + kMarkerPrefix.size(), name.end() - kMarkerSuffix.size(),
                    [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
        return Kind::Marker;
    if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    name.remove_prefix(kPrefix.size());
    for (char separator : {'-', '.'}) {
        unsigned long n = 0;
        auto [p, ec] = std::from_chars(name.data(), name.data() + name.size(), n);
        if (ec != std::errc() || p == name.data() || p == name.data() + name.size() || *p != separator)
            return std::nullopt;
        name.remove_prefix(static_cast<std::size_t>(p - name.data()) + 1);
    }
    for (const auto& [kind, suffix] : kSuffixes)
        if (name == suffix) return kind;
    return std::nullopt;
}

std::string Renamed(const std::string& journal, Kind kind) {
    const std::size_t dot = journal.rfind('.');
    return journal.substr(0, dot + 1) + std::string(SuffixOf(kind));
}

std::string MarkerOf(const std::string& target) {
    const std::string name = NameOf(target);
    const Fingerprint f = FingerprintOfBytes({reinterpret_cast<const uint8_t*>(name.data()), name.size()});
    char hex[kMarkerDigits + 1];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(f.hash));
    return FolderOf(target) + "/" + std::string(kMarkerPrefix) + hex + std::string(kMarkerSuffix);
}

Identity IdentityOf(const std::string& path) {
    struct stat st {};
    if (Files().PathStatus(path, st) != 0) return {};
    return {false, st.st_dev, st.st_ino};
}

std::string FolderOf(const std::string& path) {
    const fsys::path parent = fsys::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string NameOf(const std::string& path) { return fsys::path(path).filename().string(); }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fsys::exists(fsys::symlink_status(path, ec));
}

void CloseLock(int& fd) {
    if (fd >= 0) Files().Close(fd);
    fd = -1;
}

bool IsNoHardLinkError(int error) {
    return error == EPERM || error == EXDEV || error == EMLINK || error == ENOTSUP || error == EOPNOTSUPP ||
           error == ENOSYS;
}

bool IsNoLockError(int error) {
    return error == ENOLCK || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

bool TraceFile::Own() const { return fd >= 0 && st.st_uid == ::geteuid(); }

void TraceFile::Close() { CloseLock(fd); }

namespace {

// What an entry of mode `mode` is when it is no regular file; empty for one.
std::string OddKind(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "something other than a file";
}

}  // namespace

std::string OddFileAt(const std::string& path) {
    struct stat st {};
    return Files().LinkStatus(path, st) == 0 ? OddKind(st.st_mode) : "";
}

TraceFile OpenTrace(const std::string& path, Opening opening) {
    FileSystem& fs = Files();
    TraceFile t;
    // Looked at before it is opened, so that no device is ever opened and no
    // link followed; what was opened is checked again, in case the name
    // changed hands meanwhile.
    struct stat named {};
    if (fs.LinkStatus(path, named) != 0) {
        t.error = errno;
        return t;
    }
    t.odd = OddKind(named.st_mode);
    if (!t.odd.empty()) return t;
    constexpr int kFlags = O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;
    t.fd = fs.Open(path, O_RDONLY | kFlags, 0);
    if (t.fd < 0 && errno == EACCES && opening == Opening::ToLock) t.fd = fs.Open(path, O_WRONLY | kFlags, 0);
    if (t.fd < 0) {
        t.error = errno == ELOOP ? ENOENT : errno;
        return t;
    }
    if (fs.Status(t.fd, t.st) != 0 || !S_ISREG(t.st.st_mode) || t.st.st_dev != named.st_dev ||
        t.st.st_ino != named.st_ino) {
        t.Close();
        t.error = ENOENT;
    }
    return t;
}

TraceFile LockIfAbandoned(const std::string& path, NoLocks noLocks) {
    FileSystem& fs = Files();
    TraceFile t = OpenTrace(path, Opening::ToLock);
    if (t.fd < 0) return t;
    struct stat st {};
    if (fs.TryLock(t.fd) != 0 && !(noLocks == NoLocks::Take && IsNoLockError(errno))) {
        t.error = errno;
    } else if (fs.Status(t.fd, st) != 0 || st.st_nlink == 0) {
        t.error = ENOENT;  // removed by whoever held it
    } else {
        return t;
    }
    t.Close();
    return t;
}

bool StillAt(const TraceFile& trace, const std::string& path) {
    struct stat named {};
    return trace.fd >= 0 && Files().LinkStatus(path, named) == 0 && named.st_dev == trace.st.st_dev &&
           named.st_ino == trace.st.st_ino;
}

std::optional<std::vector<uint8_t>> ReadOpen(int fd, std::size_t limit) {
    std::vector<uint8_t> bytes;
    const int error = ReadOpenBlocks(fd, [&](std::span<const uint8_t> block) {
        bytes.insert(bytes.end(), block.begin(), block.end());
        return bytes.size() <= limit;
    });
    if (error || bytes.size() > limit) return std::nullopt;
    return bytes;
}

std::optional<std::string> WriteLocked(const std::string& folder, const Contents& contents, int& fd,
                                       const std::string& name, std::optional<FileProblem>& problem) {
    IgnoreFileSizeSignal();
    FileSystem& fs = Files();
    int error = 0;
    // Born with the old file's permissions, so a private file's new contents
    // are never readable by others, not even for a moment.
    const mode_t born = contents.mode ? (*contents.mode & 0777) : 0666;
    const auto temp = CreateLocked(folder, born, fd, error);
    if (!temp) {
        problem = ProblemOf(name, error);
        return std::nullopt;
    }
    error = WriteAll(fd, contents.data);
    if (error) problem = ProblemOf(name, error);
    if (!problem && contents.restOf) problem = CopyRest(*contents.restOf, contents.data.size(), fd, name);
    // The permissions are copied where the file system keeps them; one that
    // has none (FAT, some network and user-space file systems) refuses, which
    // is no reason to refuse the save.
    if (!problem && contents.mode) fs.ChangeMode(fd, *contents.mode);
    if (!problem && fs.Sync(fd) != 0) problem = ProblemOf(name, errno);
    if (!problem) return temp;
    fs.Unlink(*temp);
    CloseLock(fd);
    return std::nullopt;
}

int WriteAll(int fd, std::span<const uint8_t> data) {
    FileSystem& fs = Files();
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = fs.Write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

void AppendField(std::string& text, std::string_view field) {
    text += " " + std::to_string(field.size()) + ":" + std::string(field);
}

std::optional<std::string_view> TakeField(std::string_view& t) {
    if (t.substr(0, 1) != " ") return std::nullopt;
    t.remove_prefix(1);
    std::size_t len = 0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), len);
    if (ec != std::errc() || p == t.data() + t.size() || *p != ':') return std::nullopt;
    t.remove_prefix(static_cast<std::size_t>(p - t.data()) + 1);
    if (len > t.size() || len == 0) return std::nullopt;
    const std::string_view field = t.substr(0, len);
    if (field.find('\0') != std::string_view::npos) return std::nullopt;
    t.remove_prefix(len);
    return field;
}

void SyncFolder(const std::string& folder) {
    FileSystem& fs = Files();
    const int fd = fs.Open(folder, O_RDONLY | O_DIRECTORY | O_NONBLOCK, 0);
    if (fd < 0) return;
    fs.Sync(fd);
    fs.Close(fd);
}

std::optional<FileProblem> KeepOld(const std::string& target, const std::string& backup, const std::string& name) {
    FileSystem& fs = Files();
    if (fs.Link(target, backup) == 0) return std::nullopt;
    if (!IsNoHardLinkError(errno)) return ProblemOf(name, errno);
    struct stat st {};
    std::optional<mode_t> mode;
    if (fs.PathStatus(target, st) == 0) mode = st.st_mode & 07777;
    int lock = -1;
    std::optional<FileProblem> problem;
    const auto copy = WriteLocked(FolderOf(target), {{}, target, mode}, lock, name, problem);
    if (!copy) return problem;
    if (fs.Rename(*copy, backup) != 0) {
        problem = ProblemOf(name, errno);
        fs.Unlink(*copy);
    }
    CloseLock(lock);
    return problem;
}

std::string Fingerprint::Text() const {
    char hex[17];
    auto [end, ec] = std::to_chars(hex, hex + 16, hash, 16);
    (void)ec;
    return std::to_string(size) + "-" + std::string(hex, end);
}

std::optional<Fingerprint> Fingerprint::Parse(std::string_view text) {
    Fingerprint f;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, f.size);
    if (ec != std::errc() || p == end || *p != '-') return std::nullopt;
    auto [q, ec2] = std::from_chars(p + 1, end, f.hash, 16);
    if (ec2 != std::errc() || q != end || q == p + 1) return std::nullopt;
    return f;
}

namespace {

// FNV-1a: quick, and more than enough to tell a file's versions apart.
constexpr Fingerprint kEmpty{0, 14695981039346656037ull};

void Add(Fingerprint& f, std::span<const uint8_t> block) {
    f.size += block.size();
    for (uint8_t b : block) f.hash = (f.hash ^ b) * 1099511628211ull;
}

}  // namespace

Fingerprint FingerprintOfBytes(std::span<const uint8_t> bytes) {
    Fingerprint f = kEmpty;
    Add(f, bytes);
    return f;
}

std::optional<Fingerprint> FingerprintOf(const std::string& path, std::optional<FileProblem>& problem) {
    Fingerprint f = kEmpty;
    problem = ReadBlocks(path, Links::Refuse, [&](std::span<const uint8_t> block) -> std::optional<FileProblem> {
        Add(f, block);
        return std::nullopt;
    });
    if (problem) return std::nullopt;
    return f;
}

std::optional<Fingerprint> FingerprintOfOpen(int fd) {
    Fingerprint f = kEmpty;
    const int error = ReadOpenBlocks(fd, [&](std::span<const uint8_t> block) {
        Add(f, block);
        return true;
    });
    if (error) return std::nullopt;
    return f;
}

}  // namespace platform::traces
