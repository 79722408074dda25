#pragma once
// The files a save leaves beside the files it replaces while it runs (its
// temporary files, the old files' second names, its journal), and the steps
// the save and the recovery of a save cut short both take with them. For the
// file layer's own use.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

#include "platform/SafeFile.h"

namespace platform::traces {

enum class Kind {
    Temp,       // a new file being written, or written and not yet in place
    Backup,     // an old file's second name while a set is replaced
    Journal,    // what a save replaces; written, not yet committed
    Committed,  // the same once every new file is in place
    Marker,     // beside a file a save replaces: which journal, while it stands
};

// ".kq-<pid>-<n>.<kind>", new in `folder`: no trace of any kind has the
// name yet, so neither a leftover of an earlier process with the same id nor
// a journal's committed name can be in the way. Short enough for a folder
// whose files already have names of the longest length the system allows.
std::string NewName(const std::string& folder, Kind kind);
// The kind of a trace's file name; nothing for any other name.
std::optional<Kind> KindOf(std::string_view fileName);
// A journal's name with its kind changed to `kind`.
std::string Renamed(const std::string& journal, Kind kind);
// ".kq-m<hash of the file's name>.mrk" beside `target`: a name that follows
// from the file's, so it is found without listing the folder, and short
// whatever the length of the file's name.
std::string MarkerOf(const std::string& target);

// Where a file or folder is, whatever name it is reached by: its device and
// inode (unknown: after every known one, by name). Every process takes
// folders and markers in this order, so two cannot each hold one and wait
// for the other.
struct Identity {
    bool unknown = true;
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const Identity&) const = default;
};
Identity IdentityOf(const std::string& path);

std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
// Whether anything (a dangling link too) has the name.
bool Exists(const std::string& path);

void CloseLock(int& fd);
// Whether a hard link failed because the file system has none (FAT).
bool IsNoHardLinkError(int error);
// Whether a lock failed because the file system keeps no locks (some
// network mounts), rather than because someone holds it.
bool IsNoLockError(int error);
// What to do with a trace where the file system keeps no locks, so nothing
// tells a running save from a dead one: leave it (a temporary file only
// takes room), or take it all the same (a journal left alone would lock its
// files out for good).
enum class NoLocks { Leave, Take };
// A trace of a save found on disk, opened. Only a regular file is ever a
// trace of this file layer's: a symbolic link, a folder, a named pipe or a
// device at a trace's name is never opened, followed, moved or removed.
struct TraceFile {
    int fd = -1;             // open when >= 0
    int error = 0;           // else why not: ENOENT when nothing stands there
    std::string odd;         // else what stands there instead ("a symbolic link")
    struct stat st {};       // of the file opened: whose it is, and which
    bool Own() const;        // whether it belongs to the user this program runs as
    void Close();
};
// The regular file at `path`, opened for reading without following a link
// and without waiting; for a lock, where the user may not read it, opened
// for writing.
enum class Opening { ToRead, ToLock };
TraceFile OpenTrace(const std::string& path, Opening opening = Opening::ToRead);
// The same, locked by this process; not opened (`error` EWOULDBLOCK) while
// someone holds it, and not when it cannot be locked and `noLocks` leaves it
// (`error` the lock's).
TraceFile LockIfAbandoned(const std::string& path, NoLocks noLocks = NoLocks::Leave);
// What stands at `path` when it is no regular file ("a symbolic link", "a
// folder", "a named pipe", "a device", "a socket"); empty for a regular file
// or nothing.
std::string OddFileAt(const std::string& path);
// Whether the name `path` still stands for the file open in `trace`.
bool StillAt(const TraceFile& trace, const std::string& path);
// Up to `limit` bytes of an open file, from where it stands; nothing when
// it cannot be read, or holds more.
std::optional<std::vector<uint8_t>> ReadOpen(int fd, std::size_t limit);

// What a new file holds: `data`, then perhaps what the file `restOf` holds
// past as many bytes, with the permissions `mode` where the file system keeps
// them.
struct Contents {
    std::span<const uint8_t> data;
    std::optional<std::string> restOf;
    std::optional<mode_t> mode;
};
// A new temporary file in `folder` holding `contents`, synced and left open
// with its lock in `fd`; its name, or nothing and why (told under `name`).
std::optional<std::string> WriteLocked(const std::string& folder, const Contents& contents, int& fd,
                                       const std::string& name, std::optional<FileProblem>& problem);

// Writes all of `data` to `fd`; 0, or the system's error.
int WriteAll(int fd, std::span<const uint8_t> data);

// A field of a journal or marker: " <length>:<text>", so any name fits.
void AppendField(std::string& text, std::string_view field);
// The next field of `text`, taken off it; nothing when there is none, or
// when it holds a NUL byte: the system would see a name only up to it, which
// is not the name that was checked.
std::optional<std::string_view> TakeField(std::string_view& text);

// Makes renames in a folder survive a power cut; a folder that cannot be
// synced is no reason to fail.
void SyncFolder(const std::string& folder);

// Gives the old file `target` its second name `backup`: a hard link, or where
// the file system has none (FAT) a copy, complete before it gets the name.
// Problems are told under `name`.
std::optional<FileProblem> KeepOld(const std::string& target, const std::string& backup, const std::string& name);

// What tells one version of a file from another: its length and a hash of
// its bytes.
struct Fingerprint {
    uint64_t size = 0;
    uint64_t hash = 0;
    bool operator==(const Fingerprint&) const = default;
    std::string Text() const;
    static std::optional<Fingerprint> Parse(std::string_view text);
};
Fingerprint FingerprintOfBytes(std::span<const uint8_t> bytes);
// The fingerprint of the regular file at `path` (a link is not followed),
// or why it cannot be had.
std::optional<Fingerprint> FingerprintOf(const std::string& path, std::optional<FileProblem>& problem);
// The fingerprint of what the open file holds; nothing when it cannot be read.
std::optional<Fingerprint> FingerprintOfOpen(int fd);

}  // namespace platform::traces
