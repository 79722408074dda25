#include "platform/StagedFiles.h"

#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

bool WriteAll(int fd, std::span<const uint8_t> data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const auto n = ::write(fd, data.data() + done, data.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// Makes the renames themselves survive a power cut.
void SyncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

StagedFiles::~StagedFiles() {
    for (const Entry& e : staged_) ::unlink(e.temp.c_str());
}

bool StagedFiles::Stage(const std::string& path, std::span<const uint8_t> data) {
    const std::string temp = path + ".saving~";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, data);
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        return false;
    }
    staged_.push_back({path, temp});
    return true;
}

bool StagedFiles::Commit() {
    while (!staged_.empty()) {
        const Entry e = staged_.front();
        if (std::rename(e.temp.c_str(), e.path.c_str()) != 0) return false;
        staged_.erase(staged_.begin());
        SyncFolderOf(e.path);
    }
    return true;
}

}  // namespace platform
