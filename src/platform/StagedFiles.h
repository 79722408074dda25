#pragma once
// Several files that must change together (a data file and its companions):
// each is first written in full to a temporary file in its own folder and
// synced, and only when all were written are they renamed into place, in
// the order they were staged. A failure before the renames leaves every old
// file as it was; temporary files never stay behind.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();  // removes what was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Writes `data` beside `path`; false when it cannot be written.
    bool Stage(const std::string& path, std::span<const uint8_t> data);
    // Renames the staged files into place in staging order; false at the
    // first rename that fails (the files not yet renamed keep their old
    // contents).
    bool Commit();

private:
    struct Entry {
        std::string path;
        std::string temp;
    };
    std::vector<Entry> staged_;
};

}  // namespace platform
