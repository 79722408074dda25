#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/SharedState.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"

namespace {

// A program folder with its own two language files.
class LangFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.write("language/english.ini",
                   "[OTHER]\n101=OK\n102=Cancel\n1501=English\n2001=English only\n"
                   "[MSG]\n9001=Save first?\n"
                   "[OPTION]\n60024=Decode\n");
        dir_.write("language/Tchinese.ini",
                   "[OTHER]\n101=確定\n102=   \n1501=英文\n"
                   "[MSG]\n"
                   "[OPTION]\n60024=解碼\n");
    }
    void Chinese() {
        LangIndex = 2;
        LangFilePath = LangFileOf(2);
    }

    ProgramSandbox dir_;
};

TEST_F(LangFiles, CurrentLanguageFirstThenEnglish) {
    EXPECT_EQ(GetLangText(101), "OK");
    Chinese();
    struct Case { const char* what; int16_t id; const char* text; };
    const Case cases[] = {
        {"present in Chinese", 101, "確定"},
        {"blank in Chinese falls back", 102, "Cancel"},
        {"missing in Chinese falls back", 2001, "English only"},
        {"missing everywhere", 3333, ""},
        {"negative id", -5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetLangText(c.id), c.text) << c.what;
}

TEST_F(LangFiles, MissingFilesGiveEmptyTexts) {
    std::filesystem::remove_all(dir_.file("language"));
    Chinese();
    EXPECT_EQ(GetLangText(101), "");
    EXPECT_EQ(GetMsgText("9001"), "");
}

TEST_F(LangFiles, MsgAndOptionReadOnlyTheCurrentFile) {
    EXPECT_EQ(GetMsgText("9001"), "Save first?");
    EXPECT_EQ(GetOptionText(60024), "Decode");
    Chinese();
    EXPECT_EQ(GetMsgText("9001"), "") << "no fallback to english.ini";
    EXPECT_EQ(GetOptionText(60024), "解碼");
    EXPECT_EQ(ReadLangFileText("OTHER", "102"), "") << "a blank value is empty";
}

TEST_F(LangFiles, AnEditedFileIsSeenAtTheNextLookup) {
    EXPECT_EQ(GetLangText(1501), "English");
    // A different size makes the change visible whatever the clock's resolution.
    dir_.write("language/english.ini", "[OTHER]\n1501=English (changed)\n");
    EXPECT_EQ(GetLangText(1501), "English (changed)");
    std::filesystem::remove(dir_.file("language/english.ini"));
    EXPECT_EQ(GetLangText(1501), "");
}

TEST_F(LangFiles, AnEditOfTheSameSizeAndTimeIsSeen) {
    // A file last changed long ago, whose edit keeps its size and its time,
    // as an edit within one tick of a coarse file-system clock does.
    const std::string path = dir_.file("language/english.ini");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    dir_.write("language/english.ini", "[OTHER]\n1501=Before\n");
    std::filesystem::last_write_time(path, old);
    EXPECT_EQ(GetLangText(1501), "Before");
    dir_.write("language/english.ini", "[OTHER]\n1501=Behind\n");
    std::filesystem::last_write_time(path, old);
    EXPECT_EQ(GetLangText(1501), "Behind");
}

TEST(MsgText, TablesHoldTheirFixedTexts) {
    ProgramSandbox sandbox;
    InitMsgText();
    InitLangButtonText();
    EXPECT_EQ(MsgText().MsgReadWrite[1], "Read data from radio");
    EXPECT_EQ(MsgText().MsgReadWrite[2], "Write data to radio");
    EXPECT_EQ(MsgText().MsgReadAsk, "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(MsgText().MsgModelErr, "Model type is wrong. ");
    EXPECT_EQ(MsgText().MsgClearAll, "All data will be cleared.");
    EXPECT_EQ(CloseText, "&Close");
    EXPECT_EQ(HelpText, "&Help");
    ResetSharedState();
    EXPECT_EQ(MsgText().MsgClearAll, "All data will be cleared.") << "the table is constant";
    EXPECT_EQ(CloseText, "");
}

// The shipped files: every id the program's code asks for exists, non-blank,
// in both languages, and both files hold the same ids.
std::set<std::string> KeysOf(const std::string& path, const std::string& section) {
    std::ifstream in(path);
    std::set<std::string> keys;
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') {
            current = line.substr(1, line.find(']') - 1);
        } else if (current == section && line.find('=') != std::string::npos) {
            const std::string key = line.substr(0, line.find('='));
            if (!platform::ReadProfileString(section, key, "", path).empty()) keys.insert(key);
        }
    }
    return keys;
}

std::set<std::string> IdsUsedInCode() {
    // GetLangText(123), Lang(123), SetLangTag(x, 123) calls and the
    // captions of control tables and forms (.Text(123)).
    const std::regex call(R"((GetLangText|\bLang|\.Text|SetLangTag\([^,()]+,)\s*\(?\s*(\d+)\s*\))");
    std::set<std::string> ids;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::string(KQ_SOURCE_DIR) + "/src")) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        // Examples in comments ask for nothing.
        const std::string s = std::regex_replace(text.str(), std::regex("//[^\n]*"), "");
        for (std::sregex_iterator m(s.begin(), s.end(), call), end; m != end; ++m)
            ids.insert((*m)[2]);
    }
    return ids;
}

TEST(ShippedLanguageFiles, HoldEveryIdInBothLanguages) {
    const std::string folder = std::string(KQ_SOURCE_DIR) + "/data/language/";
    const auto english = KeysOf(folder + "english.ini", "OTHER");
    const auto chinese = KeysOf(folder + "Tchinese.ini", "OTHER");
    EXPECT_EQ(english, chinese);
    EXPECT_EQ(KeysOf(folder + "english.ini", "MSG"), KeysOf(folder + "Tchinese.ini", "MSG"));
    EXPECT_EQ(KeysOf(folder + "english.ini", "OPTION"), KeysOf(folder + "Tchinese.ini", "OPTION"));
    const auto used = IdsUsedInCode();
    EXPECT_TRUE(used.count("1503")) << "the scan of the sources finds the ids";
    for (const auto& id : used) {
        EXPECT_TRUE(english.count(id)) << id << " missing in english.ini";
        EXPECT_TRUE(chinese.count(id)) << id << " missing in Tchinese.ini";
    }
    for (const char* key : {"IsFirstRun", "Skin", "comPort", "Handshaking", "StopBit", "FactoryFres"})
        EXPECT_TRUE(platform::ReadProfileValue("language", key, folder + "mysetup.ini")) << key;
}

// A key written twice in one section is read as its first line only: the
// second text would be dead and the two files could drift apart unseen.
TEST(ShippedLanguageFiles, HoldEachKeyOnceASection) {
    const std::string folder = std::string(KQ_SOURCE_DIR) + "/data/language/";
    for (const char* file : {"english.ini", "Tchinese.ini"}) {
        std::ifstream in(folder + file);
        std::set<std::string> seen;
        std::string line, current;
        while (std::getline(in, line)) {
            if (!line.empty() && line.front() == '[') {
                current = line.substr(1, line.find(']') - 1);
            } else if (line.find('=') != std::string::npos && line.front() != ';') {
                const std::string key = current + "/" + line.substr(0, line.find('='));
                EXPECT_TRUE(seen.insert(key).second) << file << ": " << key << " twice";
            }
        }
    }
}

}  // namespace
