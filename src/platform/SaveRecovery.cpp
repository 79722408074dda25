#include "platform/SaveRecovery.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/SaveJournal.h"
#include "platform/SaveTraces.h"

namespace platform {

namespace {

namespace fsys = std::filesystem;
using traces::JournalEntry;
using traces::Kind;

// A journal found in a folder, read.
struct FoundJournal {
    std::string path;
    bool committed = false;
    std::optional<std::vector<JournalEntry>> entries;  // nothing: it cannot be read
    std::optional<FileProblem> unreadable;

    bool Names(std::span<const std::string> files) const {
        return entries && std::any_of(entries->begin(), entries->end(), [&](const JournalEntry& e) {
                   return std::find(files.begin(), files.end(), e.target) != files.end();
               });
    }
    // Whether `files` may be read or replaced while the journal stays: a
    // committed save left every file new, and only a journal that cannot be
    // read may name any file.
    bool Blocks(std::span<const std::string> files) const { return !committed && (!entries || Names(files)); }
};

struct FolderTraces {
    std::vector<FoundJournal> journals;
    std::vector<std::string> temps;
};

FolderTraces TracesIn(const std::string& folder) {
    FolderTraces found;
    std::error_code ec;
    fsys::directory_iterator it(folder, ec);
    for (; !ec && it != fsys::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto kind = traces::KindOf(name);
        if (!kind) continue;
        const std::string path = folder + "/" + name;
        if (*kind == Kind::Temp) found.temps.push_back(path);
        if (*kind != Kind::Journal && *kind != Kind::Committed) continue;
        FoundJournal j{path, *kind == Kind::Committed, std::nullopt, std::nullopt};
        const FileBytes bytes = ReadFileUpTo(path, kSmallFileLimit);
        if (bytes.ok()) j.entries = traces::DecodeJournal(bytes.bytes, folder);
        if (!j.entries)
            j.unreadable = traces::Unfinished(path, path, "", bytes.ok() ? "its record cannot be read"
                                                                      : "its record cannot be read: " +
                                                                            bytes.problem->reason);
        found.journals.push_back(std::move(j));
    }
    return found;
}

std::vector<std::string> FoldersOf(std::span<const std::string> files) {
    std::vector<std::string> folders;
    for (const std::string& f : files) folders.push_back(traces::FolderOf(f));
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    return folders;
}

// A file of `files` in `folder`, to name in a message about the folder.
const std::string& FileIn(const std::string& folder, std::span<const std::string> files) {
    for (const std::string& f : files)
        if (traces::FolderOf(f) == folder) return f;
    return files.front();
}

// Carries out a journal once it holds every folder the journal touches;
// nothing when it is done and gone.
std::optional<FileProblem> Finish(const FoundJournal& j, FolderLocks& locks,
                                  std::chrono::steady_clock::time_point deadline) {
    if (!j.entries) return j.unreadable;
    for (const JournalEntry& e : *j.entries)
        if (auto busy = locks.Take(traces::FolderOf(e.target), FolderLocks::Mode::Exclusive, deadline, e.target))
            return busy;
    int error = 0;
    int lock = traces::LockIfAbandoned(j.path, error);
    if (lock < 0) {
        if (error == ENOENT) return std::nullopt;  // carried out meanwhile
        const std::string& first = j.entries->empty() ? j.path : j.entries->front().target;
        if (error == EWOULDBLOCK) return SavingElsewhere(first);
        return traces::Unfinished(j.path, j.path, traces::SetNames(*j.entries), ProblemOf(j.path, error).reason);
    }
    auto problem = j.committed ? traces::RollForward(*j.entries, j.path) : traces::RollBack(*j.entries, j.path);
    traces::CloseLock(lock);
    return problem;
}

// Carries out every journal of `folder` (held exclusively) and removes the
// temporary files nobody holds or needs; the journals that stay, with why.
std::vector<std::pair<FoundJournal, FileProblem>> RecoverFolder(const std::string& folder, FolderLocks& locks,
                                                                 std::chrono::steady_clock::time_point deadline) {
    const FolderTraces found = TracesIn(folder);
    std::vector<std::pair<FoundJournal, FileProblem>> stayed;
    for (const FoundJournal& j : found.journals)
        if (auto problem = Finish(j, locks, deadline)) stayed.emplace_back(j, std::move(*problem));

    // A journal that stays may still need its temporary files; one that
    // cannot be read may name any of them.
    std::set<std::string> needed;
    for (const auto& [j, problem] : stayed) {
        if (!j.entries) return stayed;
        for (const JournalEntry& e : *j.entries) needed.insert(e.temp);
    }
    FileSystem& fs = Files();
    for (const std::string& temp : found.temps) {
        if (needed.contains(temp)) continue;
        int error = 0;
        int lock = traces::LockIfAbandoned(temp, error);
        if (lock < 0) continue;  // a save under way, or gone already
        // A temporary file that stays takes room and nothing else.
        fs.Unlink(temp);
        traces::CloseLock(lock);
    }
    if (!found.journals.empty() || !found.temps.empty()) traces::SyncFolder(folder);
    return stayed;
}

}  // namespace

std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folderName) {
    // The folder as its journals name their files from: links followed.
    std::string folder = ResolvedPath(folderName);
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    FolderLocks locks;
    if (auto busy = locks.Take(folder, FolderLocks::Mode::Exclusive, LockDeadline(), folder)) return busy;
    auto stayed = RecoverFolder(folder, locks, LockDeadline());
    if (stayed.empty()) return std::nullopt;
    return stayed.front().second;
}

std::optional<FileProblem> RecoverSavesOf(std::span<const std::string> files, FolderLocks& locks,
                                          std::chrono::steady_clock::time_point deadline) {
    const std::vector<std::string> folders = FoldersOf(files);
    for (const std::string& folder : folders)
        if (auto busy = locks.Take(folder, FolderLocks::Mode::Exclusive, deadline, FileIn(folder, files)))
            return busy;
    for (const std::string& folder : folders)
        for (const auto& [j, problem] : RecoverFolder(folder, locks, deadline))
            if (j.Blocks(files)) return problem;
    return std::nullopt;
}

std::optional<FileProblem> HoldForReading(std::span<const std::string> named, FolderLocks& locks) {
    // A file of the set may be a link into another folder, whose saves
    // concern the set as much as those beside the data file.
    std::vector<std::string> files;
    for (const std::string& path : named) files.push_back(ResolvedPath(path));
    const auto deadline = LockDeadline();
    const std::vector<std::string> folders = FoldersOf(files);
    // What a dead save left is cleared away once; after that only a save of
    // these files cut short again (between the recovery and the shared hold)
    // calls for another round, and a few rounds see that finished too.
    bool cleared = false;
    for (int round = 0; round < 5; ++round) {
        locks.ReleaseAll();
        for (const std::string& folder : folders)
            if (auto busy = locks.Take(folder, FolderLocks::Mode::Shared, deadline, FileIn(folder, files)))
                return busy;
        bool blocked = false, traces = false;
        for (const std::string& folder : folders) {
            const FolderTraces found = TracesIn(folder);
            traces = traces || !found.journals.empty() || !found.temps.empty();
            blocked = blocked || std::any_of(found.journals.begin(), found.journals.end(),
                                             [&](const FoundJournal& j) { return j.Blocks(files); });
        }
        if (!blocked && (cleared || !traces)) return std::nullopt;
        locks.ReleaseAll();
        if (auto problem = RecoverSavesOf(files, locks, deadline)) return problem;
        cleared = true;
    }
    locks.ReleaseAll();
    return SavingElsewhere(files.front());
}

}  // namespace platform
