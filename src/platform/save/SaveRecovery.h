#pragma once
// Finishing the saves a dead process cut short, and holding a set of files
// steady while it is read.
//
// A save cut short leaves its journal (platform/save/SaveJournal.h): one not
// yet committed is rolled back, a committed one rolled forward. Whoever does
// it holds every folder the journal touches exclusively, so no save, load or
// other recovery meets it half-way. A journal is found by listing its
// folder, or through the marker a save puts beside each of its files
// (platform/save/SaveMarkers.h) where a folder cannot be listed.
//
// A journal is carried out only where its own save could have written it:
// by the user it belongs to, and, for a file outside its own folder, only by
// a save or load of a set that resolves to that file. A journal that cannot
// be carried out stays, for the next try and for whoever looks into it, and
// blocks the files it names; a journal that cannot be read blocks every file
// of its folder, since it may name any of them. A load still reads a set
// whose every file stands whole (the old files of a save not committed, or
// the new ones of a committed save): only a set that needs restoring is
// refused. Temporary files and markers nobody holds are removed when this
// user's program left them, except those a journal names, which only its own
// recovery removes; a backup outside any journal is never removed, since it
// may be the only copy of a file.
//
// A load carries out only a journal it can lock: where the file system
// keeps no locks its save may still be running, so the load changes no file
// and reads the set only where it stands whole; the next save finishes it.
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/save/FolderLocks.h"
#include "platform/SafeFile.h"

namespace platform {

// Finishes every save cut short in `folder`. Nothing when all is done, else
// the first problem.
std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folder);

// Finishes the saves cut short that touch `files` (absolute, links
// followed, the first the file a message names), holding the folders of
// `files` and of any journal it carries out exclusively in `locks`. Nothing
// when none of `files` is left half-saved; else why, said of the file or
// the journal.
std::optional<FileProblem> RecoverSavesOf(std::span<const std::string> files, FolderLocks& locks,
                                          std::chrono::steady_clock::time_point deadline);

// A set of files held steady while it is read. Its folders are held shared
// where they can be, so no save or recovery of a process that holds them
// changes the set; a folder that cannot be held (one that may be entered
// but not listed) is watched instead: whatever a save changes meanwhile
// shows in Unchanged.
class SetReading {
public:
    SetReading() = default;
    SetReading(const SetReading&) = delete;
    SetReading& operator=(const SetReading&) = delete;

    // Holds `files` (each resolved first; the first is the file a message
    // names) once no save of them is under way or left cut short, waiting
    // until `deadline`. Nothing when held, else why not (a save cut short
    // that cannot be finished and left the set mixed, a journal or marker
    // that cannot be read, another program saving).
    std::optional<FileProblem> Hold(std::span<const std::string> files,
                                    std::chrono::steady_clock::time_point deadline);
    // Whether every file still stands as it stood when held: false when a
    // save changed the set meanwhile, so what was read may be mixed.
    bool Unchanged() const;

private:
    struct Seen {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long changedSeconds = 0, changedNanoseconds = 0;
        bool operator==(const Seen&) const = default;
    };
    static Seen Look(const std::string& file);

    FolderLocks locks_;
    std::vector<std::string> files_;
    std::vector<Seen> seen_;
};

// Runs `read` over the set `files` while it is held steady, again when a
// save changed the set meanwhile: what `read` returns from one whole set, or
// why the set could not be held.
template <class Read>
std::variant<std::invoke_result_t<Read&>, FileProblem> ReadSteadily(std::span<const std::string> files,
                                                                    Read&& read) {
    const auto deadline = LockDeadline();
    for (;;) {
        SetReading reading;
        if (auto refused = reading.Hold(files, deadline)) return *refused;
        auto result = read();
        if (reading.Unchanged()) return result;
        if (std::chrono::steady_clock::now() >= deadline) return SavingElsewhere(files.front());
    }
}

}  // namespace platform
