#include <gtest/gtest.h>

#include <string>

#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

TEST(Seam, ScopedServicesNestAndPutBackWhatWasThere) {
    platform::FixedClock outer({2001, 1, 1}), inner({2002, 2, 2});
    {
        platform::ScopedClock useOuter(outer);
        EXPECT_EQ(platform::Now().year, 2001);
        {
            platform::ScopedClock useInner(inner);
            EXPECT_EQ(platform::Now().year, 2002);
        }
        EXPECT_EQ(platform::Now().year, 2001);
    }
    EXPECT_EQ(platform::SetClock(nullptr), nullptr) << "the system clock is back";

    // A value in place of an object: the program folder.
    const std::string start = platform::ProgramFolder();
    {
        platform::ScopedProgramFolder folder("/tmp/kq314-seam/");
        EXPECT_EQ(platform::ProgramFolder(), "/tmp/kq314-seam");
        EXPECT_EQ(platform::BesideProgram("language/english.ini"), "/tmp/kq314-seam/language/english.ini");
    }
    EXPECT_EQ(platform::ProgramFolder(), start);
}
