#pragma once
// What a folder holds, to compare before and after a save: each entry's
// bytes (a link: its target), read without waiting on a FIFO.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "TempDir.h"
#include "platform/save/StagedFiles.h"

using FolderContents = std::map<std::string, std::string>;

inline std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

inline std::string ReadWithoutWaiting(const std::filesystem::path& path) {
    std::string out;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    char buffer[4096];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
    if (fd >= 0) ::close(fd);
    return out;
}

inline FolderContents Contents(const std::string& folder) {
    FolderContents out;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        out[name] = e.is_symlink() ? "-> " + std::filesystem::read_symlink(e.path()).string() : ReadWithoutWaiting(e.path());
    }
    return out;
}
inline FolderContents Contents(const TempDir& dir) { return Contents(dir.path()); }

// The folder's entries without the file layer's traces of a save.
inline FolderContents WithoutTraces(FolderContents contents) {
    std::erase_if(contents, [](const auto& e) { return platform::IsSaveTraceName(e.first); });
    return contents;
}

inline bool NoTemporaryFiles(const std::string& folder) {
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (platform::IsSaveTraceName(e.path().filename().string())) return false;
    return true;
}
inline bool NoTemporaryFiles(const TempDir& dir) { return NoTemporaryFiles(dir.path()); }
