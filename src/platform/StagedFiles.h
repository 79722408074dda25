#pragma once
// Several files that must change together (a data file and its companions),
// as one transaction: after any failure, or a kill at any instant, each
// folder holds either every old file or every new one, and every name of the
// set holds a whole file at every instant.
//
// Stage resolves the path (absolute, symbolic links followed) and writes the
// file in full to a temporary file with a short name in the folder of the
// file it replaces, and syncs it. Commit then records the set in a journal
// beside the first file, keeps each old file under a backup name (a hard
// link, or a copy where the file system has none), renames each new one over
// its old one, marks the journal committed, and only then deletes the
// backups. A failure before that mark puts the backups back. The saving
// process holds a lock on its journal and temporary files for as long as the
// save runs; the system drops it when the process dies, so a journal nobody
// holds is a save cut short, whatever became of its process id. The next
// Stage into that folder, a load, or RecoverInterruptedSaves finishes it: the
// roll-back (journal not yet marked) or the roll-forward (marked). The
// journal names the files relative to its own folder, so a folder renamed or
// mounted elsewhere is recovered all the same.
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

    // Writes `data` beside `path`; false when it cannot be written, when the
    // file there may not be replaced (ReplaceProblem), or when an interrupted
    // save in that folder cannot be finished first.
    bool Stage(const std::string& path, std::span<const uint8_t> data);
    // The same with `head` in place of the file's first bytes and every byte
    // after them kept, copied in blocks: the file never gets shorter.
    bool StageHead(const std::string& path, std::span<const uint8_t> head);
    // Puts every staged file in place, or none; false on failure, after the
    // old files were put back.
    bool Commit();

    // Why the last Stage or Commit failed.
    const std::optional<FileProblem>& Problem() const { return problem_; }

private:
    struct Entry {
        std::string path;    // as the caller named it, for messages
        std::string target;  // the file replaced: absolute, links followed
        std::string temp;
        std::string backup;
        int tempLock = -1;   // the temporary file, open and locked
        bool hadOld = false;
        bool backedUp = false;
        bool placed = false;
    };
    bool StageFile(const std::string& path, std::span<const uint8_t> data, bool keepRest);
    bool CommitOne(Entry& e);
    bool WriteJournal();
    bool RollBack();
    void Release();
    bool Fail(const std::string& path, int error);
    bool Fail(FileProblem problem);
    // Rolls back after a failure (the problem, when given, is the reason).
    bool Abort(std::optional<FileProblem> problem);

    std::vector<Entry> staged_;
    std::string journal_;
    int journalLock_ = -1;
    std::optional<FileProblem> problem_;
};

// Why the file at `path` may not be replaced; nothing when it may, or when
// there is none. A folder or a device in a file's place is never replaced,
// nor a file the user may not write: one whose open for writing would fail,
// or that has no write permission for anyone (which holds for the superuser
// too, whom the system would let write it).
std::optional<FileProblem> ReplaceProblem(const std::string& path);

// Finishes every save that a killed process left in `folder`: a journal not
// yet marked committed is rolled back, a marked one rolled forward, and
// temporary files nobody holds are removed. Nothing when all is done, else
// the problem that stopped it; a journal that cannot be carried out in full
// stays, for the next try and for whoever looks into it.
std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folder);

// The same for the folder of `path` and, when it is a symbolic link, the
// folder of the file it resolves to.
std::optional<FileProblem> RecoverSavesBeside(const std::string& path);

// True for the names this file layer gives its temporary files, backups and
// journals.
bool IsSaveTraceName(const std::string& fileName);

}  // namespace platform
