#include "platform/FileSystem.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int FileSystem::Open(const std::string& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
ssize_t FileSystem::Read(int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); }
ssize_t FileSystem::Write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileSystem::Sync(int fd) { return ::fsync(fd); }
int FileSystem::Close(int fd) { return ::close(fd); }
int FileSystem::ChangeMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileSystem::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str());
}
int FileSystem::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
int FileSystem::Link(const std::string& from, const std::string& to) { return ::link(from.c_str(), to.c_str()); }
int FileSystem::TryLock(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB); }
int FileSystem::TryLockShared(int fd) { return ::flock(fd, LOCK_SH | LOCK_NB); }
int FileSystem::Status(int fd, struct stat& st) { return ::fstat(fd, &st); }
int FileSystem::PathStatus(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st); }
int FileSystem::LinkStatus(const std::string& path, struct stat& st) { return ::lstat(path.c_str(), &st); }
int FileSystem::Access(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS);
}

int FileSystem::ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return -1;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) break;
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    if (error == 0) return 0;
    errno = error;
    return -1;
}

void FileSystem::Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(5)); }

namespace {
FileSystem& RealFiles() {
    static FileSystem real;
    return real;
}
FileSystem* installed = nullptr;
}  // namespace

FileSystem& Files() { return installed ? *installed : RealFiles(); }

FileSystem* SetFileSystem(FileSystem* fs) {
    FileSystem* previous = installed;
    installed = fs;
    return previous;
}

}  // namespace platform
