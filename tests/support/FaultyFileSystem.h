#pragma once
// A file system that fails on cue, installed for the life of the object.
// Every call that changes something on disk (an open for writing, a write, a
// sync, a mode change, a close, a rename, an unlink, a hard link) is one step,
// counted from 1. A test can fail one step, stop the "process" after a step
// (every later change does nothing and fails, as if the program had been
// killed there; its files are closed, so their locks go as a dead process's
// do), refuse every change in one folder, fill the disk, fail reads, or
// refuse hard links as a FAT file system does.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "platform/FileSystem.h"

class FaultyFileSystem : public platform::FileSystem {
public:
    FaultyFileSystem() : previous_(platform::SetFileSystem(this)) {}
    ~FaultyFileSystem() override { platform::SetFileSystem(previous_); }
    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

    // Step `n` fails with `error` and changes nothing; the others work.
    void FailStep(int n, int error = EIO) { failStep_ = n, failError_ = error; }
    // Steps after `n` change nothing and fail.
    void DieAfter(int n) { dieAfter_ = n; }
    // Every change of a file in `folder` (a path starting with it) fails.
    void ReadOnlyFolder(std::string folder, int error = EROFS) { readOnly_ = std::move(folder), readOnlyError_ = error; }
    // Writes fail with ENOSPC once `bytes` more have been written.
    void DiskFull(std::size_t bytes) { spaceLeft_ = bytes; }
    // Reads of files whose path contains `part` fail with `error`; with
    // `outOfMemory` they throw std::bad_alloc instead.
    void FailReads(std::string part, int error = EIO, bool outOfMemory = false) {
        readPart_ = std::move(part), readError_ = error, readThrows_ = outOfMemory;
    }
    // Every open of a path containing `part` fails with EACCES, as for a
    // file another user made private.
    void Unopenable(std::string part) { unopenable_ = std::move(part); }
    // Hard links fail with EPERM.
    void NoHardLinks() { noHardLinks_ = true; }
    // Permission changes fail with `error`, as on a file system that keeps
    // no permissions (ENOSYS, EPERM).
    void NoModes(int error) { modeError_ = error; }
    // Every lock fails with `error` (ENOLCK), as where the file system keeps
    // no locks.
    void NoLocks(int error = ENOLCK) { lockError_ = error; }
    // `folder` may be entered but neither listed nor opened, as a folder of
    // mode 0711 to a user who does not own it; each call adds one.
    void Unlistable(std::string folder) { unlistable_.push_back(std::move(folder)); }
    // Removing a file whose path contains `part` fails with EPERM, as for
    // another user's file in a shared folder.
    void Undeletable(std::string part) { undeletable_ = std::move(part); }
    // Files whose path contains `part` belong to another user; each call
    // adds one.
    void ForeignOwner(std::string part) { foreign_.push_back(std::move(part)); }
    void Heal() {
        failStep_ = dieAfter_ = -1;
        readOnly_.clear();
        spaceLeft_.reset();
        readPart_.clear();
        unopenable_.clear();
        unlistable_.clear();
        undeletable_.clear();
        foreign_.clear();
        lockError_ = 0;
    }

    int steps = 0;            // changes attempted so far
    // Called with each step's number before the step is taken.
    std::function<void(int)> beforeStep;
    // Called whenever a wait for a lock pauses: the process is waiting now.
    std::function<void()> onPause;
    std::vector<std::string> log;  // what each step was, for failure messages
    std::vector<std::string> locked;  // what was locked, in order, by the path it was opened by

    int Open(const std::string& path, int flags, mode_t mode) override {
        if (!unopenable_.empty() && path.find(unopenable_) != std::string::npos) return Failed(EACCES);
        if (IsUnlistable(path)) return Failed(EACCES);
        if ((flags & (O_WRONLY | O_RDWR | O_CREAT)) == 0) {
            if (ReadFails(path)) return -1;
            return Opened(Opened(FileSystem::Open(path, flags, mode), path, readPaths_), path, openPaths_);
        }
        if (const int e = Step("open " + path, path)) return Failed(e);
        return Opened(FileSystem::Open(path, flags, mode), path, openPaths_);
    }
    ssize_t Read(int fd, void* buffer, std::size_t size) override {
        if (fd >= 0 && static_cast<std::size_t>(fd) < readPaths_.size() && ReadFails(readPaths_[fd])) return -1;
        return FileSystem::Read(fd, buffer, size);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (const int e = Step("write", "")) return Failed(e);
        if (spaceLeft_) {
            if (*spaceLeft_ == 0) return Failed(ENOSPC);
            size = std::min(size, *spaceLeft_);
            *spaceLeft_ -= size;
        }
        return FileSystem::Write(fd, data, size);
    }
    // A sync is a step, but not carried out: no test cuts the power, and
    // the disk would only slow every step down.
    int Sync(int fd) override {
        if (const int e = Step("sync", "")) return Failed(e);
        return fd >= 0 ? 0 : Failed(EBADF);
    }
    int Close(int fd) override {
        for (auto* paths : {&readPaths_, &openPaths_})
            if (fd >= 0 && static_cast<std::size_t>(fd) < paths->size()) (*paths)[fd].clear();
        // A killed process's files are closed all the same.
        const int e = Step("close", "");
        const int result = FileSystem::Close(fd);
        return e ? Failed(e) : result;
    }
    int ChangeMode(int fd, mode_t mode) override {
        if (const int e = Step("chmod", "")) return Failed(e);
        if (modeError_) return Failed(modeError_);
        return FileSystem::ChangeMode(fd, mode);
    }
    void Pause() override {
        if (onPause) onPause();
        FileSystem::Pause();
    }
    int TryLock(int fd) override { return Locked(fd, lockError_ ? Failed(lockError_) : FileSystem::TryLock(fd)); }
    int TryLockShared(int fd) override {
        return Locked(fd, lockError_ ? Failed(lockError_) : FileSystem::TryLockShared(fd));
    }
    int Status(int fd, struct stat& st) override {
        const int result = FileSystem::Status(fd, st);
        if (result == 0 && fd >= 0 && static_cast<std::size_t>(fd) < readPaths_.size()) Disown(readPaths_[fd], st);
        return result;
    }
    int PathStatus(const std::string& path, struct stat& st) override {
        const int result = FileSystem::PathStatus(path, st);
        if (result == 0) Disown(path, st);
        return result;
    }
    int LinkStatus(const std::string& path, struct stat& st) override {
        const int result = FileSystem::LinkStatus(path, st);
        if (result == 0) Disown(path, st);
        return result;
    }
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        if (IsUnlistable(folder)) return Failed(EACCES);
        return FileSystem::ListFolder(folder, names);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (const int e = Step("rename " + from + " -> " + to, to, from)) return Failed(e);
        return FileSystem::Rename(from, to);
    }
    int Unlink(const std::string& path) override {
        if (const int e = Step("unlink " + path, path)) return Failed(e);
        if (!undeletable_.empty() && path.find(undeletable_) != std::string::npos) return Failed(EPERM);
        return FileSystem::Unlink(path);
    }
    int Link(const std::string& from, const std::string& to) override {
        if (const int e = Step("link " + from + " -> " + to, to, from)) return Failed(e);
        if (noHardLinks_) return Failed(EPERM);
        return FileSystem::Link(from, to);
    }

private:
    // The errno this step fails with, or 0 when it goes ahead.
    int Step(std::string what, const std::string& path, const std::string& other = "") {
        ++steps;
        log.push_back(std::to_string(steps) + ": " + what);
        if (beforeStep) beforeStep(steps);
        if (dieAfter_ >= 0 && steps > dieAfter_) return EIO;
        if (steps == failStep_) return failError_;
        if (!readOnly_.empty() && (In(path, readOnly_) || In(other, readOnly_))) return readOnlyError_;
        return 0;
    }
    int Locked(int fd, int result) {
        if (result == 0 && fd >= 0 && static_cast<std::size_t>(fd) < openPaths_.size()) locked.push_back(openPaths_[fd]);
        return result;
    }
    bool IsUnlistable(std::string path) const {
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        return std::find(unlistable_.begin(), unlistable_.end(), path) != unlistable_.end();
    }
    void Disown(const std::string& path, struct stat& st) const {
        for (const std::string& part : foreign_)
            if (path.find(part) != std::string::npos) st.st_uid = ::geteuid() + 1;
    }
    static int Opened(int fd, const std::string& path, std::vector<std::string>& paths) {
        if (fd >= 0) paths.resize(std::max<std::size_t>(paths.size(), fd + 1)), paths[fd] = path;
        return fd;
    }
    static bool In(const std::string& path, const std::string& folder) {
        return !path.empty() && path.rfind(folder + "/", 0) == 0;
    }
    bool ReadFails(const std::string& path) {
        if (readPart_.empty() || path.find(readPart_) == std::string::npos) return false;
        if (readThrows_) throw std::bad_alloc();
        errno = readError_;
        return true;
    }
    static int Failed(int error) {
        errno = error;
        return -1;
    }

    platform::FileSystem* previous_;
    int failStep_ = -1, failError_ = EIO;
    int dieAfter_ = -1;
    std::string readOnly_;
    int readOnlyError_ = EROFS;
    std::optional<std::size_t> spaceLeft_;
    std::string readPart_;
    int readError_ = EIO;
    bool readThrows_ = false;
    bool noHardLinks_ = false;
    int modeError_ = 0;
    int lockError_ = 0;
    std::string unopenable_, undeletable_;
    std::vector<std::string> unlistable_, foreign_;
    // The path each open descriptor was opened by: those opened for reading,
    // and all of them.
    std::vector<std::string> readPaths_, openPaths_;
};
