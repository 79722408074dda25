// A journal or marker found on disk is carried out only where its own save
// could have written it: one the file layer did not write, another user's,
// one reached through a link, or one that leads elsewhere changes no file
// when a set beside it is loaded; a roll-back puts back only the old
// contents its journal records; and whatever stands at a marker's name is
// named at once when it is in a save's way.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <sys/stat.h>

#include "ChildProcess.h"
#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "TempDir.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/SaveTraces.h"
#include "platform/save/StagedFiles.h"

namespace {

namespace fs = std::filesystem;

std::string Field(const std::string& text) { return " " + std::to_string(text.size()) + ":" + text; }

// An entry of a journal as the file layer writes it: E1 when an old file
// was there, then the file, its temporary file and backup, and the old and
// new file's fingerprints ("-" for none).
std::string Entry(bool hadOld, const std::string& target, const std::string& temp, const std::string& backup,
                  const std::string& old = "-", const std::string& fresh = "-") {
    std::string line = hadOld ? "E1" : "E0";
    for (const std::string& field : {target, temp, backup, old, fresh}) line += Field(field);
    return line + "\n";
}

std::string Journal(const std::vector<std::string>& entries) {
    std::string text = "KQSAVE 3\n";
    for (const std::string& e : entries) text += e;
    return text + "END\n";
}

std::string Print(const std::string& bytes) {
    const std::vector<uint8_t> data(bytes.begin(), bytes.end());
    return platform::traces::FingerprintOfBytes(data).Text();
}

// The name of the marker beside a file named `name`, and what a marker
// naming `journal` (as written, from the marker's folder) holds.
std::string MarkerName(const std::string& name) {
    return platform::traces::NameOf(platform::traces::MarkerOf("/" + name));
}
std::string Marker(const std::string& journal, const std::string& name) {
    return "KQMARK 1\n" + Field(journal) + Field(name) + "\n";
}

// What is planted at a name in the test's folder.
struct Plant {
    enum class As { File, Link, Pipe, Folder };
    std::string path;
    std::string bytes;  // a file's bytes, a link's target
    As as = As::File;
    // Makes the bytes from the folder's own path, where they name it.
    std::function<std::string(const std::string&)> naming = {};
};
Plant LinkAt(std::string path, std::string target) { return {std::move(path), std::move(target), Plant::As::Link}; }
Plant PipeAt(std::string path) { return {std::move(path), "", Plant::As::Pipe}; }
Plant FolderAt(std::string path) { return {std::move(path), "", Plant::As::Folder}; }

// A set cfg.dat + cfg.fre, a file beside it and one in another folder, with
// whatever a case plants among them.
struct PlantedFolder {
    TempDir dir;
    explicit PlantedFolder(const std::vector<Plant>& plants = {}) {
        dir.write("set/cfg.dat", "data");
        dir.write("set/cfg.fre", "channels");
        dir.write("set/notes.txt", "keep me");
        dir.write("other/notes.txt", "keep me too");
        for (const Plant& p : plants) {
            const std::string bytes = p.naming ? p.naming(dir.path()) : p.bytes;
            const std::string path = dir.file(p.path);
            switch (p.as) {
                case Plant::As::File: dir.write(p.path, bytes); break;
                case Plant::As::Link: fs::create_symlink(bytes, path); break;
                case Plant::As::Pipe: ::mkfifo(path.c_str(), 0644); break;
                case Plant::As::Folder: fs::create_directory(path); break;
            }
        }
    }
    std::vector<std::string> Files(const std::vector<std::string>& names) const {
        std::vector<std::string> files;
        for (const std::string& name : names) files.push_back(dir.file("set/" + name));
        return files;
    }
    // What a load of `names` (in set/) reads, or why it is refused.
    std::string Load(const std::vector<std::string>& names = {"cfg.dat", "cfg.fre"}) const {
        const std::vector<std::string> files = Files(names);
        const auto read = platform::ReadSteadily(files, [&] {
            std::string out;
            for (const std::string& f : files) out += ReadWithoutWaiting(f) + ";";
            return out;
        });
        if (const auto* refused = std::get_if<platform::FileProblem>(&read)) return "refused: " + refused->Text();
        return std::get<std::string>(read);
    }
    // Saves "new <name>" into each of `names`: "" when saved, else why not.
    std::string Save(const std::vector<std::string>& names = {"cfg.dat", "cfg.fre"}) const {
        platform::StagedFiles save;
        const std::vector<std::string> files = Files(names);
        bool saved = save.Reserve(files);
        for (std::size_t i = 0; i < files.size(); ++i) saved = saved && save.Stage(files[i], Bytes("new " + names[i]));
        saved = saved && save.Commit();
        return saved ? "" : save.Problem() ? save.Problem()->Text() : "not saved";
    }
    FolderContents Everything() const {
        FolderContents all;
        for (const char* folder : {"set", "other"})
            for (const auto& [name, bytes] : Contents(dir.file(folder))) all[std::string(folder) + "/" + name] = bytes;
        return all;
    }
};

const std::string kUnreadable = "its record cannot be read";

std::vector<Plant> With(std::vector<Plant> plants, const Plant& more) {
    plants.push_back(more);
    return plants;
}
FolderContents With(FolderContents contents, const FolderContents& more) {
    contents.insert(more.begin(), more.end());
    return contents;
}

TEST(PlantedJournal, OneItsOwnSaveCouldNotHaveWrittenChangesNoFile) {
    const std::string nul(1, '\0');
    struct Case {
        const char* what;
        std::vector<Plant> planted;
        std::vector<std::string> foreign = {};  // parts of the paths of another user's files
        // What a load of cfg.dat + cfg.fre says: "" when it reads them.
        std::string refused = "";
    };
    const Case cases[] = {
        // The system sees a name only up to a NUL byte, so every check of
        // the whole name passes while the file before it is removed. Such a
        // journal cannot be read; committed, it blocks nothing.
        {"a NUL byte beside the set",
         {{"set/.kq-1-3.jok", Journal({Entry(true, "notes.txt" + nul + "/x", "notes.txt" + nul + "/.kq-1-1.tmp",
                                             "notes.txt" + nul + "/.kq-1-2.bak")})}}},
        {"a NUL byte in another folder",
         {{"set/.kq-1-3.jok",
           Journal({Entry(true, "../other/notes.txt" + nul + "/x", "../other/notes.txt" + nul + "/.kq-1-1.tmp",
                          "../other/notes.txt" + nul + "/.kq-1-2.bak")})}}},
        {"a NUL byte naming the set's own channel file",
         {{"set/.kq-1-3.jok", Journal({Entry(true, "cfg.fre" + nul + "/x", "cfg.fre" + nul + "/.kq-1-1.tmp",
                                             "cfg.fre" + nul + "/.kq-1-2.bak")})}}},
        // Not committed, it may name any file of its folder.
        {"a NUL byte, not committed",
         {{"set/.kq-1-3.jnl", Journal({Entry(false, "cfg.fre" + nul + "/x", "cfg.fre" + nul + "/.kq-1-1.tmp",
                                             "cfg.fre" + nul + "/.kq-1-2.bak", "-", Print("channels"))})}},
         {},
         kUnreadable},
        {"a NUL byte ending a file of the set's folder",
         {{"set/.kq-1-3.jnl",
           Journal({Entry(false, "notes.txt" + nul, ".kq-1-1.tmp", ".kq-1-2.bak", "-", Print("keep me"))})}},
         {},
         kUnreadable},
        // Its temporary file or backup would be a file of the folder, or of
        // another folder, that no save of the set wrote.
        {"a backup that is a plain file of the folder",
         {{"set/.kq-1-3.jnl",
           Journal({Entry(true, "cfg.fre", ".kq-1-1.tmp", "notes.txt", Print("keep me"), Print("channels"))})}},
         {},
         kUnreadable},
        {"a temporary file that is a plain file of the folder",
         {{"set/.kq-1-3.jnl",
           Journal({Entry(true, "cfg.fre", "notes.txt", ".kq-1-2.bak", Print("channels"), Print("new"))})}},
         {},
         kUnreadable},
        {"a backup in another folder",
         {{"other/.kq-1-2.bak", "old channels"},
          {"set/.kq-1-3.jnl", Journal({Entry(true, "cfg.fre", ".kq-1-1.tmp", "../other/.kq-1-2.bak",
                                             Print("old channels"), Print("channels"))})}},
         {},
         kUnreadable},
        // Its new file would be another save's backup, the only copy of a file.
        {"a file named like another save's backup",
         {{"set/.kq-7-7.bak", "only copy"},
          {"set/.kq-1-3.jnl",
           Journal({Entry(false, ".kq-7-7.bak", ".kq-1-1.tmp", ".kq-1-2.bak", "-", Print("only copy"))})}},
         {},
         kUnreadable},
        // Its new file would be the other folder's notes, which no save of
        // cfg.dat wrote: only a set that resolves to it may finish it.
        {"a new file in another folder",
         {{"set/.kq-1-3.jnl", Journal({Entry(false, "../other/notes.txt", "../other/.kq-1-1.tmp",
                                             "../other/.kq-1-2.bak", "-", Print("keep me too"))})}}},
        // In a folder several users write, a journal of another user's.
        {"another user's new file beside the set",
         {{"set/.kq-1-3.jnl",
           Journal({Entry(false, "notes.txt", ".kq-1-1.tmp", ".kq-1-2.bak", "-", Print("keep me"))})}},
         {".kq-1-3.jnl"}},
        // A link at a journal's name is read as if its names were counted
        // from the link's folder: a file put at the backup name it names
        // would be renamed over the data file. Nothing but a file at a
        // journal's name is a journal.
        {"a journal linked from elsewhere",
         {{"other/.kq-1-1.jnl",
           Journal({Entry(true, "cfg.dat", ".kq-1-1.tmp", ".kq-1-2.bak", Print("someone's"), Print("data"))})},
          LinkAt("set/.kq-1-9.jnl", "../other/.kq-1-1.jnl"),
          {"set/.kq-1-2.bak", "someone's"}}},
        {"a named pipe at a journal's name", {PipeAt("set/.kq-1-9.jnl")}},
        {"a folder at a journal's name", {FolderAt("set/.kq-1-9.jnl")}},
        // A marker counts only where it leads to a journal that names its
        // file: else anyone who may write the set's folder (here another
        // user) could have a load carry out any journal of the user's
        // elsewhere.
        {"a marker naming a journal of another folder",
         {{"other/.kq-1-1.jnl", Journal({Entry(false, "notes.txt", ".kq-1-2.tmp", ".kq-1-3.bak", "-",
                                               Print("keep me too"))})},
          {"set/" + MarkerName("cfg.dat"), Marker("../other/.kq-1-1.jnl", "cfg.dat")}},
         {MarkerName("cfg.dat")}},
        {"a marker naming a journal by its whole path",
         {{"other/.kq-1-1.jnl", Journal({Entry(false, "notes.txt", ".kq-1-2.tmp", ".kq-1-3.bak", "-",
                                               Print("keep me too"))})},
          {"set/" + MarkerName("cfg.dat"), "", Plant::As::File,
           [](const std::string& dir) { return Marker(dir + "/other/.kq-1-1.jnl", "cfg.dat"); }}},
         {MarkerName("cfg.dat")}},
        {"a marker naming a committed journal of another folder",
         {{"other/.kq-1-3.bak", "another save's backup"},
          {"other/.kq-1-1.jok", Journal({Entry(true, "notes.txt", ".kq-1-2.tmp", ".kq-1-3.bak",
                                               Print("another save's backup"), Print("keep me too"))})},
          {"set/" + MarkerName("cfg.dat"), Marker("../other/.kq-1-1.jnl", "cfg.dat")}},
         {MarkerName("cfg.dat")}},
    };
    for (const Case& c : cases) {
        PlantedFolder folder(c.planted);
        const FolderContents before = folder.Everything();
        FaultyFileSystem seam;
        for (const std::string& part : c.foreign) seam.ForeignOwner(part);
        const std::string loaded = folder.Load();
        if (!c.refused.empty())
            EXPECT_NE(loaded.find(c.refused), std::string::npos) << c.what << ": " << loaded;
        else
            EXPECT_EQ(loaded, "data;channels;") << c.what;
        EXPECT_EQ(folder.Everything(), before) << c.what;
        // Nor does a recovery of its folder.
        platform::RecoverInterruptedSaves(folder.dir.file("set"));
        EXPECT_EQ(folder.Everything(), before) << c.what;
    }
}

// A roll-back puts an old file back only from a file at the backup's name
// that holds the old contents its journal records, and only the
// fingerprints tell which files need it: a file anyone could have put at a
// temporary file's name proves nothing. A backup goes only once every
// other trace is gone.
TEST(PlantedJournal, ARollBackPutsBackOnlyTheOldContentsItsJournalRecords) {
    // A save of cfg.fre that died once its new channel file was in place.
    const std::string channels =
        Entry(true, "cfg.fre", ".kq-1-1.tmp", ".kq-1-2.bak", Print("old channels"), Print("channels"));
    const Plant journal{"set/.kq-1-3.jnl", Journal({channels})};
    const Plant backup{"set/.kq-1-2.bak", "old channels"};
    // The same save of cfg.fre and cfg.dat, cut short between its renames:
    // cfg.dat's new file still waits under its temporary name.
    const Plant bothJournal{"set/.kq-1-3.jnl",
                            Journal({channels, Entry(true, "cfg.dat", ".kq-1-4.tmp", ".kq-1-5.bak", Print("data"),
                                                     Print("new data"))})};
    const std::vector<Plant> cutShort = {
        bothJournal, backup, {"set/.kq-1-4.tmp", "new data"}, {"set/.kq-1-5.bak", "data"}};
    const std::string missing = "its old contents are missing";
    const FolderContents restored = {
        {"cfg.dat", "data"}, {"cfg.fre", "old channels"}, {"notes.txt", "keep me"}};
    struct Case {
        const char* what;
        std::vector<Plant> planted;
        std::string loads;  // what the load reads, or a part of its refusal
        std::optional<FolderContents> after = std::nullopt;  // set/ after the load: unchanged when none
        std::vector<std::string> foreign = {};
        std::string undeletable = "";
    };
    const Case cases[] = {
        {"its backup holds the old contents", {journal, backup}, "data;old channels;", restored},
        {"its backup is missing", {journal}, missing},
        {"a link stands at its backup's name",
         {journal, LinkAt("set/.kq-1-2.bak", "../other/notes.txt")},
         "its backup .kq-1-2.bak is a symbolic link, not its old contents"},
        {"its backup holds something else",
         {journal, {"set/.kq-1-2.bak", "someone's"}},
         "its backup .kq-1-2.bak does not hold its old contents"},
        {"a file another user put at a temporary file's name",
         With(cutShort, {"set/.kq-1-1.tmp", ""}),
         "data;old channels;",
         With(restored, {{".kq-1-1.tmp", ""}}),
         {".kq-1-1.tmp"}},
        // Whole once put back, it loads; the journal keeps what it could
        // not remove, and no backup goes before it.
        {"a temporary file that cannot be removed",
         With(cutShort, {"set/.kq-1-1.tmp", "half"}),
         "data;old channels;",
         With(restored, {{".kq-1-1.tmp", "half"},
                         {".kq-1-3.jnl", bothJournal.bytes},
                         {".kq-1-4.tmp", "new data"},
                         {".kq-1-5.bak", "data"}}),
         {},
         ".kq-1-1.tmp"},
    };
    for (const Case& c : cases) {
        PlantedFolder folder(c.planted);
        const FolderContents before = Contents(folder.dir.file("set"));
        const FolderContents elsewhere = Contents(folder.dir.file("other"));
        std::string loaded;
        {
            FaultyFileSystem seam;
            for (const std::string& part : c.foreign) seam.ForeignOwner(part);
            if (!c.undeletable.empty()) seam.Undeletable(c.undeletable);
            loaded = folder.Load();
        }
        if (c.after)
            EXPECT_EQ(loaded, c.loads) << c.what;
        else
            EXPECT_NE(loaded.find(c.loads), std::string::npos) << c.what << ": " << loaded;
        EXPECT_EQ(Contents(folder.dir.file("set")), c.after.value_or(before)) << c.what;
        EXPECT_EQ(Contents(folder.dir.file("other")), elsewhere) << c.what;
        // A set refused stays refused to a save too, which follows no link
        // it was handed.
        if (!c.after) {
            EXPECT_NE(folder.Save().find(c.loads), std::string::npos) << c.what;
            EXPECT_EQ(Contents(folder.dir.file("other")), elsewhere) << c.what;
        }
    }
}

TEST(PlantedJournal, AnotherUsersCutShortSaveIsNamedAndBlocksOnlyItsFiles) {
    const std::string journal = ".kq-1-3.jnl";
    PlantedFolder folder(
        {{"set/" + journal,
          Journal({Entry(false, "notes.txt", ".kq-1-1.tmp", ".kq-1-2.bak", "-", Print("keep me"))})}});
    const FolderContents before = folder.Everything();
    FaultyFileSystem seam;
    seam.ForeignOwner(journal);
    EXPECT_EQ(folder.Load(), "data;channels;");
    EXPECT_EQ(folder.Load({"notes.txt"}),
              "refused: " + folder.dir.file("set/" + journal) +
                  ": Another user's save of notes.txt was cut short; only that user's program can finish it");
    EXPECT_EQ(folder.Everything(), before);

    // Its own user finishes it: the new file it left goes.
    seam.Heal();
    EXPECT_EQ(folder.Load({"notes.txt"}), ";");
    EXPECT_FALSE(fs::exists(folder.dir.file("set/" + journal)));
}

// However many files a journal names, a message names a few.
TEST(PlantedJournal, AMessageNamesAFewFilesOfALongJournal) {
    std::vector<std::string> entries{Entry(false, "cfg.dat", ".kq-1-1.tmp", ".kq-1-2.bak", "-", Print("data"))};
    for (int i = 1; i <= 1000; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back(Entry(false, "f" + n, ".kq-2-" + n + ".tmp", ".kq-3-" + n + ".bak", "-", Print("x")));
    }
    const std::string journal = ".kq-1-3.jnl";
    PlantedFolder folder({{"set/" + journal, Journal(entries)}});
    FaultyFileSystem seam;
    seam.ForeignOwner(journal);
    EXPECT_EQ(folder.Load(), "refused: " + folder.dir.file("set/" + journal) +
                                 ": Another user's save of cfg.dat, f1, f2 and 998 more was cut short; only that "
                                 "user's program can finish it");
}

// A journal's file outside its folder is carried out by a load of a set
// that resolves to it: a channel file linked into that folder.
TEST(PlantedJournal, AFileOutsideItsFolderIsFinishedByTheSetLinkedToIt) {
    PlantedFolder folder;
    fs::remove(folder.dir.file("set/cfg.fre"));
    folder.dir.write("other/cfg.fre", "new channels");
    fs::create_symlink("../other/cfg.fre", folder.dir.file("set/cfg.fre"));
    // A save of cfg.dat that died once its new channel file was in place:
    // the old one waits under its backup name.
    folder.dir.write("other/.kq-1-2.bak", "channels");
    folder.dir.write("set/.kq-1-4.jnl", Journal({Entry(true, "../other/cfg.fre", "../other/.kq-1-1.tmp",
                                                       "../other/.kq-1-2.bak", Print("channels"),
                                                       Print("new channels"))}));
    // Recovering either folder by itself leaves it.
    EXPECT_TRUE(platform::RecoverInterruptedSaves(folder.dir.file("set")).has_value());
    EXPECT_EQ(folder.dir.read("other/cfg.fre"), "new channels");
    EXPECT_EQ(folder.Load(), "data;channels;");
    EXPECT_TRUE(NoTemporaryFiles(folder.dir.file("set")));
    EXPECT_TRUE(NoTemporaryFiles(folder.dir.file("other")));
}

// A marker that leads to a journal standing stays until that journal is
// carried out, whichever other journal of its file is carried out first.
TEST(PlantedMarker, AMarkerStaysWhileTheJournalItNamesStands) {
    const std::string marker = MarkerName("cfg.dat");
    PlantedFolder folder({
        // Committed, and finished by the load.
        {"set/.kq-1-1.jok",
         Journal({Entry(true, "cfg.dat", ".kq-1-2.tmp", ".kq-1-3.bak", Print("old data"), Print("data"))})},
        {"set/.kq-1-3.bak", "old data"},
        // Cut short with its backup lost: it stays, and so does its marker.
        {"set/.kq-1-5.jnl",
         Journal({Entry(true, "cfg.dat", ".kq-1-6.tmp", ".kq-1-7.bak", Print("older data"), Print("data"))})},
        {"set/" + marker, Marker(".kq-1-5.jnl", "cfg.dat")},
    });
    EXPECT_NE(folder.Load().find("its old contents are missing"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.dir.file("set/.kq-1-1.jok")));
    EXPECT_TRUE(fs::exists(folder.dir.file("set/.kq-1-5.jnl")));
    EXPECT_EQ(folder.dir.read("set/" + marker), Marker(".kq-1-5.jnl", "cfg.dat"));
}

// A marker that leads to no journal is removed only when this user's
// program left it: another user's, in a folder both may write, stays.
TEST(PlantedMarker, AStaleMarkerGoesOnlyWhenThisUsersProgramLeftIt) {
    for (const bool foreign : {false, true}) {
        const std::string marker = MarkerName("notes.txt");
        PlantedFolder folder({{"set/" + marker, Marker(".kq-1-5.jnl", "notes.txt")}});
        FaultyFileSystem seam;
        if (foreign) seam.ForeignOwner(marker);
        EXPECT_EQ(folder.Load(), "data;channels;");
        EXPECT_EQ(fs::exists(folder.dir.file("set/" + marker)), foreign) << (foreign ? "another user's" : "own");
    }
}

// Whatever stands at the name of a file's marker and is no marker of a save
// under way is in a save's way at once, named with where it stands; a
// marker this user's program left that leads nowhere is replaced. A load
// looks past what is no marker of this program's.
TEST(PlantedMarker, WhatStandsInAMarkersWayIsNamedAtOnce) {
    const std::string marker = MarkerName("cfg.dat");
    const std::string at = "set/" + marker;
    const auto inTheWay = [](const std::string& what) {
        return what + " stands where the save marker of cfg.dat goes; remove it, then save again";
    };
    const Plant foreignJournal{
        "set/.kq-1-1.jok",
        Journal({Entry(true, "cfg.dat", ".kq-1-2.tmp", ".kq-1-3.bak", Print("old data"), Print("data"))})};
    struct Case {
        const char* what;
        std::vector<Plant> planted;
        std::string says;  // "" when the save goes through
        std::vector<std::string> foreign = {};
    };
    const Case cases[] = {
        {"a dangling link", {LinkAt(at, "/nonexistent")}, inTheWay("A symbolic link")},
        {"a link to a file", {LinkAt(at, "../other/notes.txt")}, inTheWay("A symbolic link")},
        {"a named pipe", {PipeAt(at)}, inTheWay("A named pipe")},
        {"a folder", {FolderAt(at)}, inTheWay("A folder")},
        {"another user's marker leading nowhere",
         {{at, Marker(".kq-1-5.jnl", "cfg.dat")}},
         "Another user's program left this save marker of cfg.dat behind; only that user or the folder's owner can "
         "remove it",
         {marker}},
        {"another user's marker of a journal that stands",
         {foreignJournal, {at, Marker(".kq-1-1.jnl", "cfg.dat")}},
         "Another user's save of cfg.dat was cut short (.kq-1-1.jok keeps its record); only that user's program can "
         "finish it",
         {marker, ".kq-1-1.jok"}},
        {"this user's marker leading nowhere", {{at, Marker(".kq-1-5.jnl", "cfg.dat")}}, ""},
    };
    for (const Case& c : cases) {
        PlantedFolder folder(c.planted);
        const FolderContents before = folder.Everything();
        // In a process of its own, so a save that never stops fails the
        // case instead of hanging the test.
        ChildProcess saver([&](int, ChildProcess::Parent&) {
            FaultyFileSystem seam;
            for (const std::string& part : c.foreign) seam.ForeignOwner(part);
            return folder.Save();
        });
        const std::string saved = saver.Run(0);
        if (c.says.empty()) {
            EXPECT_EQ(saved, "") << c.what;
            EXPECT_EQ(folder.Load(), "new cfg.dat;new cfg.fre;") << c.what;
            EXPECT_TRUE(NoTemporaryFiles(folder.dir.file("set"))) << c.what;
            continue;
        }
        EXPECT_EQ(saved, folder.dir.file(at) + ": " + c.says) << c.what;
        EXPECT_EQ(folder.Everything(), before) << c.what;
        FaultyFileSystem seam;
        for (const std::string& part : c.foreign) seam.ForeignOwner(part);
        EXPECT_EQ(folder.Load(), "data;channels;") << c.what;
    }
}

}  // namespace
