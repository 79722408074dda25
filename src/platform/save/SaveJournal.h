#pragma once
// A save's journal: which files a set's save replaces, where their new and
// old contents stand meanwhile, whether an old file existed and what it
// held; and the two ways of carrying it out once its save is gone. For the
// file layer's own use.
//
// Every step of both is safe to repeat: each entry's state is read off the
// disk, and only the fingerprints decide it (a file's name holds the old
// contents, the new ones, or what some later save put there), so a run cut
// short at any of its own steps is finished by the next run. The journal
// goes once every file is whole and every other trace is gone, and the
// markers that lead to it after it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <sys/stat.h>

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
// that is no trace beside the file it stands for, an entry of this version
// without the fingerprints its save records. A journal is carried out by
// whoever comes by, so one it did not write must not move or remove anything
// else.
std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const uint8_t> bytes, const std::string& folder);

// A journal found on disk, read through the file it was opened as.
struct JournalFile {
    std::string path;
    struct stat st {};  // of the file read: whose it is, and which
    std::optional<std::vector<JournalEntry>> entries;  // nothing: it cannot be read
    std::optional<FileProblem> unreadable;             // then why
    bool Names(const std::string& target) const;
};
// The journal at `path`; nothing when no regular file stands there, since a
// link, a named pipe, a folder or a device is no journal of this file
// layer's.
std::optional<JournalFile> ReadJournalFile(const std::string& path);

// "a.fre, a.dat": the files a journal's save replaces, as a message names
// them; past a few, how many more.
std::string SetNames(const std::vector<JournalEntry>& entries);

// Why the save a journal records cannot be finished, said of `path`.
FileProblem Unfinished(const std::string& path, const std::string& journal, const std::string& set,
                       const std::string& why);

// Whether every file an uncommitted journal names holds what a roll-back
// would leave there: the set is whole as it stands, though the journal's
// traces are still to be removed.
bool Whole(const std::vector<JournalEntry>& entries);

// Who carries a journal out: the save that wrote it, which placed every
// marker (platform/save/SaveMarkers.h) and wrote every trace it names and
// removes them without a look; or a recovery, which removes only what the
// journal's save could have written (a marker that names the journal and
// nobody holds, a temporary file of this user's nobody holds, a backup that
// holds the old contents).
enum class CarriedOutBy { Recovery, ItsSave };

// Puts every old file back and removes the new ones the save put in place,
// then its temporary files, its backups, the journal, and last its markers:
// the journal goes before the markers that lead to it, and a backup only
// once every file is back. Changes nothing when an old file is to be put
// back and its backup is not a file holding the old contents. Nothing when
// done and the journal is gone.
std::optional<FileProblem> RollBack(const std::vector<JournalEntry>& entries, const std::string& journal,
                                    CarriedOutBy by = CarriedOutBy::Recovery);
// Every new file is in place: removes what is left of the save, then the
// journal, then its markers.
std::optional<FileProblem> RollForward(const std::vector<JournalEntry>& entries, const std::string& journal,
                                       CarriedOutBy by = CarriedOutBy::Recovery);

}  // namespace platform::traces
