#include "platform/save/SaveJournal.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <set>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/save/SaveMarkers.h"

namespace platform::traces {

namespace {

namespace fsys = std::filesystem;

// Version 1 named files absolutely, version 2 relatively; version 3 adds the
// fingerprints of the old and the new file, the 4th and 5th fields of an
// entry ("-" for none).
constexpr std::string_view kHead = "KQSAVE 3\n";
constexpr std::string_view kRelativeHead = "KQSAVE 2\n";
constexpr std::string_view kAbsoluteHead = "KQSAVE 1\n";
constexpr std::string_view kEnd = "END\n";
static_assert(kHead.size() == kRelativeHead.size() && kHead.size() == kAbsoluteHead.size());

// Whether the file at `path` holds what `fingerprint` tells; nothing when
// it cannot be read.
std::optional<bool> Holds(const std::string& path, const Fingerprint& fingerprint,
                          std::optional<FileProblem>& problem) {
    std::optional<FileProblem> unread;
    const auto now = FingerprintOf(path, unread);
    if (unread) {
        problem = unread;
        return std::nullopt;
    }
    return *now == fingerprint;
}

// Whether the entry's file holds what the roll-back wants there: the old
// contents, or, when there was no old file, anything but the new file the
// save put there. A temporary file still there was never renamed over the
// file, so whatever the file holds did not come from this save (a later
// save's file stays). A journal without fingerprints can tell only from its
// traces, and a file it cannot tell for its own stays.
std::optional<bool> InPlace(const JournalEntry& e, std::optional<FileProblem>& problem) {
    if (Exists(e.temp)) return true;
    if (!e.hadOld) {
        if (!Exists(e.target) || !e.fresh) return true;
        const auto isNew = Holds(e.target, *e.fresh, problem);
        if (!isNew) return std::nullopt;
        return !*isNew;
    }
    if (!e.old) return false;  // renamed over: only its backup can tell
    if (!Exists(e.target)) return false;
    return Holds(e.target, *e.old, problem);
}

// A name the file layer gives the files it saves: no trace's, and no name
// of a folder.
bool IsFileName(const std::string& path) {
    const std::string name = NameOf(path);
    return !name.empty() && name != "." && name != ".." && !KindOf(name);
}

// A temporary file or backup the file layer made beside `target`.
bool IsTraceBeside(const std::string& trace, Kind kind, const std::string& target) {
    return KindOf(NameOf(trace)) == kind && FolderOf(trace) == FolderOf(target) && IsFileName(target);
}

// Removes the names that exist among `names`; the first failure, if any.
std::optional<FileProblem> RemoveAll(const std::vector<const std::string*>& names) {
    for (const std::string* name : names)
        if (Exists(*name) && Files().Unlink(*name) != 0) return ProblemOf(*name, errno);
    return std::nullopt;
}

void SyncFolders(const std::vector<JournalEntry>& entries) {
    std::set<std::string> folders;
    for (const JournalEntry& e : entries) folders.insert(FolderOf(e.target));
    for (const std::string& f : folders) SyncFolder(f);
}

// The traces the save left beside its files, then their markers, then the
// journal: the journal goes last, so a run cut short finds it and does the
// rest, and the markers stand until every file is whole.
std::optional<FileProblem> RemoveTraces(const std::vector<JournalEntry>& entries, const std::string& journal,
                                        const std::string& set, Markers markers) {
    std::vector<const std::string*> traces;
    for (const JournalEntry& e : entries) traces.insert(traces.end(), {&e.backup, &e.temp});
    if (auto p = RemoveAll(traces)) return Unfinished(p->path, journal, set, p->reason);
    for (const JournalEntry& e : entries) {
        std::optional<FileProblem> p;
        if (markers == Markers::LeftBehind) {
            p = RemoveMarker(e.target, journal);
        } else if (const std::string marker = MarkerOf(e.target); Files().Unlink(marker) != 0 && errno != ENOENT) {
            p = ProblemOf(marker, errno);
        }
        if (p) return Unfinished(p->path, journal, set, p->reason);
    }
    SyncFolders(entries);
    if (Files().Unlink(journal) != 0 && errno != ENOENT) {
        const FileProblem p = ProblemOf(journal, errno);
        return Unfinished(journal, journal, set, p.reason);
    }
    SyncFolder(FolderOf(journal));
    return std::nullopt;
}

}  // namespace

std::vector<uint8_t> EncodeJournal(const std::vector<JournalEntry>& entries, const std::string& folder) {
    std::string text(kHead);
    for (const JournalEntry& e : entries) {
        text += e.hadOld ? "E1" : "E0";
        for (const std::string* s : {&e.target, &e.temp, &e.backup})
            AppendField(text, fsys::path(*s).lexically_relative(folder).string());
        for (const auto* f : {&e.old, &e.fresh}) AppendField(text, *f ? (*f)->Text() : "-");
        text += "\n";
    }
    text += kEnd;
    return {text.begin(), text.end()};
}

std::optional<std::vector<JournalEntry>> DecodeJournal(std::span<const uint8_t> bytes, const std::string& folder) {
    std::string_view t(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::string_view head = t.substr(0, kHead.size());
    if (head != kHead && head != kRelativeHead && head != kAbsoluteHead) return std::nullopt;
    const bool withFingerprints = head == kHead;
    t.remove_prefix(kHead.size());
    std::vector<JournalEntry> entries;
    while (!t.empty() && t.substr(0, kEnd.size()) != kEnd) {
        if (t.size() < 2 || t[0] != 'E' || (t[1] != '0' && t[1] != '1')) return std::nullopt;
        JournalEntry e;
        e.hadOld = t[1] == '1';
        t.remove_prefix(2);
        for (std::string* s : {&e.target, &e.temp, &e.backup}) {
            const auto field = TakeField(t);
            if (!field) return std::nullopt;
            *s = (fsys::path(folder) / std::string(*field)).lexically_normal().string();
        }
        if (!IsFileName(e.target)) return std::nullopt;
        if (withFingerprints)
            for (auto* f : {&e.old, &e.fresh}) {
                const auto field = TakeField(t);
                if (!field) return std::nullopt;
                if (*field == "-") continue;
                *f = Fingerprint::Parse(*field);
                if (!*f) return std::nullopt;
            }
        if (!IsTraceBeside(e.temp, Kind::Temp, e.target) || !IsTraceBeside(e.backup, Kind::Backup, e.target))
            return std::nullopt;
        if (t.substr(0, 1) != "\n") return std::nullopt;
        t.remove_prefix(1);
        entries.push_back(std::move(e));
    }
    if (t != kEnd) return std::nullopt;
    return entries;
}

std::string SetNames(const std::vector<JournalEntry>& entries) {
    std::string names;
    for (const JournalEntry& e : entries) names += (names.empty() ? "" : ", ") + NameOf(e.target);
    return names;
}

FileProblem Unfinished(const std::string& path, const std::string& journal, const std::string& set,
                       const std::string& why) {
    const std::string what = set.empty() ? "An interrupted save" : "An interrupted save of " + set;
    return {FileProblem::Kind::Failed, path,
            what + " could not be finished (" + why + "); " + NameOf(journal) + " keeps its record"};
}

bool Whole(const std::vector<JournalEntry>& entries) {
    return std::all_of(entries.begin(), entries.end(), [](const JournalEntry& e) {
        std::optional<FileProblem> unread;
        return InPlace(e, unread).value_or(false);
    });
}

std::optional<FileProblem> RollBack(const std::vector<JournalEntry>& entries, const std::string& journal,
                                    Markers markers) {
    const std::string set = SetNames(entries);
    // First what must change, and whether it can: nothing changes unless
    // every old file can be had.
    std::vector<const JournalEntry*> toRestore;
    for (const JournalEntry& e : entries) {
        std::optional<FileProblem> unread;
        const auto inPlace = InPlace(e, unread);
        if (!inPlace) return Unfinished(e.target, journal, set, unread->reason);
        if (*inPlace) continue;
        // The old file is nowhere: putting nothing back is no roll-back.
        if (e.hadOld && !Exists(e.backup)) return Unfinished(e.target, journal, set, "its old contents are missing");
        toRestore.push_back(&e);
    }
    FileSystem& fs = Files();
    for (auto it = toRestore.rbegin(); it != toRestore.rend(); ++it) {
        const JournalEntry& e = **it;
        // A backup that is a hard link of the file in place stays beside it
        // after the rename (both names are one file) and goes with the traces.
        const int done = e.hadOld ? fs.Rename(e.backup, e.target) : fs.Unlink(e.target);
        if (done != 0) return Unfinished(e.target, journal, set, ProblemOf(e.target, errno).reason);
    }
    SyncFolders(entries);
    return RemoveTraces(entries, journal, set, markers);
}

std::optional<FileProblem> RollForward(const std::vector<JournalEntry>& entries, const std::string& journal,
                                       Markers markers) {
    return RemoveTraces(entries, journal, SetNames(entries), markers);
}

}  // namespace platform::traces
