#pragma once
// Reads that never take more than a file of the expected kind can hold, and
// writes that replace a file as one step: the new bytes go to a temporary
// file with a short name in the same folder, which is then renamed over the
// old one, so an interrupted write never leaves a half-written file behind.
// A symbolic link is followed: the file it points to is replaced and the
// link stays. Only regular files are read or replaced, and no open ever waits
// (a FIFO in a file's place would otherwise hold the program for ever). All
// calls go through platform::Files().
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Why a file could not be read or written: which file, and the system's
// reason as it words it ("No space left on device").
struct FileProblem {
    enum class Kind { Missing, TooLong, Failed };
    Kind kind = Kind::Failed;
    std::string path;
    std::string reason;

    // "<path>: <reason>", the line a message shows under its own text.
    std::string Text() const { return path + ": " + reason; }
};

// A problem from the errno of a failed call.
FileProblem ProblemOf(const std::string& path, int error);

// A whole file's bytes, or why it could not be had.
struct FileBytes {
    std::vector<uint8_t> bytes;
    std::optional<FileProblem> problem;
    bool ok() const { return !problem; }
};

// An open descriptor of the regular file at `path` for reading, or -1 with
// `problem` set: anything but a regular file is refused ("Not a regular
// file"; a folder: "Is a directory") once it is open, and the open never
// waits for a writer. With Links::Refuse a symbolic link at `path` is refused
// too ("Too many levels of symbolic links"), not followed.
enum class Links { Follow, Refuse };
int OpenRegularFile(const std::string& path, std::optional<FileProblem>& problem, Links links = Links::Follow);

// The whole file when it holds at most `limit` bytes. A longer file is
// refused (Kind::TooLong) after reading no more than limit + 1 bytes.
FileBytes ReadFileUpTo(const std::string& path, std::size_t limit);

// The first `size` bytes of a file, all of it when it is shorter.
FileBytes ReadFileHead(const std::string& path, std::size_t size);

// The same for files of no fixed kind; nothing on any problem.
inline constexpr std::size_t kSmallFileLimit = 1 << 20;
std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path,
                                                    std::size_t limit = kSmallFileLimit);

// Replaces the file with `data`; nothing on success, else the problem (the
// old file is then as it was).
std::optional<FileProblem> ReplaceFile(const std::string& path, std::span<const uint8_t> data);
bool WriteFileAtomically(const std::string& path, std::span<const std::byte> data);

// Writes `head` over the start of the file and keeps every byte after it,
// copied in blocks, so a file of any length keeps its length (a missing file
// is created holding `head`). An existing file that cannot be read is left as
// it is and reported, never replaced by `head` alone. A file that already
// starts with `head` is not written again, yet one that could not be written
// is reported all the same.
std::optional<FileProblem> WriteFileHead(const std::string& path, std::span<const uint8_t> head);

bool FileExists(const std::string& path);

// The absolute path of the file `path` names, with every symbolic link
// followed (its folders' and its own) and no "." or ".." left; the last
// link's target need not exist.
std::string ResolvedPath(const std::string& path);

}  // namespace platform
