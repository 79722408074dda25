#include "platform/SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::byte> data;
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        const auto n = static_cast<size_t>(in.gcount());
        const auto* p = reinterpret_cast<const std::byte*>(buf);
        data.insert(data.end(), p, p + n);
        if (in.eof()) break;
    }
    if (in.bad()) return std::nullopt;
    return data;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::byte> data) {
    const std::string temp = path + ".tmp~";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < data.size()) {
        const auto n = ::write(fd, data.data() + done, data.size() - done);
        if (n <= 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace platform
