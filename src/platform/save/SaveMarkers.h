#pragma once
// A save's markers: one beside each file a save of a set replaces, from
// before the save changes the first file of the set until after it removed
// its journal, naming the save's journal and locked by the save while it
// runs. Their names follow from their files' (platform/save/SaveTraces.h,
// MarkerOf), so a process that cannot list a folder, or hold it, still finds
// a save of its files under way or cut short. The marker is also what keeps
// two saves of one file apart where a folder cannot be held. For the file
// layer's own use.
//
// A marker found on disk is untrusted input: it counts only where a regular
// file stands at the name and names a journal that names the marker's file
// (or one of its own folder that cannot be read, which blocks that folder
// anyway). Any other is no marker of a save of the file.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

#include "platform/SafeFile.h"
#include "platform/save/SaveJournal.h"

namespace platform::traces {

// What a marker holds: the journal (its name as written, uncommitted) and
// the file it stands for, both named from the marker's folder.
std::vector<uint8_t> EncodeMarker(const std::string& journal, const std::string& target);
// What a marker at `marker` holds: the journal it names (absolute, its
// uncommitted name) and its file; nothing when the bytes are no marker, name
// anything but a journal by a path from the marker's folder, or a file whose
// marker has another name.
struct MarkerRecord {
    std::string journal, target;
};
std::optional<MarkerRecord> DecodeMarker(std::span<const uint8_t> bytes, const std::string& marker);

// What stands at a file's marker.
struct MarkerLook {
    enum class State {
        None,        // no save of the file stands (no marker, or none that counts)
        Running,     // a save under way holds it
        Left,        // a save that is gone left it: `journal` is its journal, read
        Unreadable,  // it cannot be looked into: `problem` says why
    };
    State state = State::None;
    std::optional<JournalFile> journal;
    std::optional<FileProblem> problem;
};
MarkerLook LookAtMarker(const std::string& target);

// Puts `target`'s marker in place, naming `journal`, readable by whoever may
// read a file of mode `mode`, open and locked in `fd`; waits until
// `deadline` while another save holds it. One this user's program left that
// leads to no uncommitted journal is replaced. Whatever else stands in the
// way (another user's marker, a save of the file cut short, anything but a
// file) is named in the refusal at once; nothing when placed.
std::optional<FileProblem> PlaceMarker(const std::string& target, const std::string& journal, mode_t mode, int& fd,
                                       std::chrono::steady_clock::time_point deadline, const std::string& forPath);

// Removes `target`'s marker when this user's program left it naming
// `journal` (under either of its names) and nobody holds it; leaves any
// other.
void RemoveMarker(const std::string& target, const std::string& journal);
// Removes the marker at `marker` when nobody holds it, this user's program
// left it, and it leads to no journal: a save that died before it wrote its
// journal changed nothing, and one whose journal is gone is done. Whether it
// was removed.
bool RemoveIfStale(const std::string& marker);

// The name the journal `journal` stands under now (uncommitted or
// committed), or nothing when it is gone.
std::optional<std::string> JournalNow(const std::string& journal);

}  // namespace platform::traces
