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

// What stands at an entry's file, as the journal's fingerprints tell it.
enum class Holds { Nothing, Old, Fresh, Other, Unknown };

Holds WhatHolds(const JournalEntry& e, std::optional<FileProblem>& problem) {
    if (!Exists(e.target)) return Holds::Nothing;
    // A link, a folder or a device in the file's place is nothing this save
    // wrote, and is never opened.
    if (!OddFileAt(e.target).empty()) return Holds::Other;
    std::optional<FileProblem> unread;
    const auto now = FingerprintOf(e.target, unread);
    if (!now) {
        problem = unread;
        return Holds::Unknown;
    }
    if (e.old && *now == *e.old) return Holds::Old;
    if (*now == e.fresh) return Holds::Fresh;
    return Holds::Other;
}

// What a roll-back does with an entry's file.
enum class Step { Keep, PutBack, Remove, Unknown };

// Only the fingerprints decide: a temporary file found at its name proves
// nothing (anyone who may write the folder can put one there), and a file
// that holds neither the old nor the new contents came from a later save, or
// from no save, and stays. A journal of an earlier version has no
// fingerprints and can tell only from its traces: a temporary file still
// there was never renamed over its file, and a file it cannot tell for its
// own stays.
Step RollBackStep(const JournalEntry& e, std::optional<FileProblem>& problem) {
    if (!e.fresh) return Exists(e.temp) || !e.hadOld ? Step::Keep : Step::PutBack;
    switch (WhatHolds(e, problem)) {
        case Holds::Old: return Step::Keep;
        case Holds::Fresh: return e.hadOld ? Step::PutBack : Step::Remove;
        case Holds::Nothing: return e.hadOld ? Step::PutBack : Step::Keep;
        case Holds::Other: return Step::Keep;
        case Holds::Unknown: break;
    }
    return Step::Unknown;
}

// Whether the backup open in `backup` holds the entry's old contents. An
// earlier version's journal has no fingerprint: there, a file of this user's.
bool HoldsOld(const JournalEntry& e, const TraceFile& backup) {
    if (!e.fresh) return backup.Own();
    return e.old && FingerprintOfOpen(backup.fd) == e.old;
}

// The entry's backup, open, when it is a file holding the old contents;
// else not open, and `why` says what stands there instead.
TraceFile OldContents(const JournalEntry& e, std::string& why) {
    TraceFile b = OpenTrace(e.backup);
    const std::string backup = "its backup " + NameOf(e.backup);
    if (!b.odd.empty()) {
        why = backup + " is " + b.odd + ", not its old contents";
    } else if (b.fd < 0 && b.error == ENOENT) {
        why = "its old contents are missing";
    } else if (b.fd < 0) {
        why = backup + " cannot be read: " + ProblemOf(e.backup, b.error).reason;
    } else if (!HoldsOld(e, b)) {
        why = backup + " does not hold its old contents";
        b.Close();
    }
    return b;
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

void SyncFolders(const std::vector<JournalEntry>& entries) {
    std::set<std::string> folders;
    for (const JournalEntry& e : entries) folders.insert(FolderOf(e.target));
    for (const std::string& f : folders) SyncFolder(f);
}

// Removes the file at `path`; nothing when done or gone already, else the
// system's error.
int Remove(const std::string& path) { return Files().Unlink(path) == 0 || errno == ENOENT ? 0 : errno; }

// Removes an entry's trace of `kind` (its temporary file or its backup)
// where the journal's save could have written what stands at its name: a
// temporary file of this user's that nobody holds, a backup that holds the
// old contents. Anything else there is not this save's and stays. The save
// itself made them and removes them without a look.
int RemoveLeftover(const JournalEntry& e, Kind kind, CarriedOutBy by) {
    const std::string& path = kind == Kind::Temp ? e.temp : e.backup;
    if (by == CarriedOutBy::ItsSave) return Remove(path);
    TraceFile found = kind == Kind::Temp ? LockIfAbandoned(path, NoLocks::Take) : OpenTrace(path);
    const bool ours = kind == Kind::Temp ? found.Own() : found.fd >= 0 && HoldsOld(e, found);
    const int error = ours ? Remove(path) : 0;
    found.Close();
    return error;
}

// The traces the save left beside its files (every temporary file before
// any backup, so a backup goes only once nothing else stands in the way),
// then the journal, then the markers that lead to it: a run cut short still
// finds the journal, and a marker whose journal is gone leads nowhere.
std::optional<FileProblem> RemoveTraces(const std::vector<JournalEntry>& entries, const std::string& journal,
                                        const std::string& set, CarriedOutBy by) {
    for (Kind kind : {Kind::Temp, Kind::Backup})
        for (const JournalEntry& e : entries)
            if (const int error = RemoveLeftover(e, kind, by)) {
                const std::string& path = kind == Kind::Temp ? e.temp : e.backup;
                return Unfinished(path, journal, set, ProblemOf(path, error).reason);
            }
    SyncFolders(entries);
    if (const int error = Remove(journal)) return Unfinished(journal, journal, set, ProblemOf(journal, error).reason);
    SyncFolder(FolderOf(journal));
    // A marker that stays names a journal that is gone: whoever meets it
    // next takes it for what it is.
    for (const JournalEntry& e : entries) {
        if (by == CarriedOutBy::ItsSave)
            Remove(MarkerOf(e.target));
        else
            RemoveMarker(e.target, journal);
    }
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
        // This version's save records what every new file holds, and what
        // every old one held.
        if (withFingerprints && (!e.fresh || e.hadOld != e.old.has_value())) return std::nullopt;
        if (!IsTraceBeside(e.temp, Kind::Temp, e.target) || !IsTraceBeside(e.backup, Kind::Backup, e.target))
            return std::nullopt;
        if (t.substr(0, 1) != "\n") return std::nullopt;
        t.remove_prefix(1);
        entries.push_back(std::move(e));
    }
    if (t != kEnd) return std::nullopt;
    return entries;
}

bool JournalFile::Names(const std::string& target) const {
    return entries && std::any_of(entries->begin(), entries->end(),
                                  [&](const JournalEntry& e) { return e.target == target; });
}

std::optional<JournalFile> ReadJournalFile(const std::string& path) {
    TraceFile file = OpenTrace(path);
    if (!file.odd.empty() || (file.fd < 0 && file.error == ENOENT)) return std::nullopt;
    JournalFile j{path, file.st, std::nullopt, std::nullopt};
    std::string why = "its record cannot be read";
    if (file.fd < 0) {
        why += ": " + ProblemOf(path, file.error).reason;
    } else if (const auto bytes = ReadOpen(file.fd, kSmallFileLimit)) {
        j.entries = DecodeJournal(*bytes, FolderOf(path));
    }
    file.Close();
    if (!j.entries) j.unreadable = Unfinished(path, path, "", why);
    return j;
}

std::string SetNames(const std::vector<JournalEntry>& entries) {
    // A message names a few; a journal may name any number.
    constexpr std::size_t kNamed = 3;
    std::string names;
    for (std::size_t i = 0; i < std::min(entries.size(), kNamed); ++i)
        names += (names.empty() ? "" : ", ") + NameOf(entries[i].target);
    if (entries.size() > kNamed) names += " and " + std::to_string(entries.size() - kNamed) + " more";
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
        return RollBackStep(e, unread) == Step::Keep;
    });
}

std::optional<FileProblem> RollBack(const std::vector<JournalEntry>& entries, const std::string& journal,
                                    CarriedOutBy by) {
    const std::string set = SetNames(entries);
    // First what must change, and whether it can: nothing changes unless
    // every old file to be put back stands, whole, under its backup name.
    struct Change {
        const JournalEntry* entry;
        TraceFile backup;  // open: the old file, to be put back
    };
    std::vector<Change> changes;
    const auto refuse = [&](const std::string& path, const std::string& why) {
        for (Change& c : changes) c.backup.Close();
        return Unfinished(path, journal, set, why);
    };
    for (const JournalEntry& e : entries) {
        std::optional<FileProblem> unread;
        const Step step = RollBackStep(e, unread);
        if (step == Step::Unknown) return refuse(e.target, unread->reason);
        if (step == Step::Keep) continue;
        Change change{&e, {}};
        if (step == Step::PutBack) {
            std::string why;
            change.backup = OldContents(e, why);
            if (change.backup.fd < 0) return refuse(e.target, why);
        }
        changes.push_back(std::move(change));
    }
    FileSystem& fs = Files();
    for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
        const JournalEntry& e = *it->entry;
        // A backup that is a hard link of the file in place stays beside it
        // after the rename (both names are one file) and goes with the traces.
        const bool putBack = it->backup.fd >= 0;
        const int done = putBack ? fs.Rename(e.backup, e.target) : fs.Unlink(e.target);
        if (done != 0) return refuse(e.target, ProblemOf(e.target, errno).reason);
        // Whoever may replace the backup meanwhile could have swapped another
        // file in: then the set is not what the journal says, and it stays.
        if (putBack && !StillAt(it->backup, e.target))
            return refuse(e.target, "its backup " + NameOf(e.backup) + " was replaced while it was put back");
    }
    for (Change& c : changes) c.backup.Close();
    SyncFolders(entries);
    return RemoveTraces(entries, journal, set, by);
}

std::optional<FileProblem> RollForward(const std::vector<JournalEntry>& entries, const std::string& journal,
                                       CarriedOutBy by) {
    return RemoveTraces(entries, journal, SetNames(entries), by);
}

}  // namespace platform::traces
