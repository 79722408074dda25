#pragma once
// Finishing the saves a dead process cut short, and holding a set of files
// steady while it is read.
//
// A save cut short leaves its journal (platform/SaveJournal.h): one not yet
// committed is rolled back, a committed one rolled forward. Whoever does it
// holds every folder the journal touches exclusively, so no save, load or
// other recovery meets it half-way. A journal that cannot be carried out
// stays, for the next try and for whoever looks into it, and blocks the
// files it names; a journal that cannot be read blocks every file of its
// folder, since it may name any of them. Temporary files nobody holds are
// removed, except those a journal names, which only its own recovery
// removes; a backup outside any journal is never removed, since it may be
// the only copy of a file.
#include <chrono>
#include <optional>
#include <span>
#include <string>

#include "platform/FolderLocks.h"
#include "platform/SafeFile.h"

namespace platform {

// Finishes every save cut short in `folder`. Nothing when all is done, else
// the first problem.
std::optional<FileProblem> RecoverInterruptedSaves(const std::string& folder);

// Finishes the saves cut short in each folder that holds one of `files`
// (absolute, links followed), holding those folders and the folders of any
// journal it carries out exclusively in `locks`. Nothing when none of
// `files` is left half-saved; else why, said of the file or the journal.
std::optional<FileProblem> RecoverSavesOf(std::span<const std::string> files, FolderLocks& locks,
                                          std::chrono::steady_clock::time_point deadline);

// Holds the folders of `files` (each resolved first) shared in `locks`
// once no save of them is left cut short, so that they can be read as one
// whole set: no save or recovery changes them until `locks` lets go.
// Nothing when held, else why not (a save cut short that cannot be
// finished, a journal that cannot be read, another program saving).
std::optional<FileProblem> HoldForReading(std::span<const std::string> files, FolderLocks& locks);

}  // namespace platform
