#pragma once
// Saves, recoveries and loads of the files in one folder exclude each other
// across processes: a save's commit and a recovery hold the folder
// exclusively, a load holds it shared while it reads. The lock is the
// system's advisory lock on the folder itself, so nothing is created in the
// folder, a folder the user may only read can still be held for a load, and
// the system drops the lock when its holder dies. A process that finds a
// folder held waits a few seconds at most, then gives up with a reason the
// user can act on. A folder that cannot be opened goes unheld; the markers
// a save puts beside its files stand in for its lock. Where the file system
// has no such locks, folders go unlocked, and nothing tells a running save
// from a dead one.
#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "platform/SafeFile.h"
#include "platform/Seam.h"

namespace platform {

// How long a process waits for a folder another one holds.
inline constexpr std::chrono::milliseconds kDefaultLockPatience{5000};
// Installs the patience (a negative one: the default); returns the previous.
std::chrono::milliseconds SetLockPatience(std::chrono::milliseconds patience);
using ScopedLockPatience = Scoped<&SetLockPatience>;

// The moment a wait for folders that began now ends.
std::chrono::steady_clock::time_point LockDeadline();

// Why `path` cannot be had now: another program saves it, or only reads it.
FileProblem SavingElsewhere(const std::string& path);
FileProblem ReadingElsewhere(const std::string& path);

class FolderLocks {
public:
    enum class Mode { Shared, Exclusive };

    FolderLocks() = default;
    ~FolderLocks() { ReleaseAll(); }
    FolderLocks(const FolderLocks&) = delete;
    FolderLocks& operator=(const FolderLocks&) = delete;

    // Holds `folder` in `mode`, waiting while another holds it until
    // `deadline`; nothing when held (or when the folder cannot be opened, or
    // the file system has no locks), else why not, told under `forPath`. A
    // folder held already in the same mode, or exclusively, costs nothing.
    std::optional<FileProblem> Take(const std::string& folder, Mode mode,
                                    std::chrono::steady_clock::time_point deadline, const std::string& forPath);
    void ReleaseAll();

private:
    struct Held {
        dev_t device;
        ino_t inode;
        int fd;  // -1: the file system has no locks there
        Mode mode;
    };
    std::vector<Held> held_;
};

}  // namespace platform
