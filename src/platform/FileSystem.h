#pragma once
// The system calls every file the program reads or writes goes through (and
// the direct write to a serial device), so tests can make one of them fail
// (a rename refused, a full disk, a folder that cannot be written or listed,
// a device with no room, a process killed half-way) without changing the
// code that production runs. The base class is the real file system; a test
// installs a subclass for the length of one test.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Each returns what the system call returns and leaves errno set on failure.
    virtual int Open(const std::string& path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* buffer, std::size_t size);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int ChangeMode(int fd, mode_t mode);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
    virtual int Link(const std::string& from, const std::string& to);
    // Takes the exclusive advisory lock of an open file without waiting: -1
    // with EWOULDBLOCK while another open of it holds the lock, even one of
    // this process. The system drops the lock when its holder dies.
    virtual int TryLock(int fd);
    // The same for a shared lock, which any number of opens may hold at once
    // while nobody holds the exclusive one.
    virtual int TryLockShared(int fd);
    virtual int Status(int fd, struct stat& st);
    virtual int PathStatus(const std::string& path, struct stat& st);  // follows links
    virtual int LinkStatus(const std::string& path, struct stat& st);  // of a link itself
    // Whether this process may open the file with `mode` (W_OK, R_OK).
    virtual int Access(const std::string& path, int mode);
    // The names in `folder` (without "." and ".."); -1 with errno set when
    // it cannot be listed, even part-way.
    virtual int ListFolder(const std::string& folder, std::vector<std::string>& names);
    // Waits a moment before a lock is tried again.
    virtual void Pause();
};

// The file system in use: the real one unless a test installed another.
FileSystem& Files();
// Installs `fs` (nullptr: the real one again) and returns the one it replaces.
FileSystem* SetFileSystem(FileSystem* fs);

}  // namespace platform
