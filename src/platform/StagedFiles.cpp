#include "platform/StagedFiles.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <set>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace platform {

namespace {

namespace fsys = std::filesystem;

// Trace names: ".kq-<pid>-<n>.<kind>", short enough for a folder whose
// files already have names of the longest length the file system allows.
constexpr std::string_view kTracePrefix = ".kq-";
constexpr std::string_view kTemp = "tmp";
constexpr std::string_view kBackup = "bak";
constexpr std::string_view kJournal = "jnl";    // written, not yet committed
constexpr std::string_view kCommitted = "jok";  // committed, backups may remain

// A write past the file-size limit must fail like any other write, not end
// the program.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

std::string FolderOf(const std::string& path) {
    const fsys::path parent = fsys::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// The traces of saves this process has under way; recovery leaves them alone.
std::set<std::string>& LiveTraces() {
    static std::set<std::string> live;
    return live;
}

std::string NewTraceName(const std::string& folder, std::string_view kind) {
    static unsigned long counter = 0;
    return folder + "/" + std::string(kTracePrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(++counter) + "." + std::string(kind);
}

struct Trace {
    pid_t pid = 0;
    std::string kind;
};
std::optional<Trace> ParseTrace(std::string_view name) {
    if (name.substr(0, kTracePrefix.size()) != kTracePrefix) return std::nullopt;
    name.remove_prefix(kTracePrefix.size());
    Trace t;
    auto [p, ec] = std::from_chars(name.data(), name.data() + name.size(), t.pid);
    if (ec != std::errc() || p == name.data() || p == name.data() + name.size() || *p != '-') return std::nullopt;
    name.remove_prefix(static_cast<std::size_t>(p - name.data()) + 1);
    unsigned long n = 0;
    auto [q, ec2] = std::from_chars(name.data(), name.data() + name.size(), n);
    if (ec2 != std::errc() || q == name.data() || q == name.data() + name.size() || *q != '.') return std::nullopt;
    name.remove_prefix(static_cast<std::size_t>(q - name.data()) + 1);
    if (name != kTemp && name != kBackup && name != kJournal && name != kCommitted) return std::nullopt;
    t.kind = std::string(name);
    return t;
}

// A trace nobody is working on: this process's when no save of it is under
// way, or one of a process that no longer runs.
bool IsStale(const Trace& t, const std::string& path) {
    if (t.pid == ::getpid()) return !LiveTraces().contains(path);
    return ::kill(t.pid, 0) != 0 && errno == ESRCH;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fsys::exists(fsys::symlink_status(path, ec));
}

int WriteAll(FileSystem& fs, int fd, std::span<const uint8_t> data) {
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

// A new file in `folder` holding `data`, synced; its name, or the errno.
std::optional<std::string> WriteTemp(const std::string& folder, std::span<const uint8_t> data,
                                     std::optional<mode_t> mode, int& error) {
    IgnoreFileSizeSignal();
    FileSystem& fs = Files();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = NewTraceName(folder, kTemp);
        const int fd = fs.Open(temp, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            error = errno;
            return std::nullopt;
        }
        LiveTraces().insert(temp);
        error = WriteAll(fs, fd, data);
        if (!error && mode && fs.ChangeMode(fd, *mode) != 0) error = errno;
        if (!error && fs.Sync(fd) != 0) error = errno;
        if (fs.Close(fd) != 0 && !error) error = errno;
        if (!error) return temp;
        fs.Unlink(temp);
        LiveTraces().erase(temp);
        return std::nullopt;
    }
    error = EEXIST;
    return std::nullopt;
}

// Makes renames in a folder survive a power cut; a folder that cannot be
// synced is no reason to fail.
void SyncFolder(const std::string& folder) {
    FileSystem& fs = Files();
    const int fd = fs.Open(folder, O_RDONLY | O_DIRECTORY, 0);
    if (fd < 0) return;
    fs.Sync(fd);
    fs.Close(fd);
}

// The journal: which files a save replaces, where their new and old contents
// stand meanwhile, and whether an old file existed. Texts are written with
// their length, so any name fits.
struct JournalEntry {
    bool hadOld = false;
    std::string target, temp, backup;
};
constexpr std::string_view kJournalHead = "KQSAVE 1\n";
constexpr std::string_view kJournalEnd = "END\n";

std::vector<uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries) {
    std::string text(kJournalHead);
    for (const JournalEntry& e : entries) {
        text += e.hadOld ? "E1" : "E0";
        for (const std::string* s : {&e.target, &e.temp, &e.backup}) text += " " + std::to_string(s->size()) + ":" + *s;
        text += "\n";
    }
    text += kJournalEnd;
    return {text.begin(), text.end()};
}

std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const uint8_t> bytes) {
    std::string_view t(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (t.substr(0, kJournalHead.size()) != kJournalHead) return std::nullopt;
    t.remove_prefix(kJournalHead.size());
    std::vector<JournalEntry> entries;
    while (!t.empty() && t.substr(0, kJournalEnd.size()) != kJournalEnd) {
        if (t.size() < 2 || t[0] != 'E' || (t[1] != '0' && t[1] != '1')) return std::nullopt;
        JournalEntry e;
        e.hadOld = t[1] == '1';
        t.remove_prefix(2);
        for (std::string* s : {&e.target, &e.temp, &e.backup}) {
            if (t.substr(0, 1) != " ") return std::nullopt;
            t.remove_prefix(1);
            std::size_t len = 0;
            const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), len);
            if (ec != std::errc() || p == t.data() + t.size() || *p != ':') return std::nullopt;
            t.remove_prefix(static_cast<std::size_t>(p - t.data()) + 1);
            if (len > t.size()) return std::nullopt;
            *s = std::string(t.substr(0, len));
            t.remove_prefix(len);
        }
        if (t.substr(0, 1) != "\n") return std::nullopt;
        t.remove_prefix(1);
        entries.push_back(std::move(e));
    }
    if (t != kJournalEnd) return std::nullopt;
    return entries;
}

// Undoes a save the journal describes: each old file back, each new one that
// had no old file removed, the temporary files removed. True when done.
bool RollBackFromJournal(const std::vector<JournalEntry>& entries) {
    FileSystem& fs = Files();
    bool whole = true;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const JournalEntry& e = *it;
        if (Exists(e.backup)) {
            if (fs.Rename(e.backup, e.target) != 0) whole = false;
        } else if (!e.hadOld && !Exists(e.temp) && Exists(e.target)) {
            // Its temporary file is gone, so the file in place is the new one.
            if (fs.Unlink(e.target) != 0) whole = false;
        }
        if (Exists(e.temp) && fs.Unlink(e.temp) != 0) whole = false;
    }
    return whole;
}

bool RollForwardFromJournal(const std::vector<JournalEntry>& entries) {
    FileSystem& fs = Files();
    bool whole = true;
    for (const JournalEntry& e : entries)
        for (const std::string* s : {&e.backup, &e.temp})
            if (Exists(*s) && fs.Unlink(*s) != 0) whole = false;
    return whole;
}

}  // namespace

bool IsSaveTraceName(const std::string& fileName) { return ParseTrace(fileName).has_value(); }

std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folder) {
    std::error_code ec;
    fsys::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;  // nothing to finish where nothing can be listed
    std::vector<std::pair<std::string, Trace>> journals, temps;
    for (; it != fsys::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const std::string path = it->path().string();
        const auto trace = ParseTrace(it->path().filename().string());
        if (!trace || !IsStale(*trace, path)) continue;
        if (trace->kind == kJournal || trace->kind == kCommitted) journals.emplace_back(path, *trace);
        else if (trace->kind == kTemp) temps.emplace_back(path, *trace);
        // A backup outside any journal is never removed: it may be the only
        // copy of a file.
    }
    FileSystem& fs = Files();
    std::optional<FileProblem> problem;
    for (const auto& [path, trace] : journals) {
        const FileBytes journal = ReadFileUpTo(path, kSmallFileLimit);
        const auto entries = journal.ok() ? DecodeJournal(journal.bytes) : std::nullopt;
        bool done = true;
        if (entries) done = trace.kind == kJournal ? RollBackFromJournal(*entries) : RollForwardFromJournal(*entries);
        if (!done) {
            problem = FileProblem{FileProblem::Kind::Failed, path, "An interrupted save could not be finished"};
            continue;
        }
        if (fs.Unlink(path) != 0) problem = ProblemOf(path, errno);
    }
    if (!problem)
        for (const auto& [path, trace] : temps)
            if (Exists(path) && fs.Unlink(path) != 0) problem = ProblemOf(path, errno);
    if (!journals.empty() || !temps.empty()) SyncFolder(folder);
    return problem;
}

std::optional<FileProblem> RecoverSavesBeside(const std::string& path) {
    for (const std::string& folder : {FolderOf(path), FolderOf(LinkTarget(path))})
        if (auto p = RecoverInterruptedSaves(folder)) return p;
    return std::nullopt;
}

StagedFiles::~StagedFiles() {
    if (!staged_.empty()) RollBack();
}

bool StagedFiles::Fail(const std::string& path, int error) {
    problem_ = ProblemOf(path, error);
    return false;
}

bool StagedFiles::Stage(const std::string& path, std::span<const uint8_t> data) {
    problem_.reset();
    Entry e;
    e.path = path;
    // Journals name files by absolute paths, so a recovery finds them from
    // any working folder.
    std::error_code ec;
    e.target = fsys::absolute(LinkTarget(path), ec).string();
    if (ec) e.target = LinkTarget(path);
    if (auto p = RecoverSavesBeside(path)) {
        problem_ = std::move(p);
        return false;
    }
    // The new file keeps the old one's permissions.
    std::optional<mode_t> mode;
    struct stat st {};
    if (::stat(e.target.c_str(), &st) == 0) {
        // A folder or a device in the file's place is never moved away.
        if (S_ISDIR(st.st_mode)) return Fail(path, EISDIR);
        if (!S_ISREG(st.st_mode)) {
            problem_ = FileProblem{FileProblem::Kind::Failed, path, "Not a regular file"};
            return false;
        }
        mode = st.st_mode & 07777;
    }
    int error = 0;
    const auto temp = WriteTemp(FolderOf(e.target), data, mode, error);
    if (!temp) return Fail(path, error);
    e.temp = *temp;
    staged_.push_back(std::move(e));
    return true;
}

bool StagedFiles::CommitOne(Entry& e) {
    if (Files().Rename(e.temp, e.target) != 0) {
        Fail(e.path, errno);
        RollBack();
        return false;
    }
    LiveTraces().erase(e.temp);
    SyncFolder(FolderOf(e.target));
    staged_.clear();
    return true;
}

bool StagedFiles::Commit() {
    problem_.reset();
    if (staged_.empty()) return true;
    if (staged_.size() == 1) return CommitOne(staged_.front());
    FileSystem& fs = Files();

    std::vector<JournalEntry> entries;
    for (Entry& e : staged_) {
        e.hadOld = Exists(e.target);
        e.backup = NewTraceName(FolderOf(e.target), kBackup);
        LiveTraces().insert(e.backup);
        entries.push_back({e.hadOld, e.target, e.temp, e.backup});
    }
    const std::string folder = FolderOf(staged_.front().path);
    int error = 0;
    const auto journalTemp = WriteTemp(folder, EncodeJournal(entries), std::nullopt, error);
    if (!journalTemp) {
        Fail(staged_.front().path, error);
        RollBack();
        return false;
    }
    journal_ = NewTraceName(folder, kJournal);
    LiveTraces().insert(journal_);
    if (fs.Rename(*journalTemp, journal_) != 0) {
        Fail(staged_.front().path, errno);
        fs.Unlink(*journalTemp);
        LiveTraces().erase(*journalTemp);
        LiveTraces().erase(journal_);
        journal_.clear();
        RollBack();
        return false;
    }
    LiveTraces().erase(*journalTemp);
    SyncFolder(folder);

    for (Entry& e : staged_) {
        if (e.hadOld) {
            if (fs.Rename(e.target, e.backup) != 0) {
                Fail(e.path, errno);
                RollBack();
                return false;
            }
            e.backedUp = true;
        }
        if (fs.Rename(e.temp, e.target) != 0) {
            Fail(e.path, errno);
            RollBack();
            return false;
        }
        e.placed = true;
    }

    // The commit point: from here on an interrupted save is finished, not undone.
    std::string committed = journal_;
    committed.replace(committed.size() - kJournal.size(), kJournal.size(), kCommitted);
    LiveTraces().insert(committed);
    if (fs.Rename(journal_, committed) != 0) {
        Fail(staged_.front().path, errno);
        LiveTraces().erase(committed);
        RollBack();
        return false;
    }
    LiveTraces().erase(journal_);
    journal_ = committed;
    for (const Entry& e : staged_) SyncFolder(FolderOf(e.target));
    SyncFolder(folder);

    bool clean = true;
    for (const Entry& e : staged_)
        if (e.backedUp && fs.Unlink(e.backup) != 0) clean = false;
    // With a backup left the journal stays, so a later save removes it.
    if (clean) fs.Unlink(journal_);
    for (const Entry& e : staged_) {
        LiveTraces().erase(e.temp);
        LiveTraces().erase(e.backup);
    }
    LiveTraces().erase(journal_);
    staged_.clear();
    journal_.clear();
    return true;
}

bool StagedFiles::RollBack() {
    FileSystem& fs = Files();
    bool whole = true;
    for (auto it = staged_.rbegin(); it != staged_.rend(); ++it) {
        Entry& e = *it;
        if (e.backedUp) {
            if (fs.Rename(e.backup, e.target) == 0) e.backedUp = e.placed = false;
            else whole = false;
        } else if (e.placed) {
            if (fs.Unlink(e.target) == 0) e.placed = false;
            else whole = false;
        }
        if (!e.placed && Exists(e.temp) && fs.Unlink(e.temp) != 0) whole = false;
    }
    // What could not be undone stays in the journal for the next recovery.
    if (whole && !journal_.empty()) fs.Unlink(journal_);
    for (const Entry& e : staged_) {
        LiveTraces().erase(e.temp);
        LiveTraces().erase(e.backup);
    }
    if (!journal_.empty()) LiveTraces().erase(journal_);
    if (whole) SyncFolder(FolderOf(staged_.front().path));
    staged_.clear();
    journal_.clear();
    return whole;
}

}  // namespace platform
