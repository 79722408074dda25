#pragma once
// Several files that must change together (a data file and its companions),
// as one transaction: after any failure, or a kill at any instant, each
// folder holds either every old file or every new one, and every name of the
// set holds a whole file at every instant.
//
// A save holds the folder of each file it stages exclusively
// (platform/save/FolderLocks.h) from its first Stage there until it ends, and
// finishes first any save cut short that touches the file
// (platform/save/SaveRecovery.h). Stage resolves the path (absolute, symbolic
// links followed) and writes the file in full to a temporary file with a
// short name in the folder of the file it replaces, and syncs it. Commit then
// puts a marker beside each file (platform/save/SaveMarkers.h), waiting while
// another save's stands there, records the set in a journal beside the first
// file (with fingerprints of each old and new file), keeps each old file
// under a backup name (a hard link, or a copy where the file system has
// none), renames each new one over its old one, marks the journal committed,
// and only then deletes the backups, the journal and last the markers. A
// failure before that mark puts the old files back the way a recovery would.
// Whether every file may be replaced (a shared folder lets only a file's
// owner replace it) is known before anything is written. The
// saving process also holds a lock on its journal, markers and temporary
// files for as long as the save runs. A folder that cannot be held (one the
// user may write but not list) is still saved into: its markers keep the
// save apart from others and tell it of a save of its files cut short.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

#include "platform/save/FolderLocks.h"
#include "platform/SafeFile.h"
#include "platform/save/SaveJournal.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/SaveTraces.h"

namespace platform {

class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();  // removes what was staged and not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Holds the folders of every file of the set at once (in the one order
    // every save takes them, so two saves cannot wait on each other) and
    // finishes the saves cut short that touch them, before anything is
    // staged. Optional: Stage does the same for its own file. False when
    // another program keeps a folder busy, or a save of one of the files
    // that was cut short cannot be finished.
    bool Reserve(std::span<const std::string> paths);

    // Writes `data` beside `path`; false when it cannot be written, when the
    // file there may not be replaced (ReplaceProblem), or when it cannot be
    // reserved.
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
    // What the journal says of a file (its target: absolute, links
    // followed), and what only the saving process knows.
    struct Entry : traces::JournalEntry {
        std::string path;   // as the caller named it, for messages
        int tempLock = -1;  // the temporary file, open and locked
        mode_t mode = 0;    // the new file's permissions
    };
    bool Hold(const std::vector<std::string>& named);
    bool StageFile(const std::string& path, std::span<const uint8_t> data, bool keepRest);
    bool CommitOne(Entry& e);
    bool PlaceMarkers(const std::string& journal);
    bool WriteJournal(const std::string& journal);
    void RemoveMarkersHeld();
    std::vector<traces::JournalEntry> JournalEntries() const;
    void Release();
    bool Fail(const std::string& path, int error);
    bool Fail(FileProblem problem);
    // Puts the old files back after a failure (the problem, when given, is
    // the reason); what cannot be undone now stays in the journal.
    bool Abort(std::optional<FileProblem> problem);

    struct HeldMarker {
        std::string path;
        int lock = -1;
    };

    std::vector<Entry> staged_;
    std::vector<HeldMarker> markers_;
    std::string journal_;
    int journalLock_ = -1;
    std::string named_;  // the first file named, for messages about the whole set
    FolderLocks locks_;
    std::vector<std::string> reserved_;  // targets whose folders are held and recovered
    std::optional<FileProblem> problem_;
};

// Why the file at `path` may not be replaced; nothing when it may, or when
// there is none. A folder or a device in a file's place is never replaced,
// nor a file the user may not write: one whose open for writing would fail,
// or that has no write permission for anyone (which holds for the superuser
// too, whom the system would let write it), or another user's in a shared
// folder (StickyFolderLets).
std::optional<FileProblem> ReplaceProblem(const std::string& path);

// True for the names this file layer gives its temporary files, backups,
// journals and markers.
bool IsSaveTraceName(const std::string& fileName);

// Whether a folder of mode `folderMode` owned by `folderOwner` lets `user`
// rename over (or remove) a file of `fileOwner`: in a folder with the
// sticky bit (a shared folder such as /tmp) only the file's owner, the
// folder's owner and the superuser may.
bool StickyFolderLets(mode_t folderMode, uid_t folderOwner, uid_t fileOwner, uid_t user);

}  // namespace platform
