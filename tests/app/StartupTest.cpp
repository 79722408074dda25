#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "FaultyFileSystem.h"
#include "FifoWatchdog.h"
#include "ProgramSandbox.h"
#include "channels/BatchFun.h"
#include "app/Startup.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SharedState.h"
#include "core/Startup.h"
#include "platform/ProfileString.h"
#include "platform/SerialDevices.h"
#include "printing/ReportText.h"

namespace {

// Start-up sees a program folder with the shipped language files and column
// map and the given mysetup.ini (none when null), a device folder with the
// given serial devices and the given locale.
class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(KQ_SOURCE_DIR) + "/data/language/MainShowList.ini",
                                   folder.file("language/MainShowList.ini"));
        saveLang("LC_ALL");
        saveLang("LC_MESSAGES");
        saveLang("LANG");
        setLocale("en_US.UTF-8");
    }
    void TearDown() override {
        for (auto& [name, value] : savedEnv) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }
    void saveLang(const char* name) {
        const char* v = std::getenv(name);
        savedEnv.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    void setLocale(const char* name) {
        unsetenv("LC_MESSAGES");
        unsetenv("LANG");
        setenv("LC_ALL", name, 1);
    }
    void addDevice(const std::string& name) { devices.write(name, ""); }
    std::string setup(const std::string& key) {
        return platform::ReadProfileString("language", key, "<none>",
                                           folder.file("language/mysetup.ini"));
    }

    ProgramSandbox folder;
    TempDir devices;
    std::optional<platform::ScopedSerialScanOptions> scan_{std::in_place, platform::SerialScanOptions{devices.path(), false}};
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnv;
};

}  // namespace

TEST_F(Startup, OnlyTheTaiwanLocaleChoosesChinese) {
    struct Case { const char* locale; int16_t index; const char* file; };
    const Case cases[] = {
        {"zh_TW.UTF-8", 2, "language/Tchinese.ini"},
        {"zh_CN.UTF-8", 1, "language/english.ini"},
        {"en_GB.UTF-8", 1, "language/english.ini"},
    };
    for (const auto& c : cases) {
        setLocale(c.locale);
        Main();
        EXPECT_EQ(LangIndex, c.index) << c.locale;
        EXPECT_EQ(LangFilePath, c.file) << c.locale;
    }
}

TEST_F(Startup, FirstRunIsClearedAndTheCheckedPortWrittenBack) {
    folder.write("language/mysetup.ini",
                 "[language]\nIsFirstRun=1\nSkin=0\ncomPort=7\nHandshaking=0\nStopBit=0\nFactoryFres=0\n");
    addDevice("ttyUSB2");  // COM3
    addDevice("ttyACM0");  // COM101
    bool shown = false;
    Main([&] { shown = true; });
    EXPECT_TRUE(shown);
    EXPECT_EQ(CommPortNo, 3);  // port 7 is not listed: the first listed port
    EXPECT_EQ(setup("IsFirstRun"), "0");
    EXPECT_EQ(setup("comPort"), "3");
    EXPECT_EQ(setup("Skin"), "0");  // other keys kept
}

TEST_F(Startup, AListedPortIsKeptAndNoPortGivesZero) {
    folder.write("language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=101\n");
    addDevice("ttyACM0");
    Main();
    EXPECT_EQ(CommPortNo, 101);
    EXPECT_EQ(setup("IsFirstRun"), "0");

    TempDir empty;
    scan_.emplace(platform::SerialScanOptions{empty.path(), false});
    Main();
    EXPECT_EQ(CommPortNo, 0);
    EXPECT_EQ(setup("comPort"), "0");
}

TEST_F(Startup, MissingOrDamagedSetupFileStartsWithDefaults) {
    struct Case { const char* name; const char* content; };
    const Case cases[] = {
        {"no file", nullptr},
        {"keys missing", "[language]\n"},
        {"values not numbers", "[language]\nIsFirstRun=maybe\ncomPort=x\nFactoryFres=9999999\n"},
    };
    std::filesystem::create_directories(folder.file("language"));  // shipped with the program
    for (const auto& c : cases) {
        if (c.content) folder.write("language/mysetup.ini", c.content);
        Main();
        EXPECT_FALSE(FirstRunFlag) << c.name;
        EXPECT_EQ(FactoryFresFlag, 0) << c.name;
        EXPECT_EQ(setup("comPort"), "0") << c.name;
    }
}

TEST_F(Startup, SettingFileFlagsAndCreation) {
    folder.write("Setting.ini", std::string("\x01\x00\x00\x00\x01\x00\x00\x00", 8));
    Main();
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{1, 0, 1, 0}));

    folder.write("Setting.ini", std::string("\x01\x00", 2));  // too short: zeros
    Main();
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{0, 0, 0, 0}));

    std::remove(folder.file("Setting.ini").c_str());
    Main();
    EXPECT_EQ(folder.read("Setting.ini"), "");  // created empty
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{0, 0, 0, 0}));

    SettingFlag = {1, 1, 0, 1};
    folder.write("Setting.ini", std::string(10, 'x'));
    ASSERT_TRUE(SaveSettingFile());
    EXPECT_EQ(folder.read("Setting.ini"), std::string("\x01\x00\x01\x00\x00\x00\x01\x00xx", 10));
}

TEST_F(Startup, BatchFlagsCreatedOrLoadedWithFlag20Cleared) {
    Main();
    EXPECT_EQ(folder.read("BatchFun.ini"), std::string(20, '\x01') + std::string(1, '\0'));

    std::string stored(21, '\x01');
    stored[3] = '\0';
    folder.write("BatchFun.ini", stored + "extra");
    Main();
    EXPECT_EQ(BatchFunFlag[3], 0);
    EXPECT_EQ(BatchFunFlag[19], 1);
    EXPECT_EQ(BatchFunFlag[20], 0);
    EXPECT_EQ(folder.read("BatchFun.ini"), stored + "extra");  // loading writes nothing
}

TEST_F(Startup, SettingsFilesThatCannotBeReadAreNeverReplaced) {
    const std::string six = "[language]\nIsFirstRun=1\nSkin=0\ncomPort=7\nHandshaking=0\nStopBit=0\nFactoryFres=0\n";
    struct Case { const char* file; std::string bytes; std::function<bool()> write; };
    const Case cases[] = {
        {"language/mysetup.ini", six, [] { Main(); return true; }},
        {"Setting.ini", "\x01\x00\x02\x00\x03\x00\x04\x00tail", [] { return SaveSettingFile(); }},
        {"BatchFun.ini", std::string(21, '\x01') + "tail", [] { return SaveBatchFun(); }},
    };
    for (const Case& c : cases) {
        folder.write(c.file, c.bytes);
        SettingFlag = {9, 9, 9, 9};
        BatchFunFlag.fill(0);
        FaultyFileSystem faults;
        faults.FailReads(c.file);
        const bool written = c.write();
        EXPECT_TRUE(written == (std::string(c.file) == "language/mysetup.ini")) << c.file;
        EXPECT_EQ(folder.read(c.file), c.bytes) << c.file;
    }
}

TEST_F(Startup, SettingsFilesMadeReadOnlyAreLeftAsTheyAre) {
    const std::string six = "[language]\nIsFirstRun=1\nSkin=0\ncomPort=7\nHandshaking=0\nStopBit=0\nFactoryFres=0\n";
    const std::string setup = folder.file("language/mysetup.ini");
    struct Case { const char* file; std::string bytes; std::function<bool()> write; };
    const Case cases[] = {
        {"language/mysetup.ini", six,
         [&] {
             Main();  // writes back what it checked, in vain
             return platform::WriteProfileString("language", "comPort", "3", setup);
         }},
        {"Setting.ini", "\x01\x00\x02\x00\x03\x00\x04\x00tail",
         [] {
             SettingFlag = {9, 9, 9, 9};
             return SaveSettingFile();
         }},
        {"BatchFun.ini", std::string(21, '\x01') + "tail",
         [] {
             BatchFunFlag.fill(0);
             return SaveBatchFun();
         }},
    };
    for (const Case& c : cases) {
        folder.write(c.file, c.bytes);
        ASSERT_EQ(::chmod(folder.file(c.file).c_str(), 0444), 0);
        EXPECT_FALSE(c.write()) << c.file;
        EXPECT_EQ(folder.read(c.file), c.bytes) << c.file;
    }
}

TEST_F(Startup, FifosInPlaceOfItsFilesNeitherHoldNorStopIt) {
    std::vector<std::string> fifos;
    for (const char* name : {"language/mysetup.ini", "language/MainShowList.ini", "language/english.ini",
                             "BatchFun.ini", "Setting.ini", "TestData.ini"}) {
        std::filesystem::remove(folder.file(name));
        fifos.push_back(folder.file(name));
    }
    FifoWatchdog watchdog(fifos);
    folder.prompts.expect("错误！打开“MainShowList.ini”文件失败！", platform::Buttons::Ok, platform::Answer::Ok);
    bool shown = false;
    Main([&] { shown = true; });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(folder.prompts.allAnswered());
    EXPECT_EQ(CommPortNo, 0);
    EXPECT_EQ(BatchFunFlag, decltype(BatchFunFlag){}) << "unreadable: the flags stay as they were";
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(TestDataEnable);
    // The window gets its texts from the file and waits for none of them.
    EXPECT_EQ(GetLangText(101), "");
    EXPECT_FALSE(watchdog.fired());
    for (const std::string& f : fifos) EXPECT_TRUE(std::filesystem::is_fifo(f)) << f;
}

TEST_F(Startup, StartValuesAndTables) {
    Main();
    EXPECT_EQ(RadioModel, "314KTR");
    EXPECT_EQ(ModelName, "KQ-314");
    EXPECT_EQ(RadioVersion, "V200");
    EXPECT_EQ(PCBand, 0);
    EXPECT_EQ(FreLimitText[0], "Rx(108 - 180 MHz) Tx(136 - 174 MHz)");
    EXPECT_EQ(HyperRangeText[1], "108 - 180 MHz");
    EXPECT_EQ(ReadBlockSize, 16);
    EXPECT_EQ(ScanEnable, 0);
    EXPECT_EQ(AlertEnable, -1);
    EXPECT_EQ(MsgText().MsgFileErr, "file error.");
    EXPECT_EQ(ReportText().ReportTitle.shown(), "KQ_314 Radio Programming Information");
    EXPECT_EQ(CurData.CHCount, 1);  // the default channel
    EXPECT_FALSE(TestDataEnable);
}

TEST_F(Startup, TheMarkerFileSwitchesFactoryModeOn) {
    folder.write("TestData.ini", "ZL627PQ_4418_Service_CheckSetBits");
    Main();
    EXPECT_TRUE(TestDataEnable);
    EXPECT_EQ(TestData, TestRecord{});
}
