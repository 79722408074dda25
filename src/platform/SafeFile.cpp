#include "platform/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "platform/save/StagedFiles.h"

namespace platform {

FileProblem ProblemOf(const std::string& path, int error) {
    FileProblem p;
    p.kind = error == ENOENT ? FileProblem::Kind::Missing : FileProblem::Kind::Failed;
    p.path = path;
    p.reason = std::error_code(error, std::generic_category()).message();
    return p;
}

int OpenRegularFile(const std::string& path, std::optional<FileProblem>& problem, Links links) {
    FileSystem& fs = Files();
    const int fd = fs.Open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | (links == Links::Refuse ? O_NOFOLLOW : 0), 0);
    if (fd < 0) {
        problem = ProblemOf(path, errno);
        return -1;
    }
    struct stat st {};
    if (fs.Status(fd, st) != 0) problem = ProblemOf(path, errno);
    else if (S_ISDIR(st.st_mode)) problem = ProblemOf(path, EISDIR);
    else if (!S_ISREG(st.st_mode)) problem = FileProblem{FileProblem::Kind::Failed, path, "Not a regular file"};
    if (!problem) return fd;
    fs.Close(fd);
    return -1;
}

FileBytes ReadFileHead(const std::string& path, std::size_t wanted) {
    FileBytes out;
    FileSystem& fs = Files();
    const int fd = OpenRegularFile(path, out.problem);
    if (fd < 0) return out;
    uint8_t buffer[65536];
    while (out.bytes.size() < wanted) {
        const std::size_t room = std::min(sizeof buffer, wanted - out.bytes.size());
        const ssize_t n = fs.Read(fd, buffer, room);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.problem = ProblemOf(path, errno);
            break;
        }
        if (n == 0) break;
        out.bytes.insert(out.bytes.end(), buffer, buffer + n);
    }
    fs.Close(fd);
    if (out.problem) out.bytes.clear();
    return out;
}

FileBytes ReadFileUpTo(const std::string& path, std::size_t limit) {
    // One byte more than the limit is enough to know a file is too long, so a
    // huge file costs no more than a valid one.
    FileBytes out = ReadFileHead(path, limit == SIZE_MAX ? limit : limit + 1);
    if (!out.problem && out.bytes.size() > limit)
        out.problem = FileProblem{FileProblem::Kind::TooLong, path,
                                  "Longer than " + std::to_string(limit) + " bytes"};
    if (out.problem) out.bytes.clear();
    return out;
}

std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path, std::size_t limit) {
    FileBytes read = ReadFileUpTo(path, limit);
    if (!read.ok()) return std::nullopt;
    std::vector<std::byte> data(read.bytes.size());
    std::transform(read.bytes.begin(), read.bytes.end(), data.begin(), [](uint8_t b) { return std::byte{b}; });
    return data;
}

std::optional<FileProblem> ReplaceFile(const std::string& path, std::span<const uint8_t> data) {
    StagedFiles files;
    if (files.Stage(path, data) && files.Commit()) return std::nullopt;
    return files.Problem();
}

bool WriteFileAtomically(const std::string& path, std::span<const std::byte> data) {
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    return !ReplaceFile(path, bytes);
}

std::optional<FileProblem> WriteFileHead(const std::string& path, std::span<const uint8_t> head) {
    const FileBytes old = ReadFileHead(path, head.size());
    if (!old.ok() && old.problem->kind != FileProblem::Kind::Missing) return old.problem;
    // A file that already starts with these bytes has nothing to change.
    if (old.ok() && std::ranges::equal(old.bytes, head)) return ReplaceProblem(path);
    StagedFiles files;
    if (files.StageHead(path, head) && files.Commit()) return std::nullopt;
    return files.Problem();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string ResolvedPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p = fs::absolute(path, ec);
    if (ec) p = path;
    // A loop of links ends somewhere; the open that follows reports it.
    for (int hops = 0; hops < 40; ++hops) {
        // The folder first: a link's relative target counts from the folder
        // the link really stands in.
        const fs::path folder = fs::weakly_canonical(p.parent_path(), ec);
        if (!ec) p = folder / p.filename();
        if (!fs::is_symlink(p, ec)) break;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.lexically_normal().string();
}

}  // namespace platform
