#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace platform {
namespace {
std::string& Folder() {
    static std::string folder = ExecutableFolder();
    return folder;
}
}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

const std::string& ProgramFolder() { return Folder(); }

std::string SetProgramFolder(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return std::exchange(Folder(), std::move(folder));
}

std::string BesideProgram(std::string_view relative) {
    while (!relative.empty() && (relative.front() == '/' || relative.front() == '\\'))
        relative.remove_prefix(1);
    std::string path = Folder() + "/" + std::string(relative);
    for (auto& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace platform
