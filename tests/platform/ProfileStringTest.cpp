#include <gtest/gtest.h>

#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "platform/ProfileString.h"

using platform::ReadProfileString;
using platform::ReadProfileValue;
using platform::WriteProfileString;

TEST(ProfileString, LookupIsCaseInsensitiveTrimmedAndFirstMatchWins) {
    TempDir dir;
    const auto path = dir.write("a.ini",
                                "[Language]\r\n"
                                "  isFirstRun =  1  \r\n"
                                "comPort=3\r\n"
                                "COMPORT=9\r\n"
                                "[language]\r\n"
                                "Skin=late\r\n"
                                "[Other]\n"
                                "2001=Frequency out of range\n");
    struct Case { const char* section; const char* key; const char* want; };
    const Case cases[] = {
        {"language", "IsFirstRun", "1"},
        {"LANGUAGE", "comport", "3"},      // the first of two keys
        {"language", "Skin", "<none>"},    // only the first section of a name is read
        {"other", "2001", "Frequency out of range"},
        {"missing", "x", "<none>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadProfileString(c.section, c.key, "<none>", path), c.want)
            << c.section << "/" << c.key;
    EXPECT_FALSE(ReadProfileValue("language", "x", dir.file("absent.ini")).has_value());
}

TEST(ProfileString, WriteReplacesInPlaceAndKeepsOtherLines) {
    TempDir dir;
    const auto path = dir.write("m.ini",
                                "; comment\n"
                                "[language]\n"
                                "IsFirstRun=1\n"
                                "ComPort=3\n"
                                "\n"
                                "[Other]\n"
                                "k=v\n");
    ASSERT_TRUE(WriteProfileString("LANGUAGE", "comport", "5", path));
    ASSERT_TRUE(WriteProfileString("language", "Handshaking", "0", path));
    ASSERT_TRUE(WriteProfileString("New", "a", "b", path));
    EXPECT_EQ(dir.read("m.ini"),
              "; comment\n"
              "[language]\n"
              "IsFirstRun=1\n"
              "comport=5\n"
              "Handshaking=0\n"
              "\n"
              "[Other]\n"
              "k=v\n"
              "[New]\n"
              "a=b\n");
}

TEST(ProfileString, WriteCreatesMissingFile) {
    TempDir dir;
    ASSERT_TRUE(WriteProfileString("language", "comPort", "1", dir.file("new.ini")));
    EXPECT_EQ(ReadProfileString("language", "comPort", "", dir.file("new.ini")), "1");
    EXPECT_FALSE(WriteProfileString("s", "k", "v", dir.file("no/such/folder/x.ini")));
}

TEST(ProfileString, AWriteChangesOnlyTheBytesOfItsOwnLine) {
    TempDir dir;
    struct Case { const char* what; std::string before; const char* key; std::string after; };
    const Case cases[] = {
        {"byte order mark and CR LF kept", "\xEF\xBB\xBF[language]\r\nIsFirstRun=1\r\ncomPort=3\r\nSkin=0",
         "comPort", "\xEF\xBB\xBF[language]\r\nIsFirstRun=1\r\ncomPort=5\r\nSkin=0"},
        {"a new key takes the file's line ending", "[language]\r\nIsFirstRun=1", "StopBit",
         "[language]\r\nIsFirstRun=1\r\nStopBit=5\r\n"},
        {"mixed endings stay as they were", "[language]\ncomPort=3\r\nSkin=0\n", "comPort",
         "[language]\ncomPort=5\r\nSkin=0\n"},
        {"a stray CR inside a line stays", "[language]\nnote=a\rb\ncomPort=3\n", "comPort",
         "[language]\nnote=a\rb\ncomPort=5\n"},
    };
    for (const Case& c : cases) {
        const auto path = dir.write("m.ini", c.before);
        ASSERT_TRUE(WriteProfileString("language", c.key, "5", path)) << c.what;
        EXPECT_EQ(dir.read("m.ini"), c.after) << c.what;
    }
}

TEST(ProfileString, AFileThatCannotBeReadIsNeverReplaced) {
    TempDir dir;
    const std::string six = "[language]\nIsFirstRun=0\nSkin=0\ncomPort=3\nHandshaking=0\nStopBit=0\nFactoryFres=0\n";
    const auto path = dir.write("mysetup.ini", six);
    {
        FaultyFileSystem faults;
        faults.FailReads("mysetup.ini");
        EXPECT_FALSE(WriteProfileString("language", "comPort", "201", path));
        EXPECT_EQ(faults.steps, 0) << "nothing was written";
    }
    EXPECT_EQ(dir.read("mysetup.ini"), six);
}
