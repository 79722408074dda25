// Data files: saving and loading in every version, the refused files that
// must leave everything as it was, safe saves, and the default data files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include <sys/resource.h>
#include <sys/stat.h>

#include "CoreDataFixture.h"
#include "FaultyFileSystem.h"
#include "FifoWatchdog.h"
#include "core/DataFiles.h"
#include "core/Defaults.h"
#include "core/FactoryDataHooks.h"
#include "core/MainWindowHooks.h"
#include "core/SavedCopy.h"
#include "core/StartupState.h"
#include "platform/save/StagedFiles.h"

using namespace std::string_literals;
using platform::Answer;
using platform::Buttons;

namespace {

// Writes little-endian integers and texts at the offsets a layout table gives.
struct FixtureBytes {
    std::string b;
    explicit FixtureBytes(std::size_t size) : b(size, '\0') {}
    void i16(std::size_t at, int16_t v) {
        b[at] = static_cast<char>(v & 0xFF);
        b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    }
    void text(std::size_t at, std::string_view t) { b.replace(at, t.size(), t); }
};

// One channel record of a .fre file: number, used flag, scan skip, codes.
std::string FreRecord(int16_t no, std::string_view rx) {
    FixtureBytes r(89);
    r.i16(0, no);
    r.i16(2, 1);
    r.text(6, rx);
    r.text(15, "000000000");
    r.text(24, "CH" + std::to_string(no));
    r.i16(87, 1511);
    return r.b;
}

class DataFiles : public CoreData {
protected:
    // A configuration with something in every area a file carries.
    void BuildConfiguration() {
        NewRadioData();
        CurData.CHCount = 0;
        for (int16_t no : {7, 2, 12, 1}) AddChannel(no, "145.5000");
        UFreList[1].CHName = "TWO";
        CurData.FunSet.DTMF.DTMFSelfID = "123";
        CurData.FunSet.Tone5.Tone5List[3].Name = "FIVE";
        CurData.CommuBook[4].Name = "BOOK";
        CurData.LimitCH[2].UsedFlag = 1;
        CurData.Hyper[1].HCH[9].CHName = "HYPER";
        CurData.TV[5].Freq = "01450000";
        CurData.Note[3] = "NOTE";
        CurData.NoteIndex = 3;
        CurData.HyperMode[1] = 2;
        CurData.BeepVolume = 1;
        CurData.ExtSpeaker = 1;
    }

    // Everything a refused load or a failed save must leave alone.
    struct Snapshot {
        RadioData cur, old;
        std::array<UFreData, kMaxChannels> list, oldList;
        std::string name;
        int16_t isNew;
        int16_t band;
    };
    static Snapshot Take() { return {CurData, OldData, UFreList, OldUFreList, DataFileName, IsNewFile, PCBand}; }
    static void ExpectUnchanged(const Snapshot& s, const std::string& what) {
        EXPECT_TRUE(CurData == s.cur) << what;
        EXPECT_TRUE(OldData == s.old) << what;
        EXPECT_TRUE(UFreList == s.list) << what;
        EXPECT_TRUE(OldUFreList == s.oldList) << what;
        EXPECT_EQ(DataFileName, s.name) << what;
        EXPECT_EQ(IsNewFile, s.isNew) << what;
        EXPECT_EQ(PCBand, s.band) << what;
    }

    std::string Save(const std::string& name) {
        DataFileName = dir.file(name);
        EXPECT_TRUE(WriteDatFile());
        return DataFileName;
    }
};

TEST_F(DataFiles, ASavedFileLoadsBackAsItWasAndSavesToTheSameBytes) {
    BuildConfiguration();
    PCBand = 1;
    IsNewFile = -1;
    const std::string path = Save("radio.dat");
    EXPECT_EQ(IsNewFile, 0);
    EXPECT_TRUE(IsDataSame());
    const std::string dat = dir.read("radio.dat");
    const std::string fre = dir.read("radio.fre");
    ASSERT_EQ(dat.size(), 13111u);
    EXPECT_EQ(dat.substr(0, 4), "V200");
    EXPECT_EQ(dat.substr(4, 2), "\x01\x00"s);  // the band plan of the data
    EXPECT_EQ(fre.size(), 4u * 89u);
    const RadioData saved = CurData;

    // Spoil the working copy, then load.
    NewRadioData();
    PCBand = 0;
    EXPECT_TRUE(ReadDatFile(path));
    EXPECT_TRUE(CurData == saved);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{7, 2, 12, 1}));
    EXPECT_EQ(UFreList[1].CHName.value(), "TWO");
    EXPECT_EQ(PCBand, 1);
    EXPECT_EQ(DataFileName, path);
    EXPECT_EQ(IsNewFile, 0);
    EXPECT_TRUE(IsDataSame());

    Save("again.dat");
    EXPECT_EQ(dir.read("again.dat"), dat);
    EXPECT_EQ(dir.read("again.fre"), fre);
}

// The test builds an old file from the layout table, loads it, and saves it
// as V200: every member lands where the current layout has it.
TEST_F(DataFiles, AV101FileLoadsAndSavesAsV200WithTheSameMembers) {
    BuildConfiguration();
    SaveOldRadioData();
    FixtureBytes v101(13107);
    v101.i16(0, 1);                // Band
    v101.text(2 + 506, "456");     // DTMFSelfID
    v101.i16(6908, 2);             // CHCount
    v101.i16(6910 + 14 * 3, 3);    // CommuBook(3).No
    v101.b[8310] = 7;              // Tone5DecodeTime
    v101.i16(8311 + 89 * 9, 10);   // LimitCH(9).CHNo
    v101.i16(9201 + 1110 + 576 + 89 * 5, 12);  // bank 2 row 12
    v101.text(11421 + 12 * 128 + 4, "01080000");
    v101.text(12969 + 8 * 15, "LAST");  // Note(15)
    v101.i16(12969 + 128, 15);     // NoteIndex
    v101.i16(13099 + 2, 1);        // HyperMode(1)
    v101.i16(13103, 1);            // BeepVolume
    v101.i16(13105, 1);            // ExtSpeaker
    const std::string path = dir.write("old.dat", v101.b);
    dir.write("old.fre", FreRecord(5, "014500000") + FreRecord(3, "043000000"));

    ASSERT_TRUE(ReadDatFile(path));
    EXPECT_EQ(CurData.Version.raw(), "V200");
    EXPECT_EQ(PCBand, 1);
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "456");
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{5, 3}));
    EXPECT_EQ(CurData.Hyper[1].HCH[11].CHNo, 12);
    EXPECT_EQ(CurData.Note[15].value(), "LAST");
    EXPECT_EQ(CurData.NoteIndex, 15);
    EXPECT_EQ(CurData.HyperMode[1], 1);
    EXPECT_EQ(CurData.ExtSpeaker, 1);

    Save("new.dat");
    EXPECT_EQ(dir.read("new.dat"), "V200" + v101.b);
    EXPECT_EQ(dir.read("new.fre"), FreRecord(5, "014500000") + FreRecord(3, "043000000"));
}

TEST_F(DataFiles, AV100FileGetsDefaultUpperHyperRowsAndKeepsTheSavedEventRecords) {
    BuildConfiguration();
    SaveOldRadioData();
    const RadioData before = OldData;
    FixtureBytes v100(11901);
    v100.i16(6908, 1);                    // CHCount
    v100.i16(9201 + 534 + 2 * 3, 7);      // bank 1 setting NormalIDL
    v100.i16(9201 + 576, 1);              // bank 2 row 1 CHNo
    v100.text(9201 + 576 + 24, "ROW1");   // its name
    v100.i16(9201 + 576 + 534 + 2 * 14, 0);  // bank 2 MainSel
    v100.text(10353 + 12 * 128 + 4, "04300000");
    const std::string path = dir.write("v100.dat", v100.b);
    dir.write("v100.fre", FreRecord(9, "043000000"));

    ASSERT_TRUE(ReadDatFile(path));
    EXPECT_EQ(CurData.Version.raw(), "V200");
    EXPECT_EQ(CurData.Hyper[0].Setting.NormalIDL, 7);
    EXPECT_EQ(CurData.Hyper[1].CH[0].CHName.value(), "ROW1");
    EXPECT_EQ(CurData.TV[128].Freq.raw(), "04300000");
    // Rows 7..12 of both banks are the defaults, whatever the saved copy held.
    const char* rx[] = {"010800000", "022000000", "035000000", "040000000", "013600000", "040000000"};
    for (int b = 0; b < 2; ++b)
        for (int row = 7; row <= 12; ++row) {
            const UFreData& ch = CurData.Hyper[static_cast<std::size_t>(b)].HCH[row - 1];
            EXPECT_EQ(ch.CHNo, row);
            EXPECT_EQ(ch.RxFre.raw(), rx[(row - 1) % 6]);
            EXPECT_EQ(ch.CHName.value(), "");
        }
    // What the old file does not hold stays as the saved copy had it.
    EXPECT_TRUE(CurData.Note == before.Note);
    EXPECT_EQ(CurData.NoteIndex, before.NoteIndex);
    EXPECT_TRUE(CurData.HyperMode == before.HyperMode);
    EXPECT_EQ(CurData.BeepVolume, before.BeepVolume);
    EXPECT_EQ(CurData.ExtSpeaker, before.ExtSpeaker);
    EXPECT_TRUE(IsDataSame());
}

TEST_F(DataFiles, ExtraChannelRecordsInTheChannelFileAreIgnored) {
    FixtureBytes dat(13111);
    dat.text(0, "V200");
    dat.i16(6912, 1);
    const std::string path = dir.write("more.dat", dat.b);
    dir.write("more.fre", FreRecord(4, "014500000") + FreRecord(8, "014600000") + "xyz");
    ASSERT_TRUE(ReadDatFile(path));
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{4}));
}

TEST_F(DataFiles, AFileThatCannotBeLoadedChangesNothing) {
    FixtureBytes good(13111);
    good.text(0, "V200");
    good.i16(6912, 3);
    const std::string threeChannels = FreRecord(1, "014500000") + FreRecord(2, "014500000") + FreRecord(3, "014500000");
    auto withCount = [&](int16_t n) {
        FixtureBytes f = good;
        f.i16(6912, n);
        return f.b;
    };
    const std::string versionError = "File Version Error!\r\nFile Version Is V300";
    const auto fileError = [&](std::string_view name, std::string_view reason) {
        return "file error.\n" + dir.file(name) + ": " + std::string(reason);
    };
    struct Case {
        const char* what;
        std::string dat;             // "" = no file
        std::optional<std::string> fre;
        std::string message;
        std::string name = "bad.dat";
    };
    const Case cases[] = {
        {"missing file", "", threeChannels, fileError("bad.dat", "No such file or directory")},
        {"shorter than a V200 record", good.b.substr(0, 13110), threeChannels,
         fileError("bad.dat", "Shorter than its 13111-byte record")},
        {"a V101 record cut short", "V101" + std::string(100, '\0'), threeChannels,
         fileError("bad.dat", "Shorter than its 13107-byte record")},
        {"no version text, unknown length", std::string(13108, '\x01'), threeChannels,
         "The file is no data file of this program."},
        {"a V101 length plus one byte", std::string(13107 + 1, '\x02'), threeChannels,
         "The file is no data file of this program."},
        {"shorter than a version text", "V2", threeChannels, "The file is no data file of this program."},
        {"unknown version", "V300" + good.b.substr(4), threeChannels, versionError},
        {"channel count above 758", withCount(759), threeChannels,
         fileError("bad.dat", "Its channel count lies outside 0 to 758")},
        {"negative channel count", withCount(-1), threeChannels,
         fileError("bad.dat", "Its channel count lies outside 0 to 758")},
        {"no channel file", good.b, std::nullopt, fileError("bad.fre", "No such file or directory")},
        {"channel file one record short", good.b, threeChannels.substr(0, 2 * 89),
         fileError("bad.fre", "Holds 2 of the 3 channel records")},
        {"channel file one byte short", good.b, threeChannels.substr(0, 3 * 89 - 1),
         fileError("bad.fre", "Holds 2 of the 3 channel records")},
        {"data file named like its channel file", good.b, std::nullopt,
         fileError("bad.fre", "The name leaves no name for its channel file"), "bad.fre"},
    };
    BuildConfiguration();
    SaveOldRadioData();
    CurData.CHCount = 3;  // the working copy differs from the saved one
    DataFileName = "current.dat";
    IsNewFile = -1;
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.file("bad.dat"));
        std::filesystem::remove_all(dir.file("bad.fre"));
        if (!c.dat.empty()) dir.write(c.name, c.dat);
        if (c.fre) dir.write("bad.fre", *c.fre);
        const Snapshot before = Take();
        prompts.expect(c.message, Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(ReadDatFile(dir.file(c.name))) << c.what;
        ExpectUnchanged(before, c.what);
    }
}

TEST_F(DataFiles, RefusedTestDataRefusesTheWholeLoad) {
    bool committed = false;
    FactoryHooks().enabled = [] { return true; };
    FactoryHooks().parse = [](std::optional<std::span<const uint8_t>> bytes) { return bytes && bytes->size() == 48; };
    FactoryHooks().commitParsed = [&] { committed = true; };
    FactoryHooks().pack = [] { return std::vector<uint8_t>(48, 0xAB); };

    BuildConfiguration();
    const std::string path = Save("factory.dat");
    EXPECT_EQ(dir.read("factory.ted"), std::string(48, '\xAB'));
    ASSERT_TRUE(ReadDatFile(path));
    EXPECT_TRUE(committed);

    committed = false;
    dir.write("factory.ted", "short");
    const Snapshot before = Take();
    prompts.expect("file error.\n" + dir.file("factory.ted") + ": Shorter than its 48-byte record", Buttons::Ok,
                   Answer::Ok);
    EXPECT_FALSE(ReadDatFile(path));
    EXPECT_FALSE(committed);
    ExpectUnchanged(before, "short test data");
}

TEST_F(DataFiles, AFailedSaveIsReportedAndLeavesTheOldFilesAndTheSavedCopy) {
    BuildConfiguration();
    Save("keep.dat");
    const std::string oldDat = dir.read("keep.dat");
    CurData.FunSet.DTMF.DTMFSelfID = "999";
    AddChannel(30, "146.0000");
    IsNewFile = -1;

    // The channel file cannot be put in place: a folder stands there.
    std::filesystem::remove(dir.file("keep.fre"));
    std::filesystem::create_directory(dir.file("keep.fre"));
    const Snapshot before = Take();
    prompts.expect("file error.\n" + dir.file("keep.fre") + ": Is a directory", Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(WriteDatFile());
    ExpectUnchanged(before, "channel file blocked");
    EXPECT_EQ(dir.read("keep.dat"), oldDat);
    EXPECT_TRUE(IsDataChanged());

    // No folder to write into.
    DataFileName = dir.file("missing/keep.dat");
    prompts.expect("file error.\n" + dir.file("missing/keep.fre") + ": No such file or directory", Buttons::Ok,
                   Answer::Ok);
    EXPECT_FALSE(WriteDatFile());
    EXPECT_TRUE(IsDataChanged());

    // A name whose channel file would be itself.
    DataFileName = dir.file("keep.fre");
    prompts.expect("file error.\n" + dir.file("keep.fre") + ": The name leaves no name for its channel file",
                   Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(WriteDatFile());

    // No temporary file stays behind.
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(platform::IsSaveTraceName(e.path().filename().string())) << e.path();
}

TEST_F(DataFiles, ChannelFilesAreReadOnlyWhenTheyHoldEveryRecord) {
    for (int16_t no : {4, 9, 2}) AddChannel(no, "145.0000");
    SaveOldRadioData();
    const std::string path = dir.file("ch.dat");
    ASSERT_TRUE(WriteFreFile(path, 3));
    EXPECT_EQ(dir.read("ch.fre").size(), 3u * 89u);
    OldUFreList = {};
    EXPECT_FALSE(ReadFreFile(path, 4));
    EXPECT_EQ(OldUFreList[0].CHNo, 0);
    ASSERT_TRUE(ReadFreFile(path, 3));
    EXPECT_EQ(OldUFreList[2].CHNo, 2);
    EXPECT_FALSE(WriteFreFile(dir.file("ch.fre"), 3));  // would be its own channel file
}

struct RecordingView : MainWindowView {
    std::string calls;
    void ReShowListByData() override { calls += "list;"; }
    void ShowMainTxt() override { calls += "title;"; }
};

TEST_F(DataFiles, TheMainWindowRedrawsAfterEachFileCommand) {
    RecordingView view;
    ScopedMainView installed(view);
    NewDataFile();
    const std::string path = Save("shown.dat");
    ASSERT_TRUE(ReadDatFile(path));
    DataFileName = dir.file("nofolder/x.dat");
    prompts.expectAny(Answer::Ok);
    EXPECT_FALSE(WriteDatFile());
    EXPECT_EQ(view.calls, "list;title;list;");
}

TEST_F(DataFiles, CompanionNames) {
    struct Companion { const char* what; const char* dat; std::optional<std::string> fre; };
    const Companion companions[] = {
        {"extension replaced", "/x/radio.dat", "/x/radio.fre"},
        {"in any case", "/x/radio.DAT", "/x/radio.fre"},
        {"any extension", "/x/radio.cfg", "/x/radio.fre"},
        {"only the last one", "/x/a.b.dat", "/x/a.b.fre"},
        {"none: appended", "/d/data/ab", "/d/data/ab.fre"},
        {"a short name", "ab", "ab.fre"},
        {"a dot in the folder only", "/d/v1.2/radio", "/d/v1.2/radio.fre"},
        {"a name that starts with a dot", "/d/.radio", "/d/.radio.fre"},
        {"no file named", "/d/data/", std::nullopt},
        {"nothing at all", "", std::nullopt},
    };
    for (const Companion& c : companions) EXPECT_EQ(CompanionPath(c.dat, "fre"), c.fre) << c.what;

    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"/x/radio", "/x/radio.dat"},
        {"/x/radio.dat", "/x/radio.dat"},
        {"/x/RADIO.DAT", "/x/RADIO.DAT"},
        {"/x/radio.fre", "/x/radio.fre.dat"},
        {"/x/radio.data", "/x/radio.data.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(WithDatExtension(c.in), c.out) << c.in;
}

// ---- default data files --------------------------------------------------

class InitFiles : public DataFiles {
protected:
    // A default data file whose DTMF own ID marks it, with the channels given.
    void WriteInitFile(const std::string& name, std::vector<int16_t> channels) {
        FixtureBytes dat(13111);
        dat.text(0, "V200");
        dat.i16(4, 1);  // a band plan the load replaces with PCBand
        dat.text(6 + 506, name.substr(0, 3));
        dat.i16(6912, static_cast<int16_t>(channels.size()));
        std::string fre;
        for (int16_t no : channels) fre += FreRecord(no, "014500000");
        dir.write("Init/" + name + ".dat", dat.b);
        dir.write("Init/" + name + ".fre", fre);
    }
};

TEST_F(InitFiles, OnlyChannelsOneToFourOfTheDefaultFileAreKept) {
    WriteInitFile("314KTR_0", {1, 2, 3, 5, 4, 6});
    NewRadioData();
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "314");
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2, 3, 4}));
    EXPECT_EQ(CurData.Band, 0);
    EXPECT_TRUE(IsDataSame());
    EXPECT_EQ(DataFileName, "new.dat");
    EXPECT_EQ(IsNewFile, -1);

    for (int16_t* flag : {&FactoryFresFlag, &InitDataMode}) {
        *flag = 1;
        NewRadioData();
        EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2, 3, 5, 4, 6}));
        *flag = 0;
    }
}

TEST_F(InitFiles, WithoutTheModelsOwnFileTheFallbackStartsFromChannelOne) {
    WriteInitFile("314KTR_0", {2, 3});
    // A model code that is no plain name never reaches outside the folder.
    dir.write("trap/X_0.dat", "V200" + std::string(13107, '\0'));
    dir.write("trap/X_0.fre", "");
    for (const char* model : {"OTHER", "../trap/X", "a b", ""}) {
        RadioModel = model;
        NewRadioData();
        EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "314") << model;
        ASSERT_EQ(CurData.CHCount, 1) << model;
        EXPECT_EQ(UFreList[0].CHNo, 1);
        EXPECT_EQ(UFreList[0].RxFre.raw(), "043000000");
        EXPECT_TRUE(IsDataSame()) << model;
    }
}

TEST_F(InitFiles, AModelFileOfTheBandPlanIsUsed) {
    WriteInitFile("314KTR_0", {1});
    WriteInitFile("XYZ_1", {3, 9});
    RadioModel = "XYZ";
    PCBand = 1;
    NewRadioData();
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "XYZ");
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{3}));
    EXPECT_EQ(CurData.Band, 1);
}

TEST_F(InitFiles, ADamagedDefaultFileLeavesTheDefaultsSilently) {
    dir.write("Init/314KTR_0.dat", "V200 too short");
    NewRadioData();
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "000");
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1}));
    EXPECT_TRUE(IsDataSame());

    WriteInitFile("314KTR_0", {1, 2});
    std::filesystem::remove(dir.file("Init/314KTR_0.fre"));
    NewRadioData();
    EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), "000");
    EXPECT_TRUE(IsDataSame());
}

}  // namespace

// ---- saves as one set, and reads that stay small -----------------------

class DataFileSets : public DataFiles {
protected:
    // Every file of the folder with its bytes.
    std::map<std::string, std::string> Folder() const {
        std::map<std::string, std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (name != "language") out[name] = dir.read(name);
        }
        return out;
    }
    void RestoreFolder(const std::map<std::string, std::string>& files) {
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().filename() != "language") std::filesystem::remove(e.path());
        for (const auto& [name, bytes] : files) dir.write(name, bytes);
    }
    // Factory mode with a test record of one byte value, so every save
    // writes three files.
    void ThreeFileSaves() {
        FactoryHooks().enabled = [] { return true; };
        FactoryHooks().pack = [this] { return std::vector<uint8_t>(48, testByte); };
        FactoryHooks().parse = [this](std::optional<std::span<const uint8_t>> bytes) {
            if (bytes) loadedTestByte = (*bytes)[0];
            return !bytes || bytes->size() == 48;
        };
    }
    // Saves to DataFileName, dying after step `n` whatever it says; the steps
    // it tried.
    int SaveDyingAfter(int n) {
        FaultyFileSystem faults;
        faults.DieAfter(n);
        prompts.expectAny(Answer::Ok);
        if (WriteDatFile()) platform::MsgBox("", platform::Buttons::Ok);  // nothing was asked: use the answer up
        return faults.steps;
    }
    uint8_t testByte = 0x11;
    uint8_t loadedTestByte = 0;
};

TEST_F(DataFileSets, AFailedOrKilledSaveLeavesTheOldSetOrTheNewOneWhole) {
    ThreeFileSaves();
    BuildConfiguration();
    const std::string path = Save("set.dat");
    const RadioData oldData = CurData;
    const auto oldFiles = Folder();
    ASSERT_EQ(oldFiles.size(), 3u);

    // The new configuration differs in every file.
    AddChannel(30, "146.0000");
    CurData.FunSet.DTMF.DTMFSelfID = "999";
    testByte = 0x22;
    const RadioData newData = CurData;
    const auto newChannels = ChannelNumbers();
    const std::string fileError = "file error.\n";

    for (bool kill : {false, true}) {
        for (int n = kill ? 0 : 1; n < 300; ++n) {
            SCOPED_TRACE((kill ? "killed after step " : "failed step ") + std::to_string(n));
            RestoreFolder(oldFiles);
            CurData = newData;
            OldData = oldData;
            int steps = 0;
            bool saved = false;
            {
                FaultyFileSystem faults;
                if (kill) faults.DieAfter(n);
                else faults.FailStep(n);
                prompts.expectAny(Answer::Ok);
                saved = WriteDatFile();
                steps = faults.steps;
                if (saved) {
                    platform::MsgBox("", platform::Buttons::Ok);  // nothing was asked: use the answer up
                } else {
                    ASSERT_FALSE(prompts.asked().empty());
                    const std::string& text = prompts.asked().back().text;
                    EXPECT_EQ(text.substr(0, fileError.size()), fileError);
                    EXPECT_NE(text.find(dir.path()), std::string::npos) << text;
                    // The saved copy still says the data changed.
                    EXPECT_TRUE(IsDataChanged());
                }
            }
            if (!kill && !saved) EXPECT_EQ(Folder(), oldFiles);

            // The next load sees one whole set and leaves no trace of the save.
            ASSERT_TRUE(ReadDatFile(path));
            const bool isNew = ChannelNumbers() == newChannels;
            EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), isNew ? "999" : "123");
            EXPECT_EQ(loadedTestByte, isNew ? 0x22 : 0x11);
            if (!kill) EXPECT_EQ(isNew, saved);
            for (const auto& [name, bytes] : Folder()) EXPECT_FALSE(platform::IsSaveTraceName(name)) << name;
            if (steps <= n) break;  // this save was never cut short
        }
    }
}

TEST_F(DataFileSets, AReadOnlyFolderAFullDiskOrAFileSizeLimitChangeNothing) {
    BuildConfiguration();
    const std::string path = Save("set.dat");
    const auto oldFiles = Folder();
    AddChannel(30, "146.0000");
    const Snapshot before = Take();
    {
        FaultyFileSystem faults;
        faults.ReadOnlyFolder(dir.path());
        prompts.expect("file error.\n" + dir.file("set.fre") + ": Read-only file system", Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(WriteDatFile());
        faults.Heal();
        faults.DiskFull(1000);
        prompts.expect("file error.\n" + dir.file("set.dat") + ": No space left on device", Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(WriteDatFile());
    }
    ExpectUnchanged(before, "refused saves");
    EXPECT_EQ(Folder(), oldFiles);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8000;  // below the data file's 13,111 bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    prompts.expect("file error.\n" + dir.file("set.dat") + ": File too large", Buttons::Ok, Answer::Ok);
    const bool written = WriteDatFile();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    ExpectUnchanged(before, "file-size limit");
    EXPECT_EQ(Folder(), oldFiles);
}

TEST_F(DataFileSets, LongestNamesAndLinksSaveAndLoad) {
    BuildConfiguration();
    for (const std::size_t length : {248u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".dat";
        const std::string path = Save(name);
        ASSERT_EQ(dir.read(name).size(), 13111u) << length;
        EXPECT_TRUE(ReadDatFile(path)) << length;
        std::filesystem::remove(path);
        std::filesystem::remove(dir.file(std::string(length - 4, 'n') + ".fre"));
    }

    // Saving through a link writes the file it points to and keeps the link.
    dir.write("real/radio.dat", "old");
    std::filesystem::create_symlink("real/radio.dat", dir.file("link.dat"));
    const std::string link = Save("link.dat");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(dir.read("real/radio.dat").size(), 13111u);
    EXPECT_TRUE(ReadDatFile(link));
    EXPECT_TRUE(IsDataSame());
}

TEST_F(DataFileSets, ASaveKilledAtAnyStepIsPutRightByALoadInTheFolderItWasMovedTo) {
    ThreeFileSaves();
    BuildConfiguration();
    namespace fs = std::filesystem;
    fs::create_directories(dir.file("set"));
    DataFileName = dir.file("set/cfg.dat");
    ASSERT_TRUE(WriteDatFile());
    std::map<std::string, std::string> oldFiles;
    for (const char* name : {"cfg.dat", "cfg.fre", "cfg.ted"}) oldFiles[name] = dir.read(std::string("set/") + name);
    AddChannel(30, "146.0000");
    CurData.FunSet.DTMF.DTMFSelfID = "999";
    testByte = 0x22;
    const RadioData newData = CurData;
    const auto newChannels = ChannelNumbers();

    for (int n = 0;; ++n) {
        SCOPED_TRACE("killed after step " + std::to_string(n));
        fs::remove_all(dir.file("set"));
        fs::remove_all(dir.file("moved"));
        for (const auto& [name, bytes] : oldFiles) dir.write("set/" + name, bytes);
        DataFileName = dir.file("set/cfg.dat");
        CurData = newData;
        const int steps = SaveDyingAfter(n);
        fs::rename(dir.file("set"), dir.file("moved"));
        ASSERT_TRUE(ReadDatFile(dir.file("moved/cfg.dat")));
        const bool isNew = ChannelNumbers() == newChannels;
        EXPECT_EQ(CurData.FunSet.DTMF.DTMFSelfID.raw(), isNew ? "999" : "123");
        EXPECT_EQ(loadedTestByte, isNew ? 0x22 : 0x11);
        for (const auto& e : fs::directory_iterator(dir.file("moved")))
            EXPECT_FALSE(platform::IsSaveTraceName(e.path().filename().string())) << e.path();
        if (steps <= n) break;  // this save was never cut short
    }
}

TEST_F(DataFileSets, ARecoveryThatCannotBeCarriedOutKeepsItsJournalAndSaysSo) {
    BuildConfiguration();
    const std::string path = Save("set.dat");
    AddChannel(30, "146.0000");
    const auto oldFiles = Folder();
    // Killed just after the new channel file went in.
    int renamed = 0;
    {
        FaultyFileSystem counting;
        ASSERT_TRUE(WriteDatFile());
        for (const std::string& step : counting.log)
            if (step.find(": rename ") != std::string::npos && step.ends_with("-> " + dir.file("set.fre")))
                renamed = std::stoi(step);
    }
    ASSERT_GT(renamed, 0);
    RestoreFolder(oldFiles);
    {
        FaultyFileSystem faults;
        faults.DieAfter(renamed);
        prompts.expectAny(Answer::Ok);
        EXPECT_FALSE(WriteDatFile());
    }
    // The old files' second names are lost, as to someone who cleared the
    // folder of hidden files.
    std::string journal;
    for (const auto& [name, bytes] : Folder()) {
        if (name.ends_with(".bak")) std::filesystem::remove(dir.file(name));
        if (name.ends_with(".jnl")) journal = name;
    }
    ASSERT_FALSE(journal.empty());
    const std::string mixed = dir.read("set.fre");
    const Snapshot before = Take();
    const std::string refused = "file error.\n" + dir.file("set.fre") +
                                ": An interrupted save of set.fre, set.dat could not be finished (its old contents "
                                "are missing); " + journal + " keeps its record";
    prompts.expect(refused, Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(ReadDatFile(path));
    ExpectUnchanged(before, "nothing loaded");
    prompts.expect(refused, Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(WriteDatFile());
    EXPECT_TRUE(std::filesystem::exists(dir.file(journal)));
    EXPECT_EQ(dir.read("set.fre"), mixed);

    // It keeps only the set it names: another set of the folder saves and
    // loads, and a contact book is written beside it.
    const std::string other = Save("other.dat");
    EXPECT_TRUE(ReadDatFile(other));
    EXPECT_FALSE(platform::WriteFileHead(dir.file("book.cb"), std::vector<uint8_t>(1400, 0x20)));
}

TEST_F(DataFileSets, TheSetStandsBesideTheFileItsNameResolvesTo) {
    ThreeFileSaves();
    BuildConfiguration();
    namespace fs = std::filesystem;
    dir.write("real/cfg.dat", "");
    fs::create_directories(dir.file("link"));
    fs::create_symlink("../real/cfg.dat", dir.file("link/mine.dat"));
    fs::create_directories(dir.file("rel"));
    const fs::path workingFolder = fs::current_path();
    fs::current_path(dir.path());
    struct Case { const char* what; std::string name; const char* folder; const char* stem; };
    const Case cases[] = {
        {"through a link whose target has another name", dir.file("link/mine.dat"), "real", "cfg"},
        {"by a path relative to the working folder", "rel/cfg.dat", "rel", "cfg"},
    };
    for (const Case& c : cases) {
        DataFileName = c.name;
        EXPECT_TRUE(WriteDatFile()) << c.what;
        EXPECT_EQ(DataFileName, c.name) << c.what;
        const std::string stem = std::string(c.folder) + "/" + c.stem;
        EXPECT_EQ(dir.read(stem + ".dat").size(), 13111u) << c.what;
        EXPECT_EQ(dir.read(stem + ".fre").size(), 4u * 89u) << c.what;
        EXPECT_EQ(dir.read(stem + ".ted").size(), 48u) << c.what;
        const RadioData saved = CurData;
        NewRadioData();
        EXPECT_TRUE(ReadDatFile(c.name)) << c.what;
        EXPECT_TRUE(CurData == saved) << c.what;
        EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{7, 2, 12, 1})) << c.what;
    }
    fs::current_path(workingFolder);
    EXPECT_TRUE(fs::is_symlink(dir.file("link/mine.dat")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("link")), fs::directory_iterator()), 1)
        << "nothing beside the link";
}

TEST_F(DataFileSets, AReadOnlyFileOfTheSetIsNotReplaced) {
    BuildConfiguration();
    Save("set.dat");
    AddChannel(30, "146.0000");
    const auto oldFiles = Folder();
    for (const char* name : {"set.dat", "set.fre"}) {
        ASSERT_EQ(::chmod(dir.file(name).c_str(), 0444), 0);
        const Snapshot before = Take();
        prompts.expect("file error.\n" + dir.file(name) + ": Permission denied", Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(WriteDatFile()) << name;
        ExpectUnchanged(before, name);
        EXPECT_EQ(Folder(), oldFiles) << name;
        ASSERT_EQ(::chmod(dir.file(name).c_str(), 0644), 0);
    }
}

TEST_F(DataFileSets, AFifoInTheSetIsRefusedWithoutWaiting) {
    BuildConfiguration();
    Save("set.dat");
    struct Case { const char* fifo; const char* dataFile; };
    for (const Case& c : {Case{"fifo.dat", "fifo.dat"}, Case{"set.fre", "set.dat"}}) {
        std::filesystem::remove(dir.file(c.fifo));
        FifoWatchdog watchdog({dir.file(c.fifo)});
        const std::string refused = "file error.\n" + dir.file(c.fifo) + ": Not a regular file";
        DataFileName = dir.file(c.dataFile);
        const Snapshot before = Take();
        prompts.expect(refused, Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(ReadDatFile()) << c.fifo;
        prompts.expect(refused, Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(WriteDatFile()) << c.fifo;
        ExpectUnchanged(before, c.fifo);
        EXPECT_FALSE(watchdog.fired()) << c.fifo;
    }
}

TEST_F(DataFileSets, HugeFilesCostNoMoreThanTheirRecordsAndUnreadableOnesAreRefused) {
    BuildConfiguration();
    const std::string path = Save("set.dat");
    const RadioData saved = CurData;
    // Sparse files: three gigabytes that take no room.
    const auto huge = [&](const std::string& name, const std::string& from) {
        std::filesystem::copy_file(from, dir.file(name));
        std::filesystem::resize_file(dir.file(name), 3ull << 30);
        return dir.file(name);
    };
    const std::string hugeDat = huge("hugedat.dat", path);
    std::filesystem::copy_file(dir.file("set.fre"), dir.file("hugedat.fre"));
    const std::string hugeFre = dir.file("hugefre.dat");
    std::filesystem::copy_file(path, hugeFre);
    huge("hugefre.fre", dir.file("set.fre"));
    // Only their records are read.
    for (const std::string& name : {hugeDat, hugeFre}) {
        NewRadioData();
        EXPECT_TRUE(ReadDatFile(name)) << name;
        EXPECT_TRUE(CurData == saved) << name;
    }

    // Without a version text, the length says what a file is; a huge one is
    // none of ours.
    const std::string unknown = dir.file("unknown.dat");
    std::filesystem::copy_file(dir.file("set.fre"), dir.file("unknown.fre"));
    {
        std::ofstream(unknown, std::ios::binary) << "V1";
    }
    std::filesystem::resize_file(unknown, 3ull << 30);
    const Snapshot before = Take();
    prompts.expect("The file is no data file of this program.", Buttons::Ok, Answer::Ok);
    EXPECT_FALSE(ReadDatFile(unknown));
    {
        FaultyFileSystem faults;
        faults.FailReads("set.fre");
        prompts.expect("file error.\n" + dir.file("set.fre") + ": Input/output error", Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(ReadDatFile(path));
        faults.FailReads("set.dat", 0, true);
        prompts.expect("file error.\n" + path + ": Not enough memory", Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(ReadDatFile(path));
    }
    ExpectUnchanged(before, "refused loads");
}

TEST_F(DataFileSets, LongerFilesKeepWhatFollowsTheirRecords) {
    ThreeFileSaves();
    BuildConfiguration();
    // Left over from a longer list and from other programs: five bytes past
    // the record, 40 channel records, 28 bytes past the test record.
    Save("long.dat");
    const std::string datTail = "tail!", tedTail(28, 't');
    std::string fre;
    for (int16_t no = 1; no <= 40; ++no) fre += FreRecord(no, "014500000");
    dir.write("long.dat", dir.read("long.dat") + datTail);
    dir.write("long.fre", fre);
    dir.write("long.ted", dir.read("long.ted") + tedTail);

    CurData.FunSet.DTMF.DTMFSelfID = "999";
    testByte = 0x22;
    const RadioData saved = CurData;
    ASSERT_TRUE(WriteDatFile());
    EXPECT_EQ(dir.read("long.dat").size(), 13116u);
    EXPECT_EQ(dir.read("long.dat").substr(13111), datTail);
    EXPECT_EQ(dir.read("long.fre").size(), 40u * 89u);
    EXPECT_EQ(dir.read("long.fre").substr(4 * 89), fre.substr(4 * 89)) << "records 5 to 40 as they were";
    EXPECT_EQ(dir.read("long.ted"), std::string(48, '\x22') + tedTail);

    // The files load back as they were saved, and save to the same bytes.
    const std::map<std::string, std::string> files = Folder();
    NewRadioData();
    ASSERT_TRUE(ReadDatFile(dir.file("long.dat")));
    EXPECT_TRUE(CurData == saved);
    EXPECT_EQ(loadedTestByte, 0x22);
    ASSERT_TRUE(WriteDatFile());
    EXPECT_EQ(Folder(), files);
}

TEST_F(DataFileSets, ASetWhoseChannelFileLinksIntoAnotherFolderIsWholeAfterAKillAtAnyStep) {
    namespace fs = std::filesystem;
    BuildConfiguration();
    // cfg.dat in one folder; its channel file a link into another.
    fs::create_directories(dir.file("data"));
    fs::create_directories(dir.file("channels"));
    DataFileName = dir.file("data/cfg.dat");
    ASSERT_TRUE(WriteDatFile());
    fs::rename(dir.file("data/cfg.fre"), dir.file("channels/list.fre"));
    fs::create_symlink("../channels/list.fre", dir.file("data/cfg.fre"));
    const std::string oldDat = dir.read("data/cfg.dat"), oldFre = dir.read("channels/list.fre");
    const RadioData oldData = CurData;
    const auto oldList = UFreList;
    // The new set differs in both files: its record, and its first channel.
    AddChannel(30, "146.0000");
    CurData.FunSet.DTMF.DTMFSelfID = "999";
    UFreList[0].CHName = "NEWNAME";
    const RadioData newData = CurData;
    const auto newList = UFreList;

    for (int n = 0;; ++n) {
        SCOPED_TRACE("killed after step " + std::to_string(n));
        dir.write("data/cfg.dat", oldDat);
        dir.write("channels/list.fre", oldFre);
        for (const char* folder : {"data", "channels"})
            for (const auto& e : fs::directory_iterator(dir.file(folder)))
                if (platform::IsSaveTraceName(e.path().filename().string())) fs::remove(e.path());
        CurData = newData;
        UFreList = newList;
        const int steps = SaveDyingAfter(n);
        // The load puts right both folders before it reads.
        ASSERT_TRUE(ReadDatFile(dir.file("data/cfg.dat")));
        const bool isNew = CurData.FunSet.DTMF.DTMFSelfID.raw() == "999";
        EXPECT_TRUE(CurData == (isNew ? newData : oldData));
        const auto& list = isNew ? newList : oldList;
        EXPECT_TRUE(std::equal(list.begin(), list.begin() + CurData.CHCount, UFreList.begin()))
            << "its first channel is named " << UFreList[0].CHName.raw();
        // And the set saves again.
        CurData = newData;
        UFreList = newList;
        EXPECT_TRUE(WriteDatFile());
        EXPECT_TRUE(fs::is_symlink(dir.file("data/cfg.fre")));
        if (steps <= n) break;  // this save was never cut short
    }
}

namespace {

TEST_F(DataFileSets, AFolderAnotherProgramHoldsIsWaitedForThenRefusedWithWhy) {
    BuildConfiguration();
    const std::string path = Save("set.dat");
    AddChannel(30, "146.0000");
    const auto oldFiles = Folder();
    const Snapshot before = Take();
    platform::ScopedLockPatience briefly{std::chrono::milliseconds(50)};
    struct Case { platform::FolderLocks::Mode held; const char* loadSays; const char* saveSays; };
    const Case cases[] = {
        {platform::FolderLocks::Mode::Exclusive, "saving", "saving"},
        {platform::FolderLocks::Mode::Shared, nullptr, "reading"},
    };
    for (const Case& c : cases) {
        // As another copy of the program would hold it.
        platform::FolderLocks other;
        ASSERT_FALSE(other.Take(dir.path(), c.held, platform::LockDeadline(), dir.path()));
        const auto why = [&](const char* doing, const char* name) {
            return "file error.\n" + dir.file(name) + ": Another program is " + doing +
                   " this file; try again when it is done";
        };
        if (c.loadSays) {
            prompts.expect(why(c.loadSays, "set.dat"), Buttons::Ok, Answer::Ok);
            EXPECT_FALSE(ReadDatFile(path));
        } else {
            EXPECT_TRUE(ReadDatFile(path)) << "loads read side by side";
            CurData = before.cur;
            UFreList = before.list;
        }
        prompts.expect(why(c.saveSays, "set.dat"), Buttons::Ok, Answer::Ok);
        EXPECT_FALSE(WriteDatFile());
        EXPECT_EQ(Folder(), oldFiles);
    }
    ExpectUnchanged(before, "refused while held");
}

}  // namespace
