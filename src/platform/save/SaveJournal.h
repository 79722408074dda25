#pragma once
// A save's journal: which files a set's save replaces, where their new and
// old contents stand meanwhile, whether an old file existed and what it
// held; and the two ways of carrying it out once its save is gone. For the
// file layer's own use.
//
// Every step of both is safe to repeat: each entry's state is read off the
// disk (an old file is back in place when its name holds the old contents),
// so a run cut short at any of its own steps is finished by the next run,
// and the journal goes last.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/SafeFile.h"
#include "platform/save/SaveTraces.h"

namespace platform::traces {

struct JournalEntry {
    bool hadOld = false;
    std::string target, temp, backup;  // absolute
    // What the old file held and what the new one holds; journals of
    // earlier versions did not say.
    std::optional<Fingerprint> old, fresh;
};

// Names are stored relative to the journal's folder, so a folder renamed or
// mounted elsewhere is recovered all the same; texts carry their length, so
// any name fits.
std::vector<uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries, const std::string& folder);
// Nothing when the bytes are no journal (of this or an earlier version), or
// when they name anything the file layer never writes: a name holding a NUL
// byte, a file named like a trace or a folder, a temporary file or backup
// that is no trace beside the file it stands for. A journal is carried out
// by whoever comes by, so one it did not write must not move or remove
// anything else.
std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const uint8_t> bytes, const std::string& folder);

// "a.fre, a.dat": the files a journal's save replaces, as a message names them.
std::string SetNames(const std::vector<JournalEntry>& entries);

// Why the save a journal records cannot be finished, said of `path`.
FileProblem Unfinished(const std::string& path, const std::string& journal, const std::string& set,
                       const std::string& why);

// Whether every file an uncommitted journal names holds what a roll-back
// would leave there: the set is whole as it stands, though the journal's
// traces are still to be removed.
bool Whole(const std::vector<JournalEntry>& entries);

// Who holds the markers (platform/save/SaveMarkers.h) of a journal's files: the
// save carrying out its own journal placed them all and removes them
// without a look; a recovery removes one only when it names the journal and
// nobody holds it.
enum class Markers { LeftBehind, HeldHere };

// Puts every old file back and removes the new ones, then the backups and
// temporary files, the markers, and the journal. Changes nothing when an old
// file is nowhere to be had. Nothing when done and the journal is gone.
std::optional<FileProblem> RollBack(const std::vector<JournalEntry>& entries, const std::string& journal,
                                    Markers markers = Markers::LeftBehind);
// Every new file is in place: removes what is left of the save, then the
// journal.
std::optional<FileProblem> RollForward(const std::vector<JournalEntry>& entries, const std::string& journal,
                                       Markers markers = Markers::LeftBehind);

}  // namespace platform::traces
