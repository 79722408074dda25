#include "platform/save/SaveRecovery.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "platform/save/SaveJournal.h"
#include "platform/save/SaveMarkers.h"
#include "platform/save/SaveTraces.h"

namespace platform {

namespace {

using traces::JournalEntry;
using traces::Kind;
using Clock = std::chrono::steady_clock;

bool Contains(std::span<const std::string> files, const std::string& file) {
    return std::find(files.begin(), files.end(), file) != files.end();
}

// What may go on while a journal stays: a load may read a set that stands
// whole, a save may replace only files no journal still needs.
enum class Purpose { Reading, Saving };

// A journal found in a folder or through a marker, read.
struct FoundJournal : traces::JournalFile {
    bool committed = false;

    explicit FoundJournal(traces::JournalFile file)
        : JournalFile(std::move(file)), committed(traces::KindOf(traces::NameOf(path)) == Kind::Committed) {}

    bool Names(std::span<const std::string> files) const {
        return std::any_of(files.begin(), files.end(), [&](const std::string& f) { return JournalFile::Names(f); });
    }
    // Whether `files` may be replaced while the journal stays: a committed
    // save left every file new, and only a journal that cannot be read may
    // name any file.
    bool Blocks(std::span<const std::string> files) const { return !committed && (!entries || Names(files)); }
    bool Keeps(std::span<const std::string> files, Purpose purpose) const {
        if (!Blocks(files)) return false;
        return purpose == Purpose::Saving || !entries || !traces::Whole(*entries);
    }
    bool IsJournal(const std::string& other) const {
        return traces::Renamed(path, Kind::Journal) == traces::Renamed(other, Kind::Journal);
    }
};

// What a look at a set's folders and at its files' markers finds.
struct Found {
    std::vector<FoundJournal> journals;
    std::vector<std::string> strays;  // temporary files and markers of the folders listed
    bool running = false;             // a marker of a save under way
    std::optional<FileProblem> unlookable;  // a marker that cannot be looked into

    bool Any() const { return !journals.empty() || !strays.empty(); }
    void Add(std::optional<traces::JournalFile> file) {
        if (!file) return;
        FoundJournal j(std::move(*file));
        if (std::none_of(journals.begin(), journals.end(), [&](const FoundJournal& k) { return k.IsJournal(j.path); }))
            journals.push_back(std::move(j));
    }
};

// A folder that cannot be listed hides nothing that matters: a save of a
// set's file that could have changed it has a marker beside the file.
void ListTraces(const std::string& folder, Found& found) {
    std::vector<std::string> names;
    if (Files().ListFolder(folder, names) != 0) return;
    for (const std::string& name : names) {
        const auto kind = traces::KindOf(name);
        if (!kind || *kind == Kind::Backup) continue;
        const std::string path = folder + "/" + name;
        if (*kind == Kind::Temp || *kind == Kind::Marker)
            found.strays.push_back(path);
        else
            found.Add(traces::ReadJournalFile(path));
    }
}

Found Survey(std::span<const std::string> folders, std::span<const std::string> files) {
    Found found;
    for (const std::string& folder : folders) ListTraces(folder, found);
    for (const std::string& file : files) {
        traces::MarkerLook look = traces::LookAtMarker(file);
        using State = traces::MarkerLook::State;
        if (look.state == State::Running) found.running = true;
        if (look.state == State::Unreadable && !found.unlookable) found.unlookable = look.problem;
        if (look.state == State::Left) found.Add(std::move(look.journal));
    }
    return found;
}

// The folders of `files`, once each, in the order every process takes them.
std::vector<std::string> FoldersOf(std::span<const std::string> files) {
    std::vector<std::pair<traces::Identity, std::string>> folders;
    for (const std::string& f : files) {
        std::string folder = traces::FolderOf(f);
        folders.emplace_back(traces::IdentityOf(folder), std::move(folder));
    }
    std::sort(folders.begin(), folders.end());
    std::vector<std::string> out;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const auto& [id, path] = folders[i];
        const bool same = i > 0 && folders[i - 1].first == id && (!id.unknown || folders[i - 1].second == path);
        if (!same) out.push_back(path);
    }
    return out;
}

std::optional<FileProblem> TakeAll(std::span<const std::string> folders, FolderLocks& locks, FolderLocks::Mode mode,
                                   Clock::time_point deadline, const std::string& forPath) {
    for (const std::string& folder : folders)
        if (auto busy = locks.Take(folder, mode, deadline, forPath)) return busy;
    return std::nullopt;
}

FileProblem AnotherUsersSave(const FoundJournal& j) {
    return {FileProblem::Kind::Failed, j.path,
            "Another user's save of " + traces::SetNames(*j.entries) +
                " was cut short; only that user's program can finish it"};
}

// Why a load leaves a journal where the file system keeps no locks: a
// running save cannot be told from a dead one, and only a save finishes it.
FileProblem MayBeUnderWay(const FoundJournal& j) {
    return {FileProblem::Kind::Failed, j.path,
            "A save of " + traces::SetNames(*j.entries) +
                " may still be under way (this file system keeps no locks that would tell); try again when it is "
                "done, or save the file to finish a save that was cut short"};
}

// The journal, open and locked, once the save or recovery that holds it is
// done; not open when it is gone meanwhile, or with `problem` set.
traces::TraceFile LockJournal(const FoundJournal& j, traces::NoLocks noLocks, Clock::time_point deadline,
                              const std::string& forPath, std::optional<FileProblem>& problem) {
    for (;;) {
        traces::TraceFile lock = traces::LockIfAbandoned(j.path, noLocks);
        if (lock.fd >= 0) {
            // The file read must be the one locked, still under its name: a
            // save that committed it just before it died has renamed it, and
            // the journal read then is no longer the journal.
            if (lock.st.st_dev == j.st.st_dev && lock.st.st_ino == j.st.st_ino && traces::StillAt(lock, j.path))
                return lock;
            lock.Close();
            return lock;
        }
        if (lock.error == ENOENT || !lock.odd.empty()) return lock;
        if (traces::IsNoLockError(lock.error)) {
            problem = MayBeUnderWay(j);
            return lock;
        }
        if (lock.error != EWOULDBLOCK) {
            problem = traces::Unfinished(j.path, j.path, traces::SetNames(*j.entries),
                                         ProblemOf(j.path, lock.error).reason);
            return lock;
        }
        if (Clock::now() >= deadline) {
            problem = SavingElsewhere(forPath);
            return lock;
        }
        Files().Pause();
    }
}

// Carries out a journal once it holds every folder the journal touches;
// nothing when it is done and gone (or gone meanwhile). Only what its own
// save could have written is carried out: a journal of this user's, whose
// files outside its folder belong to the set `files` being saved or loaded.
// A load never carries out a journal it cannot lock: where the file system
// keeps no locks, its save may still be running.
std::optional<FileProblem> Finish(const FoundJournal& j, std::span<const std::string> files, FolderLocks& locks,
                                  Clock::time_point deadline, const std::string& forPath, Purpose purpose) {
    if (!j.entries) return j.unreadable;
    const std::string set = traces::SetNames(*j.entries);
    const std::string home = traces::FolderOf(j.path);
    std::vector<std::string> targets;
    for (const JournalEntry& e : *j.entries) {
        if (traces::FolderOf(e.target) != home && !Contains(files, e.target))
            return traces::Unfinished(e.target, j.path, set, "it stands in another folder; opening it finishes the save");
        targets.push_back(e.target);
    }
    if (auto busy = TakeAll(FoldersOf(targets), locks, FolderLocks::Mode::Exclusive, deadline, forPath)) return busy;
    std::optional<FileProblem> problem;
    const auto noLocks = purpose == Purpose::Reading ? traces::NoLocks::Leave : traces::NoLocks::Take;
    traces::TraceFile lock = LockJournal(j, noLocks, deadline, forPath, problem);
    if (lock.fd < 0) return problem;
    if (!lock.Own())
        problem = AnotherUsersSave(j);
    else
        problem = j.committed ? traces::RollForward(*j.entries, j.path) : traces::RollBack(*j.entries, j.path);
    lock.Close();
    return problem;
}

// Removes a temporary file or marker nobody holds and nobody needs, when
// this user's program left it; whether it did.
bool RemoveStray(const std::string& path) {
    if (traces::KindOf(traces::NameOf(path)) == Kind::Marker) return traces::RemoveIfStale(path);
    traces::TraceFile lock = traces::LockIfAbandoned(path);
    // A temporary file that stays takes room and nothing else.
    const bool removed = lock.Own() && Files().Unlink(path) == 0;
    lock.Close();
    return removed;
}

// Carries out every journal of `folders` (held exclusively) and every one
// the markers of `files` name, and removes the strays nobody holds or
// needs; the journals that stay, with why.
std::vector<std::pair<FoundJournal, FileProblem>> Recover(std::span<const std::string> folders,
                                                          std::span<const std::string> files, FolderLocks& locks,
                                                          Clock::time_point deadline, const std::string& forPath,
                                                          Purpose purpose) {
    const Found found = Survey(folders, files);
    std::vector<std::pair<FoundJournal, FileProblem>> stayed;
    for (const FoundJournal& j : found.journals)
        if (auto problem = Finish(j, files, locks, deadline, forPath, purpose))
            stayed.emplace_back(j, std::move(*problem));

    // A journal that stays may still need its temporary files and markers;
    // one that cannot be read may name any of its folder's.
    std::set<std::string> needed, closed;
    for (const auto& [j, problem] : stayed) {
        if (!j.entries) {
            closed.insert(traces::FolderOf(j.path));
            continue;
        }
        for (const JournalEntry& e : *j.entries) needed.insert({e.temp, traces::MarkerOf(e.target)});
    }
    std::set<std::string> touched;
    for (const std::string& stray : found.strays) {
        const std::string folder = traces::FolderOf(stray);
        if (needed.contains(stray) || closed.contains(folder)) continue;
        if (RemoveStray(stray)) touched.insert(folder);
    }
    for (const std::string& folder : touched) traces::SyncFolder(folder);
    return stayed;
}

std::optional<FileProblem> RecoverFor(std::span<const std::string> files, FolderLocks& locks,
                                      Clock::time_point deadline, const std::string& forPath, Purpose purpose) {
    const std::vector<std::string> folders = FoldersOf(files);
    if (auto busy = TakeAll(folders, locks, FolderLocks::Mode::Exclusive, deadline, forPath)) return busy;
    for (const auto& [j, problem] : Recover(folders, files, locks, deadline, forPath, purpose))
        if (j.Keeps(files, purpose)) return problem;
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folderName) {
    // The folder as its journals name their files from: links followed.
    std::string folder = ResolvedPath(folderName);
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    FolderLocks locks;
    const auto deadline = LockDeadline();
    if (auto busy = locks.Take(folder, FolderLocks::Mode::Exclusive, deadline, folder)) return busy;
    const std::vector<std::string> folders{folder};
    auto stayed = Recover(folders, {}, locks, deadline, folder, Purpose::Saving);
    if (stayed.empty()) return std::nullopt;
    return stayed.front().second;
}

std::optional<FileProblem> RecoverSavesOf(std::span<const std::string> files, FolderLocks& locks,
                                          std::chrono::steady_clock::time_point deadline) {
    return RecoverFor(files, locks, deadline, files.front(), Purpose::Saving);
}

SetReading::Seen SetReading::Look(const std::string& file) {
    struct stat st {};
    if (Files().PathStatus(file, st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

std::optional<FileProblem> SetReading::Hold(std::span<const std::string> named, Clock::time_point deadline) {
    // A file of the set may be a link into another folder, whose saves
    // concern the set as much as those beside the data file.
    files_.clear();
    for (const std::string& path : named) files_.push_back(ResolvedPath(path));
    const std::string& forPath = named.front();
    const std::vector<std::string> folders = FoldersOf(files_);
    // What a dead save left is cleared away once; after that only a save of
    // these files cut short again calls for another round.
    bool cleared = false;
    for (;;) {
        locks_.ReleaseAll();
        if (auto busy = TakeAll(folders, locks_, FolderLocks::Mode::Shared, deadline, forPath)) return busy;
        seen_.clear();
        for (const std::string& file : files_) seen_.push_back(Look(file));
        const Found found = Survey(folders, files_);
        const bool waiting = found.running || found.unlookable;
        const bool kept = std::any_of(found.journals.begin(), found.journals.end(),
                                      [&](const FoundJournal& j) { return j.Keeps(files_, Purpose::Reading); });
        if (!waiting && !kept && (cleared || !found.Any())) return std::nullopt;
        locks_.ReleaseAll();
        if (!waiting) {
            // A save of these files cut short again and again is as good as
            // one under way.
            if (cleared && Clock::now() >= deadline) return SavingElsewhere(forPath);
            if (auto problem = RecoverFor(files_, locks_, deadline, forPath, Purpose::Reading)) return problem;
            cleared = true;
            continue;
        }
        if (Clock::now() >= deadline) return found.unlookable.value_or(SavingElsewhere(forPath));
        Files().Pause();
    }
}

bool SetReading::Unchanged() const {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (!(Look(files_[i]) == seen_[i])) return false;
    return true;
}

}  // namespace platform
