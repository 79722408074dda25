#include "platform/save/FolderLocks.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace platform {

namespace {

std::chrono::milliseconds patience = kDefaultLockPatience;

bool IsBusy(int error) { return error == EWOULDBLOCK || error == EAGAIN || error == EINTR; }

}  // namespace

FileProblem SavingElsewhere(const std::string& path) {
    return {FileProblem::Kind::Failed, path, "Another program is saving this file; try again when it is done"};
}

FileProblem ReadingElsewhere(const std::string& path) {
    return {FileProblem::Kind::Failed, path, "Another program is reading this file; try again when it is done"};
}

std::chrono::milliseconds SetLockPatience(std::chrono::milliseconds next) {
    const auto previous = patience;
    patience = next.count() < 0 ? kDefaultLockPatience : next;
    return previous;
}

std::chrono::steady_clock::time_point LockDeadline() { return std::chrono::steady_clock::now() + patience; }

std::optional<FileProblem> FolderLocks::Take(const std::string& folder, Mode mode,
                                             std::chrono::steady_clock::time_point deadline,
                                             const std::string& forPath) {
    FileSystem& fs = Files();
    const int fd = fs.Open(folder, O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_NOCTTY, 0);
    // A folder that cannot be opened (one that may be entered but not
    // listed) cannot be held: the markers of its sets' files stand in for
    // the lock (platform/save/SaveMarkers.h).
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fs.Status(fd, st) != 0) {
        fs.Close(fd);
        return std::nullopt;
    }
    const auto same = std::find_if(held_.begin(), held_.end(),
                                   [&](const Held& h) { return h.device == st.st_dev && h.inode == st.st_ino; });
    if (same != held_.end()) {
        if (same->mode == Mode::Exclusive || mode == Mode::Shared) {
            fs.Close(fd);
            return std::nullopt;
        }
        // Shared to exclusive: let go and queue up like anyone else, so two
        // readers that both want more cannot wait on each other.
        if (same->fd >= 0) fs.Close(same->fd);
        held_.erase(same);
    }
    for (;;) {
        const int locked = mode == Mode::Exclusive ? fs.TryLock(fd) : fs.TryLockShared(fd);
        if (locked == 0) break;
        if (!IsBusy(errno)) {
            // No locks on this file system: go on unlocked.
            fs.Close(fd);
            held_.push_back({st.st_dev, st.st_ino, -1, mode});
            return std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            // A shared lock that can be had says only readers hold it.
            FileProblem busy = fs.TryLockShared(fd) == 0 ? ReadingElsewhere(forPath) : SavingElsewhere(forPath);
            fs.Close(fd);
            return busy;
        }
        fs.Pause();
    }
    held_.push_back({st.st_dev, st.st_ino, fd, mode});
    return std::nullopt;
}

void FolderLocks::ReleaseAll() {
    for (const Held& h : held_)
        if (h.fd >= 0) Files().Close(h.fd);
    held_.clear();
}

}  // namespace platform
