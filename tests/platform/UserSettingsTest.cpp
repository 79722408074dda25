// The system's per-user store over a folder of the test's own: where its
// file lies, and a store file that is not a regular file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "FifoWatchdog.h"
#include "TempDir.h"
#include "platform/UserSettings.h"

namespace {

constexpr std::string_view kApp = "KQ_314";

TEST(SystemUserSettings, KeepsValuesInTheProgramsIniFileBetweenRuns) {
    TempDir dir;
    platform::SystemUserSettings(dir.path()).SaveSetting(kApp, "Main", "MainLeft", "1200");
    platform::SystemUserSettings later(dir.path());
    EXPECT_EQ(later.GetSetting(kApp, "Main", "MainLeft", "0"), "1200");
    EXPECT_EQ(later.GetSetting(kApp, "Main", "MainTop", "75"), "75");
    // Where Qt's native store keeps it, so the values of earlier versions are found.
    EXPECT_EQ(dir.read("KQ_314/KQ_314.conf"), "[Main]\nMainLeft=1200\n");
}

TEST(SystemUserSettings, AStoreOrLockThatIsNotARegularFileIsLeftAloneWithoutWaiting) {
    struct Case {
        const char* what;
        const char* fifo;   // made a FIFO
        const char* link;   // when set, a link to the FIFO
        const char* value;  // what a read gives, before and after a write
    };
    const Case cases[] = {
        {"a FIFO as the store", "KQ_314/KQ_314.conf", nullptr, "fallback"},
        {"a link to a FIFO as the store", "elsewhere", "KQ_314/KQ_314.conf", "fallback"},
        {"a FIFO as the store's lock: read, never written", "KQ_314/KQ_314.conf.lock", nullptr, "1200"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("KQ_314/KQ_314.conf", "[Main]\nMainLeft=1200\n");
        const std::string fifo = dir.file(c.fifo);
        std::filesystem::remove(fifo);
        FifoWatchdog watchdog({fifo});
        // An old one: Qt waits half a minute on a young lock before it takes
        // it for stale, so a store that used it would fail the test slowly.
        std::filesystem::last_write_time(fifo, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        if (c.link) {
            std::filesystem::remove(dir.file(c.link));
            std::filesystem::create_symlink(fifo, dir.file(c.link));
        }
        platform::SystemUserSettings store(dir.path());
        EXPECT_EQ(store.GetSetting(kApp, "Main", "MainLeft", "fallback"), c.value) << c.what;
        store.SaveSetting(kApp, "Main", "MainLeft", "2400");
        EXPECT_EQ(store.GetSetting(kApp, "Main", "MainLeft", "fallback"), c.value) << c.what;
        EXPECT_FALSE(watchdog.fired()) << c.what;
        EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << c.what;
        if (c.link) EXPECT_TRUE(std::filesystem::is_symlink(dir.file(c.link))) << c.what;
    }
}

}  // namespace
