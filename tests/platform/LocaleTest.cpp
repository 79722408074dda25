#include <gtest/gtest.h>

#include "platform/Locale.h"

TEST(Locale, IdFromPosixName) {
    struct Case { const char* name; uint16_t id; };
    const Case cases[] = {
        {"zh_TW.UTF-8", 0x0404}, {"zh_TW", 0x0404},  {"zh_CN.UTF-8", 0x0804},
        {"zh_HK.UTF-8", 0x0C04}, {"en_US.UTF-8", 0x0409}, {"C", 0x0409},
        {"de_DE@euro", 0x0409},  {"zh", 0x0409},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::LocaleIdFromName(c.name), c.id) << c.name;
}

TEST(Locale, LcAllBeforeLcMessagesBeforeLang) {
    setenv("LANG", "zh_CN.UTF-8", 1);
    setenv("LC_MESSAGES", "zh_HK.UTF-8", 1);
    setenv("LC_ALL", "zh_TW.UTF-8", 1);
    EXPECT_EQ(platform::SystemDefaultLocaleId(), 0x0404);
    unsetenv("LC_ALL");
    EXPECT_EQ(platform::SystemDefaultLocaleId(), 0x0C04);
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(platform::SystemDefaultLocaleId(), 0x0804);
    unsetenv("LANG");
    EXPECT_EQ(platform::SystemDefaultLocaleId(), 0x0409);
}

TEST(Locale, ShortTimeNeverShowsAStrayDayPeriodLetter) {
    EXPECT_EQ(platform::ShortTimeText("zh_TW", 14, 50, 3), "\u4E0B\u5348" "2:50");  // afternoon 2:50
    EXPECT_EQ(platform::ShortTimeText("zh_TW", 9, 5, 0), "\u4E0A\u5348" "9:05");   // morning 9:05
    EXPECT_EQ(platform::ShortTimeText("en_US", 14, 50, 3), "2:50 PM");
    EXPECT_EQ(platform::ShortTimeText("de_DE", 14, 50, 3), "14:50");
}
