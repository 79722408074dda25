#include "platform/StagedFiles.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
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
// The process id only keeps the names of two processes apart; whether a
// trace is still in use is its lock's to say.
constexpr std::string_view kTracePrefix = ".kq-";
constexpr std::string_view kTemp = "tmp";
constexpr std::string_view kBackup = "bak";
constexpr std::string_view kJournal = "jnl";    // written, not yet committed
constexpr std::string_view kCommitted = "jok";  // committed, backups may remain
constexpr std::string_view kKinds[] = {kTemp, kBackup, kJournal, kCommitted};

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

std::string NameOf(const std::string& path) { return fsys::path(path).filename().string(); }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fsys::exists(fsys::symlink_status(path, ec));
}

// A name in `folder` that no trace of any kind has yet, so neither a
// leftover of an earlier process with the same id nor the journal's
// committed name can be in the way.
std::string NewTraceName(const std::string& folder, std::string_view kind) {
    static unsigned long counter = 0;
    const std::string stem = folder + "/" + std::string(kTracePrefix) + std::to_string(::getpid()) + "-";
    for (;;) {
        const std::string base = stem + std::to_string(++counter) + ".";
        if (std::none_of(std::begin(kKinds), std::end(kKinds),
                         [&](std::string_view k) { return Exists(base + std::string(k)); }))
            return base + std::string(kind);
    }
}

std::optional<std::string> TraceKind(std::string_view name) {
    if (name.substr(0, kTracePrefix.size()) != kTracePrefix) return std::nullopt;
    name.remove_prefix(kTracePrefix.size());
    for (char separator : {'-', '.'}) {
        unsigned long n = 0;
        auto [p, ec] = std::from_chars(name.data(), name.data() + name.size(), n);
        if (ec != std::errc() || p == name.data() || p == name.data() + name.size() || *p != separator)
            return std::nullopt;
        name.remove_prefix(static_cast<std::size_t>(p - name.data()) + 1);
    }
    if (std::find(std::begin(kKinds), std::end(kKinds), name) == std::end(kKinds)) return std::nullopt;
    return std::string(name);
}

void CloseLock(int& fd) {
    if (fd >= 0) Files().Close(fd);
    fd = -1;
}

// A trace of another save, open and locked by this process, or -1 while
// someone holds it, when it is gone, or when its lock cannot be had (a file
// system without locks): a trace is taken for a dead save's only when that
// is certain.
int LockIfAbandoned(const std::string& path) {
    FileSystem& fs = Files();
    int fd = fs.Open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY, 0);
    if (fd < 0 && errno == EACCES) fd = fs.Open(path, O_WRONLY | O_NONBLOCK | O_NOCTTY, 0);
    if (fd < 0) return -1;
    struct stat st {};
    if (fs.TryLock(fd) == 0 && fs.Status(fd, st) == 0 && st.st_nlink > 0) return fd;
    CloseLock(fd);
    return -1;
}

// A new file in `folder`, created and locked; its name, or nothing with
// `error` set. A recovery in another process may see the file between its
// creation and its lock and take it for a dead save's: then its lock is
// held by that recovery, or its name is gone, and another name is tried.
std::optional<std::string> CreateLocked(const std::string& folder, int& fd, int& error) {
    FileSystem& fs = Files();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = NewTraceName(folder, kTemp);
        fd = fs.Open(name, O_WRONLY | O_CREAT | O_EXCL, 0666);
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

// Appends what `source` holds past its first `skip` bytes to `fd`, a block
// at a time, however long the file is.
std::optional<FileProblem> CopyRest(const std::string& source, std::size_t skip, int fd, const std::string& name) {
    std::optional<FileProblem> problem;
    const int in = OpenRegularFile(source, problem);
    if (in < 0) {
        // Nothing to keep of a file that is not there.
        if (problem->kind == FileProblem::Kind::Missing) problem.reset();
        return problem;
    }
    FileSystem& fs = Files();
    std::vector<uint8_t> block(64 * 1024);
    for (;;) {
        const std::size_t room = skip > 0 ? std::min(skip, block.size()) : block.size();
        const ssize_t n = fs.Read(in, block.data(), room);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            problem = ProblemOf(source, errno);
            break;
        }
        if (n == 0) break;
        const auto got = static_cast<std::size_t>(n);
        if (skip > 0) {
            skip -= got;
            continue;
        }
        if (const int error = WriteAll(fs, fd, std::span(block).first(got))) {
            problem = ProblemOf(name, error);
            break;
        }
    }
    fs.Close(in);
    return problem;
}

// What a staged file holds: its new bytes, then perhaps what the file it
// replaces holds past them.
struct Contents {
    std::span<const uint8_t> data;
    std::optional<std::string> restOf;
    std::optional<mode_t> mode;
};

// A new file in `folder` holding `contents`, synced and left open with its
// lock in `fd`; its name, or nothing and why (under `name`).
std::optional<std::string> WriteLocked(const std::string& folder, const Contents& contents, int& fd,
                                       const std::string& name, std::optional<FileProblem>& problem) {
    IgnoreFileSizeSignal();
    FileSystem& fs = Files();
    int error = 0;
    const auto temp = CreateLocked(folder, fd, error);
    if (!temp) {
        problem = ProblemOf(name, error);
        return std::nullopt;
    }
    error = WriteAll(fs, fd, contents.data);
    if (error) problem = ProblemOf(name, error);
    if (!problem && contents.restOf) problem = CopyRest(*contents.restOf, contents.data.size(), fd, name);
    if (!problem && contents.mode && fs.ChangeMode(fd, *contents.mode) != 0) problem = ProblemOf(name, errno);
    if (!problem && fs.Sync(fd) != 0) problem = ProblemOf(name, errno);
    if (!problem) return temp;
    fs.Unlink(*temp);
    CloseLock(fd);
    return std::nullopt;
}

// Makes renames in a folder survive a power cut; a folder that cannot be
// synced is no reason to fail.
void SyncFolder(const std::string& folder) {
    FileSystem& fs = Files();
    const int fd = fs.Open(folder, O_RDONLY | O_DIRECTORY | O_NONBLOCK, 0);
    if (fd < 0) return;
    fs.Sync(fd);
    fs.Close(fd);
}

// Puts the old file kept under `backup` back in place. A backup that is a
// hard link of the file still in place stays behind the rename (both names
// are one file), and goes then.
bool RestoreBackup(const std::string& backup, const std::string& target) {
    FileSystem& fs = Files();
    if (fs.Rename(backup, target) != 0) return false;
    return !Exists(backup) || fs.Unlink(backup) == 0;
}

bool IsNoHardLinkError(int error) {
    return error == EPERM || error == EXDEV || error == EMLINK || error == ENOTSUP || error == EOPNOTSUPP ||
           error == ENOSYS;
}

// Gives the old file `target` its second name `backup`: a hard link, or where
// the file system has none (FAT) a copy, complete before it gets the name, so
// a backup that exists is whole. Problems are told under `name`.
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

// The journal: which files a save replaces, where their new and old contents
// stand meanwhile, and whether an old file existed. Names are relative to the
// journal's folder; a journal of the first version named them absolutely.
// Texts are written with their length, so any name fits.
struct JournalEntry {
    bool hadOld = false;
    std::string target, temp, backup;
};
constexpr std::string_view kJournalHead = "KQSAVE 2\n";
constexpr std::string_view kAbsoluteJournalHead = "KQSAVE 1\n";
constexpr std::string_view kJournalEnd = "END\n";

std::vector<uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries, const std::string& folder) {
    std::string text(kJournalHead);
    for (const JournalEntry& e : entries) {
        text += e.hadOld ? "E1" : "E0";
        for (const std::string* s : {&e.target, &e.temp, &e.backup}) {
            const std::string name = fsys::path(*s).lexically_relative(folder).string();
            text += " " + std::to_string(name.size()) + ":" + name;
        }
        text += "\n";
    }
    text += kJournalEnd;
    return {text.begin(), text.end()};
}

std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const uint8_t> bytes, const std::string& folder) {
    std::string_view t(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (t.substr(0, kJournalHead.size()) != kJournalHead &&
        t.substr(0, kAbsoluteJournalHead.size()) != kAbsoluteJournalHead)
        return std::nullopt;
    static_assert(kJournalHead.size() == kAbsoluteJournalHead.size());
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
            if (len > t.size() || len == 0) return std::nullopt;
            *s = (fsys::path(folder) / std::string(t.substr(0, len))).lexically_normal().string();
            t.remove_prefix(len);
        }
        if (t.substr(0, 1) != "\n") return std::nullopt;
        t.remove_prefix(1);
        entries.push_back(std::move(e));
    }
    if (t != kJournalEnd) return std::nullopt;
    return entries;
}

FileProblem Unfinished(const std::string& path, const std::string& journal, const std::string& why) {
    return {FileProblem::Kind::Failed, path,
            "An interrupted save could not be finished (" + why + "); " + NameOf(journal) + " keeps its record"};
}

// Undoes a save the journal describes, from what stands on disk: a new file
// whose temporary name is gone was renamed into place, and the old one comes
// back from its backup. Nothing changes unless every old file can be had.
// Nothing when done.
std::optional<FileProblem> RollBackFromJournal(const std::vector<JournalEntry>& entries, const std::string& journal) {
    for (const JournalEntry& e : entries)
        if (e.hadOld && !Exists(e.backup) && !Exists(e.temp))
            // The old file is nowhere: the journal does not describe this
            // folder, and putting nothing back is no roll-back.
            return Unfinished(e.target, journal, "its old contents are missing");
    FileSystem& fs = Files();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const JournalEntry& e = *it;
        const bool renamed = !Exists(e.temp);
        if (e.hadOld && Exists(e.backup)) {
            if (!RestoreBackup(e.backup, e.target)) return Unfinished(e.target, journal, ProblemOf(e.target, errno).reason);
        } else if (!e.hadOld && renamed && Exists(e.target)) {
            if (fs.Unlink(e.target) != 0) return Unfinished(e.target, journal, ProblemOf(e.target, errno).reason);
        }
        if (!renamed && fs.Unlink(e.temp) != 0) return Unfinished(e.temp, journal, ProblemOf(e.temp, errno).reason);
    }
    return std::nullopt;
}

std::optional<FileProblem> RollForwardFromJournal(const std::vector<JournalEntry>& entries,
                                                  const std::string& journal) {
    FileSystem& fs = Files();
    for (const JournalEntry& e : entries)
        for (const std::string* s : {&e.backup, &e.temp})
            if (Exists(*s) && fs.Unlink(*s) != 0) return Unfinished(*s, journal, ProblemOf(*s, errno).reason);
    return std::nullopt;
}

// Carries out one abandoned journal, holding its lock; nothing when it is
// done and gone.
std::optional<FileProblem> FinishJournal(const std::string& path, const std::string& kind, const std::string& folder) {
    const FileBytes journal = ReadFileUpTo(path, kSmallFileLimit);
    if (!journal.ok()) return Unfinished(path, path, journal.problem->reason);
    const auto entries = DecodeJournal(journal.bytes, folder);
    if (!entries) return Unfinished(path, path, "its record cannot be read");
    auto problem = kind == kJournal ? RollBackFromJournal(*entries, path) : RollForwardFromJournal(*entries, path);
    if (!problem && Files().Unlink(path) != 0) problem = ProblemOf(path, errno);
    return problem;
}

std::optional<FileProblem> ReplaceProblemOf(const std::string& path, const std::string& target, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return ProblemOf(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return FileProblem{FileProblem::Kind::Failed, path, "Not a regular file"};
    // Renaming over a file needs only a writable folder: a file the user
    // made read-only is refused here as its open for writing would be.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return ProblemOf(path, EACCES);
    if (Files().Access(target, W_OK) != 0) return ProblemOf(path, errno);
    return std::nullopt;
}

}  // namespace

bool IsSaveTraceName(const std::string& fileName) { return TraceKind(fileName).has_value(); }

std::optional<FileProblem> ReplaceProblem(const std::string& path) {
    struct stat st {};
    const std::string target = ResolvedPath(path);
    if (Files().PathStatus(target, st) != 0) return std::nullopt;
    return ReplaceProblemOf(path, target, st);
}

std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folderName) {
    std::error_code ec;
    const std::string folder = fsys::absolute(folderName, ec).lexically_normal().string();
    fsys::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;  // nothing to finish where nothing can be listed
    std::vector<std::pair<std::string, std::string>> journals;
    std::vector<std::string> temps;
    for (; it != fsys::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const auto kind = TraceKind(it->path().filename().string());
        const std::string path = folder + "/" + it->path().filename().string();
        if (!kind) continue;
        if (*kind == kJournal || *kind == kCommitted) journals.emplace_back(path, *kind);
        else if (*kind == kTemp) temps.push_back(path);
        // A backup outside any journal is never removed: it may be the only
        // copy of a file.
    }
    FileSystem& fs = Files();
    std::optional<FileProblem> problem;
    for (const auto& [path, kind] : journals) {
        int lock = LockIfAbandoned(path);
        if (lock < 0) continue;  // a save under way, or one already finished
        if (auto p = FinishJournal(path, kind, folder)) problem = std::move(p);
        CloseLock(lock);
    }
    // The temporary files of a journal that stays may still tell its
    // roll-back which files went in.
    if (!problem)
        for (const std::string& path : temps) {
            int lock = LockIfAbandoned(path);
            if (lock < 0) continue;
            if (fs.Unlink(path) != 0) problem = ProblemOf(path, errno);
            CloseLock(lock);
        }
    if (!journals.empty() || !temps.empty()) SyncFolder(folder);
    return problem;
}

std::optional<FileProblem> RecoverSavesBeside(const std::string& path) {
    std::error_code ec;
    const std::string named = FolderOf(fsys::absolute(path, ec).lexically_normal().string());
    const std::string resolved = FolderOf(ResolvedPath(path));
    if (auto p = RecoverInterruptedSaves(named)) return p;
    if (resolved != named) return RecoverInterruptedSaves(resolved);
    return std::nullopt;
}

StagedFiles::~StagedFiles() {
    if (!staged_.empty()) RollBack();
}

bool StagedFiles::Fail(const std::string& path, int error) { return Fail(ProblemOf(path, error)); }

bool StagedFiles::Fail(FileProblem problem) {
    problem_ = std::move(problem);
    return false;
}

bool StagedFiles::Stage(const std::string& path, std::span<const uint8_t> data) {
    return StageFile(path, data, false);
}

bool StagedFiles::StageHead(const std::string& path, std::span<const uint8_t> head) {
    return StageFile(path, head, true);
}

bool StagedFiles::StageFile(const std::string& path, std::span<const uint8_t> data, bool keepRest) {
    problem_.reset();
    Entry e;
    e.path = path;
    // Journals and recoveries see the same file from any working folder, and
    // a set saved through a link stands beside the file the link names.
    e.target = ResolvedPath(path);
    if (auto p = RecoverSavesBeside(path)) return Fail(std::move(*p));
    Contents contents{data, std::nullopt, std::nullopt};
    struct stat st {};
    if (Files().PathStatus(e.target, st) == 0) {
        if (auto p = ReplaceProblemOf(path, e.target, st)) return Fail(std::move(*p));
        // The new file keeps the old one's permissions.
        contents.mode = st.st_mode & 07777;
    }
    if (keepRest) contents.restOf = e.target;
    const auto temp = WriteLocked(FolderOf(e.target), contents, e.tempLock, path, problem_);
    if (!temp) return false;
    e.temp = *temp;
    staged_.push_back(std::move(e));
    return true;
}

bool StagedFiles::Abort(std::optional<FileProblem> problem) {
    if (problem) problem_ = std::move(problem);
    RollBack();
    return false;
}

bool StagedFiles::CommitOne(Entry& e) {
    // Renaming over the old file replaces it at one instant.
    if (Files().Rename(e.temp, e.target) != 0) return Abort(ProblemOf(e.path, errno));
    SyncFolder(FolderOf(e.target));
    Release();
    return true;
}

bool StagedFiles::WriteJournal() {
    FileSystem& fs = Files();
    const std::string folder = FolderOf(staged_.front().target);
    std::vector<JournalEntry> entries;
    for (const Entry& e : staged_) entries.push_back({e.hadOld, e.target, e.temp, e.backup});
    const std::vector<uint8_t> bytes = EncodeJournal(entries, folder);
    // Written whole under a temporary name and renamed: a journal that exists
    // is complete, and locked from its first instant.
    const auto temp = WriteLocked(folder, {bytes, std::nullopt, std::nullopt}, journalLock_,
                                  staged_.front().path, problem_);
    if (!temp) return false;
    const std::string journal = NewTraceName(folder, kJournal);
    if (fs.Rename(*temp, journal) != 0) {
        Fail(staged_.front().path, errno);
        fs.Unlink(*temp);
        CloseLock(journalLock_);
        return false;
    }
    journal_ = journal;
    SyncFolder(folder);
    return true;
}

bool StagedFiles::Commit() {
    problem_.reset();
    if (staged_.empty()) return true;
    if (staged_.size() == 1) return CommitOne(staged_.front());
    FileSystem& fs = Files();

    for (Entry& e : staged_) {
        e.hadOld = Exists(e.target);
        e.backup = NewTraceName(FolderOf(e.target), kBackup);
    }
    if (!WriteJournal()) return Abort(std::nullopt);

    // Every old file gets a second name before any new one goes in, so each
    // name of the set always holds a whole file.
    for (Entry& e : staged_) {
        if (!e.hadOld) continue;
        if (auto p = KeepOld(e.target, e.backup, e.path)) return Abort(std::move(p));
        e.backedUp = true;
    }
    for (const Entry& e : staged_) SyncFolder(FolderOf(e.target));

    for (Entry& e : staged_) {
        if (fs.Rename(e.temp, e.target) != 0) return Abort(ProblemOf(e.path, errno));
        e.placed = true;
    }

    // The commit point: from here on an interrupted save is finished, not undone.
    std::string committed = journal_;
    committed.replace(committed.size() - kJournal.size(), kJournal.size(), kCommitted);
    if (fs.Rename(journal_, committed) != 0) return Abort(ProblemOf(staged_.front().path, errno));
    journal_ = committed;
    for (const Entry& e : staged_) SyncFolder(FolderOf(e.target));

    bool clean = true;
    for (const Entry& e : staged_)
        if (e.backedUp && fs.Unlink(e.backup) != 0) clean = false;
    // With a backup left the journal stays, so a later save removes it.
    if (clean) fs.Unlink(journal_);
    Release();
    return true;
}

bool StagedFiles::RollBack() {
    FileSystem& fs = Files();
    bool whole = true;
    for (auto it = staged_.rbegin(); it != staged_.rend(); ++it) {
        Entry& e = *it;
        if (e.placed && e.hadOld) {
            if (RestoreBackup(e.backup, e.target)) e.placed = e.backedUp = false;
            else whole = false;
        } else if (e.placed) {
            if (fs.Unlink(e.target) == 0) e.placed = false;
            else whole = false;
        } else if (e.backedUp) {
            // The old file never left its place.
            if (fs.Unlink(e.backup) == 0) e.backedUp = false;
            else whole = false;
        }
        if (!e.placed && Exists(e.temp) && fs.Unlink(e.temp) != 0) whole = false;
    }
    // What could not be undone stays in the journal for the next recovery.
    if (whole && !journal_.empty()) fs.Unlink(journal_);
    if (whole) SyncFolder(FolderOf(staged_.front().target));
    Release();
    return whole;
}

void StagedFiles::Release() {
    for (Entry& e : staged_) CloseLock(e.tempLock);
    CloseLock(journalLock_);
    staged_.clear();
    journal_.clear();
}

}  // namespace platform
