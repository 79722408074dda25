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

#include <sys/types.h>

#include "platform/SafeFile.h"

namespace platform::traces {

enum class Kind {
    Temp,       // a new file being written, or written and not yet in place
    Backup,     // an old file's second name while a set is replaced
    Journal,    // what a save replaces; written, not yet committed
    Committed,  // the same once every new file is in place
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

std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
// Whether anything (a dangling link too) has the name.
bool Exists(const std::string& path);

void CloseLock(int& fd);
// The trace at `path`, open and locked by this process; -1 with `error` set
// while someone holds it (EWOULDBLOCK), when it cannot be opened, or when it
// is gone.
int LockIfAbandoned(const std::string& path, int& error);

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
// The fingerprint of the regular file at `path`, or why it cannot be had.
std::optional<Fingerprint> FingerprintOf(const std::string& path, std::optional<FileProblem>& problem);

}  // namespace platform::traces
