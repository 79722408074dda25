#pragma once
// Several files that must change together (a data file and its companions),
// as one transaction: after any failure, or a kill at any instant, each
// folder holds either every old file or every new one.
//
// Stage writes each file in full to a temporary file with a short name in
// the folder of the file it replaces (a symbolic link's target) and syncs it.
// Commit then records the set in a journal beside the first file, moves each
// old file to a backup name and the new one into place, marks the journal
// committed, and only then deletes the backups. A failure before that mark
// moves the backups back. A process killed half-way leaves the journal, and
// the next Stage into that folder, or RecoverInterruptedSaves, finishes the
// roll-back (journal not yet marked) or the roll-forward (marked).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/SafeFile.h"

namespace platform {

class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();  // removes what was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Writes `data` beside `path`; false when it cannot be written, or when
    // an interrupted save in that folder cannot be finished first.
    bool Stage(const std::string& path, std::span<const uint8_t> data);
    // Puts every staged file in place, or none; false on failure, after the
    // old files were put back.
    bool Commit();

    // Why the last Stage or Commit failed.
    const std::optional<FileProblem>& Problem() const { return problem_; }

private:
    struct Entry {
        std::string path;    // as the caller named it
        std::string target;  // the file replaced (links followed)
        std::string temp;
        std::string backup;
        bool hadOld = false;
        bool backedUp = false;
        bool placed = false;
    };
    bool CommitOne(Entry& e);
    bool RollBack();
    bool Fail(const std::string& path, int error);

    std::vector<Entry> staged_;
    std::string journal_;
    std::optional<FileProblem> problem_;
};

// Finishes every save that a killed process left in `folder`: a journal not
// yet marked committed is rolled back, a marked one rolled forward, and
// temporary files of no journal are removed. Nothing when all is done, else
// the problem that stopped it (a pending save stays for the next try).
std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folder);

// The same for the folder of `path` and, when it is a symbolic link, the
// folder of the file it points to.
std::optional<FileProblem> RecoverSavesBeside(const std::string& path);

// True for the names this file layer gives its temporary files, backups and
// journals.
bool IsSaveTraceName(const std::string& fileName);

}  // namespace platform
