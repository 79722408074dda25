#include "platform/save/StagedFiles.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/save/SaveJournal.h"
#include "platform/save/SaveMarkers.h"

namespace platform {

namespace {

using traces::CloseLock;
using traces::Exists;
using traces::FolderOf;
using traces::JournalEntry;

std::optional<FileProblem> ReplaceProblemOf(const std::string& path, const std::string& target, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return ProblemOf(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return FileProblem{FileProblem::Kind::Failed, path, "Not a regular file"};
    // Renaming over a file needs only a writable folder: a file the user
    // made read-only is refused here as its open for writing would be.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return ProblemOf(path, EACCES);
    if (Files().Access(target, W_OK) != 0) return ProblemOf(path, errno);
    // Known before anything is written: a save that could write the file
    // but not rename over it would leave traces it could not remove (its
    // backups are the owner's files) in the owner's way.
    struct stat folder {};
    if (Files().PathStatus(traces::FolderOf(target), folder) == 0 &&
        !StickyFolderLets(folder.st_mode, folder.st_uid, st.st_uid, ::geteuid()))
        return FileProblem{FileProblem::Kind::Failed, path,
                           "This shared folder lets only the file's owner replace it (Operation not permitted)"};
    return std::nullopt;
}

}  // namespace

bool IsSaveTraceName(const std::string& fileName) { return traces::KindOf(fileName).has_value(); }

bool StickyFolderLets(mode_t folderMode, uid_t folderOwner, uid_t fileOwner, uid_t user) {
    return (folderMode & S_ISVTX) == 0 || user == 0 || user == fileOwner || user == folderOwner;
}

std::optional<FileProblem> ReplaceProblem(const std::string& path) {
    struct stat st {};
    const std::string target = ResolvedPath(path);
    if (Files().PathStatus(target, st) != 0) return std::nullopt;
    return ReplaceProblemOf(path, target, st);
}

StagedFiles::~StagedFiles() {
    for (const Entry& e : staged_) Files().Unlink(e.temp);
    Release();
}

bool StagedFiles::Fail(const std::string& path, int error) { return Fail(ProblemOf(path, error)); }

bool StagedFiles::Fail(FileProblem problem) {
    problem_ = std::move(problem);
    return false;
}

bool StagedFiles::Reserve(std::span<const std::string> paths) {
    problem_.reset();
    return Hold({paths.begin(), paths.end()});
}

bool StagedFiles::Hold(const std::vector<std::string>& named) {
    // Journals, recoveries and locks see the same file from any working
    // folder, and a set saved through a link stands beside the file the link
    // names.
    std::vector<std::string> targets;
    for (const std::string& path : named) targets.push_back(ResolvedPath(path));
    if (named_.empty() && !named.empty()) named_ = named.front();
    auto problem = RecoverSavesOf(targets, locks_, LockDeadline());
    if (problem) {
        for (std::size_t i = 0; i < named.size(); ++i)
            if (problem->path == targets[i]) problem->path = named[i];
        return Fail(std::move(*problem));
    }
    reserved_.insert(reserved_.end(), targets.begin(), targets.end());
    return true;
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
    e.target = ResolvedPath(path);
    if (std::find(reserved_.begin(), reserved_.end(), e.target) == reserved_.end() && !Hold({path})) return false;
    traces::Contents contents{data, std::nullopt, std::nullopt};
    struct stat st {};
    if (Files().PathStatus(e.target, st) == 0) {
        if (auto p = ReplaceProblemOf(path, e.target, st)) return Fail(std::move(*p));
        // The new file keeps the old one's permissions.
        contents.mode = st.st_mode & 07777;
    }
    if (keepRest) contents.restOf = e.target;
    const auto temp = traces::WriteLocked(FolderOf(e.target), contents, e.tempLock, path, problem_);
    if (!temp) return false;
    e.temp = *temp;
    // A new file is born with the umask's permissions.
    e.mode = contents.mode.value_or(Files().Status(e.tempLock, st) == 0 ? st.st_mode & 07777 : 0600);
    staged_.push_back(std::move(e));
    return true;
}

bool StagedFiles::Abort(std::optional<FileProblem> problem) {
    if (problem) problem_ = std::move(problem);
    if (!journal_.empty()) {
        // The same roll-back a recovery runs: what it cannot do now, the
        // journal keeps for the next one.
        traces::RollBack(JournalEntries(), journal_, traces::CarriedOutBy::ItsSave);
    } else {
        for (const Entry& e : staged_) Files().Unlink(e.temp);
        RemoveMarkersHeld();
    }
    Release();
    return false;
}

void StagedFiles::RemoveMarkersHeld() {
    for (const HeldMarker& m : markers_) Files().Unlink(m.path);
}

bool StagedFiles::PlaceMarkers(const std::string& journal) {
    // In the one order every save takes them, so two saves of one set that
    // cannot hold its folders do not each wait for the other's.
    std::vector<std::pair<std::pair<traces::Identity, std::string>, const Entry*>> order;
    for (const Entry& e : staged_)
        order.push_back({{traces::IdentityOf(FolderOf(e.target)), traces::NameOf(e.target)}, &e});
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto deadline = LockDeadline();
    for (const auto& [key, e] : order) {
        HeldMarker m{traces::MarkerOf(e->target), -1};
        if (auto p = traces::PlaceMarker(e->target, journal, e->mode, m.lock, deadline, named_))
            return Fail(std::move(*p));
        markers_.push_back(std::move(m));
    }
    std::set<std::string> folders;
    for (const HeldMarker& m : markers_) folders.insert(FolderOf(m.path));
    for (const std::string& folder : folders) traces::SyncFolder(folder);
    return true;
}

std::vector<JournalEntry> StagedFiles::JournalEntries() const {
    std::vector<JournalEntry> entries;
    for (const Entry& e : staged_) entries.push_back(e);
    return entries;
}

bool StagedFiles::CommitOne(Entry& e) {
    // Renaming over the old file replaces it at one instant.
    if (Files().Rename(e.temp, e.target) != 0) return Abort(ProblemOf(e.path, errno));
    traces::SyncFolder(FolderOf(e.target));
    Release();
    return true;
}

bool StagedFiles::WriteJournal(const std::string& journal) {
    FileSystem& fs = Files();
    const std::string folder = FolderOf(journal);
    const std::vector<uint8_t> bytes = traces::EncodeJournal(JournalEntries(), folder);
    // Whoever may read a file of the set may read the journal, which says
    // whether the set stands whole, whatever the umask.
    mode_t mode = 0600;
    for (const Entry& e : staged_) mode |= e.mode & 0044;
    // Written whole under a temporary name and renamed: a journal that exists
    // is complete, and locked from its first instant.
    const auto temp = traces::WriteLocked(folder, {bytes, std::nullopt, mode}, journalLock_,
                                          staged_.front().path, problem_);
    if (!temp) return false;
    if (fs.Rename(*temp, journal) != 0) {
        Fail(staged_.front().path, errno);
        fs.Unlink(*temp);
        CloseLock(journalLock_);
        return false;
    }
    journal_ = journal;
    traces::SyncFolder(folder);
    return true;
}

bool StagedFiles::Commit() {
    problem_.reset();
    if (staged_.empty()) return true;
    if (staged_.size() == 1) return CommitOne(staged_.front());
    FileSystem& fs = Files();
    // Named now, so the markers can name it before it exists: a marker
    // whose journal never came left nothing to undo.
    const std::string journal = traces::NewName(FolderOf(staged_.front().target), traces::Kind::Journal);
    if (!PlaceMarkers(journal)) return Abort(std::nullopt);
    std::set<std::string> folders;
    for (Entry& e : staged_) {
        folders.insert(FolderOf(e.target));
        e.hadOld = Exists(e.target);
        e.backup = traces::NewName(FolderOf(e.target), traces::Kind::Backup);
        // What the old and the new file hold tells a recovery which of them
        // stands in the file's place.
        std::optional<FileProblem> unread;
        e.fresh = traces::FingerprintOf(e.temp, unread);
        if (e.hadOld && !unread) e.old = traces::FingerprintOf(e.target, unread);
        if (unread) return Abort(FileProblem{unread->kind, e.path, unread->reason});
    }
    if (!WriteJournal(journal)) return Abort(std::nullopt);

    // Every old file gets a second name before any new one goes in, so each
    // name of the set always holds a whole file.
    for (Entry& e : staged_)
        if (e.hadOld)
            if (auto p = traces::KeepOld(e.target, e.backup, e.path)) return Abort(std::move(p));
    for (const std::string& folder : folders) traces::SyncFolder(folder);

    for (Entry& e : staged_)
        if (fs.Rename(e.temp, e.target) != 0) return Abort(ProblemOf(e.path, errno));

    // The commit point: from here on an interrupted save is finished, not undone.
    const std::string committed = traces::Renamed(journal_, traces::Kind::Committed);
    if (fs.Rename(journal_, committed) != 0) return Abort(ProblemOf(staged_.front().path, errno));
    journal_ = committed;
    for (const std::string& folder : folders) traces::SyncFolder(folder);

    // What cannot be removed now stays in the committed journal, for a
    // later save or load to remove.
    traces::RollForward(JournalEntries(), journal_, traces::CarriedOutBy::ItsSave);
    Release();
    return true;
}

void StagedFiles::Release() {
    for (Entry& e : staged_) CloseLock(e.tempLock);
    for (HeldMarker& m : markers_) CloseLock(m.lock);
    markers_.clear();
    CloseLock(journalLock_);
    staged_.clear();
    journal_.clear();
    reserved_.clear();
    named_.clear();
    locks_.ReleaseAll();
}

}  // namespace platform
