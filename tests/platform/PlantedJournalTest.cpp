// A journal found on disk is carried out only where its own save could have
// written it: one the file layer did not write, or another user's, changes
// no file when a set beside it is loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "FaultyFileSystem.h"
#include "FolderContents.h"
#include "TempDir.h"
#include "platform/save/SaveRecovery.h"
#include "platform/save/SaveTraces.h"

namespace {

namespace fs = std::filesystem;

// An entry of a journal as the file layer writes it: E1 when an old file
// was there, then the file, its temporary file and backup, and the old and
// new file's fingerprints.
std::string Entry(bool hadOld, const std::string& target, const std::string& temp, const std::string& backup,
                  const std::string& fresh = "-") {
    std::string line = hadOld ? "E1" : "E0";
    for (const std::string& field : {target, temp, backup, std::string("-"), fresh})
        line += " " + std::to_string(field.size()) + ":" + field;
    return line + "\n";
}

std::string FingerprintText(const std::string& bytes) {
    const std::vector<uint8_t> data(bytes.begin(), bytes.end());
    return platform::traces::FingerprintOfBytes(data).Text();
}

// A set cfg.dat + cfg.fre, a file beside it and one in another folder.
struct PlantedFolder {
    TempDir dir;
    PlantedFolder() {
        dir.write("set/cfg.dat", "data");
        dir.write("set/cfg.fre", "channels");
        dir.write("set/notes.txt", "keep me");
        dir.write("other/notes.txt", "keep me too");
    }
    // What a load of `files` (named in set/) reads, or why it is refused.
    std::string Load(const std::vector<std::string>& names) const {
        std::vector<std::string> files;
        for (const std::string& name : names) files.push_back(dir.file("set/" + name));
        const auto read = platform::ReadSteadily(files, [&] {
            std::string out;
            for (const std::string& f : files) out += ReadWithoutWaiting(f) + ";";
            return out;
        });
        if (const auto* refused = std::get_if<platform::FileProblem>(&read)) return "refused: " + refused->Text();
        return std::get<std::string>(read);
    }
    FolderContents Everything() const {
        FolderContents all;
        for (const char* folder : {"set", "other"})
            for (const auto& [name, bytes] : Contents(dir.file(folder))) all[std::string(folder) + "/" + name] = bytes;
        return all;
    }
};

TEST(PlantedJournal, OneItsOwnSaveCouldNotHaveWrittenChangesNoFile) {
    const std::string nul(1, '\0');
    struct Case {
        const char* what;
        const char* journal;  // its name in set/
        std::string entry;
        bool foreign = false;  // another user's
        // What a load of cfg.dat + cfg.fre says: "" when it reads them.
        const char* refused = "";
    };
    const Case cases[] = {
        // The system sees a name only up to a NUL byte, so every check of
        // the whole name passes while the file before it is removed. Such a
        // journal cannot be read; committed, it blocks nothing.
        {"a NUL byte beside the set", ".kq-1-3.jok",
         Entry(true, "notes.txt" + nul + "/x", "notes.txt" + nul + "/.kq-1-1.tmp", "notes.txt" + nul + "/.kq-1-2.bak")},
        {"a NUL byte in another folder", ".kq-1-3.jok",
         Entry(true, "../other/notes.txt" + nul + "/x", "../other/notes.txt" + nul + "/.kq-1-1.tmp",
               "../other/notes.txt" + nul + "/.kq-1-2.bak")},
        {"a NUL byte naming the set's own channel file", ".kq-1-3.jok",
         Entry(true, "cfg.fre" + nul + "/x", "cfg.fre" + nul + "/.kq-1-1.tmp", "cfg.fre" + nul + "/.kq-1-2.bak")},
        // Not committed, it may name any file of its folder.
        {"a NUL byte, not committed", ".kq-1-3.jnl",
         Entry(false, "cfg.fre" + nul + "/x", "cfg.fre" + nul + "/.kq-1-1.tmp", "cfg.fre" + nul + "/.kq-1-2.bak",
               FingerprintText("channels")),
         false, "its record cannot be read"},
        // Its new file would be the other folder's notes, which no save of
        // cfg.dat wrote: only a set that resolves to it may finish it.
        {"a new file in another folder", ".kq-1-3.jnl",
         Entry(false, "../other/notes.txt", "../other/.kq-1-1.tmp", "../other/.kq-1-2.bak",
               FingerprintText("keep me too"))},
        // In a folder several users write, a journal of another user's.
        {"another user's new file beside the set", ".kq-1-3.jnl",
         Entry(false, "notes.txt", ".kq-1-1.tmp", ".kq-1-2.bak", FingerprintText("keep me")), true},
    };
    for (const Case& c : cases) {
        PlantedFolder folder;
        folder.dir.write(std::string("set/") + c.journal, "KQSAVE 3\n" + c.entry + "END\n");
        const FolderContents before = folder.Everything();
        FaultyFileSystem seam;
        if (c.foreign) seam.ForeignOwner(c.journal);
        const std::string loaded = folder.Load({"cfg.dat", "cfg.fre"});
        if (*c.refused)
            EXPECT_NE(loaded.find(c.refused), std::string::npos) << c.what << ": " << loaded;
        else
            EXPECT_EQ(loaded, "data;channels;") << c.what;
        EXPECT_EQ(folder.Everything(), before) << c.what;
        // Nor does a recovery of its folder.
        platform::RecoverInterruptedSaves(folder.dir.file("set"));
        EXPECT_EQ(folder.Everything(), before) << c.what;
    }
}

TEST(PlantedJournal, AnotherUsersCutShortSaveIsNamedAndBlocksOnlyItsFiles) {
    PlantedFolder folder;
    const std::string journal = ".kq-1-3.jnl";
    folder.dir.write("set/" + journal,
                     "KQSAVE 3\n" + Entry(false, "notes.txt", ".kq-1-1.tmp", ".kq-1-2.bak", FingerprintText("keep me")) +
                         "END\n");
    const FolderContents before = folder.Everything();
    FaultyFileSystem seam;
    seam.ForeignOwner(journal);
    EXPECT_EQ(folder.Load({"cfg.dat", "cfg.fre"}), "data;channels;");
    EXPECT_EQ(folder.Load({"notes.txt"}),
              "refused: " + folder.dir.file("set/" + journal) +
                  ": Another user's save of notes.txt was cut short; only that user's program can finish it");
    EXPECT_EQ(folder.Everything(), before);

    // Its own user finishes it: the new file it left goes.
    seam.Heal();
    EXPECT_EQ(folder.Load({"notes.txt"}), ";");
    EXPECT_FALSE(fs::exists(folder.dir.file("set/" + journal)));
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
    folder.dir.write("set/.kq-1-4.jnl", "KQSAVE 3\n" +
                                            Entry(true, "../other/cfg.fre", "../other/.kq-1-1.tmp",
                                                  "../other/.kq-1-2.bak", FingerprintText("new channels")) +
                                            "END\n");
    // Recovering either folder by itself leaves it.
    EXPECT_TRUE(platform::RecoverInterruptedSaves(folder.dir.file("set")).has_value());
    EXPECT_EQ(folder.dir.read("other/cfg.fre"), "new channels");
    EXPECT_EQ(folder.Load({"cfg.dat", "cfg.fre"}), "data;channels;");
    EXPECT_TRUE(NoTemporaryFiles(folder.dir.file("set")));
    EXPECT_TRUE(NoTemporaryFiles(folder.dir.file("other")));
}

}  // namespace
