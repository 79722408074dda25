// The default data files shipped in data/Init: they are what the generator
// writes, and the program starts from them in each band plan.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CoreDataFixture.h"
#include "core/Defaults.h"
#include "core/SavedCopy.h"

namespace {

const std::string kShipped = std::string(KQ_SOURCE_DIR) + "/data/Init";

std::string ToolsFolder() {
    const char* env = std::getenv("KQ_TEST_TOOLS");
    return env ? env : std::string(KQ_BUILD_DIR) + "/tools";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ShippedInitFiles : public CoreData {};

TEST_F(ShippedInitFiles, RegeneratingGivesTheCommittedBytes) {
    const std::string out = dir.file("generated");
    std::filesystem::create_directory(out);
    const std::string command = ToolsFolder() + "/initgen/initgen " + out;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"314KTR_0.dat", "314KTR_0.fre", "314KTR_1.dat", "314KTR_1.fre"}) {
        const std::string shipped = ReadFile(kShipped + "/" + name);
        EXPECT_FALSE(shipped.empty()) << name;
        EXPECT_TRUE(ReadFile(out + "/" + name) == shipped) << name << " differs from what initgen writes";
    }
}

TEST_F(ShippedInitFiles, EachBandPlanStartsFromItsOwnFile) {
    std::filesystem::copy(kShipped, dir.file("Init"));
    struct Case {
        int16_t plan;
        const char* firstRx;
        const char* fourthRx;
    };
    const Case cases[] = {{0, "014550000", "043350000"}, {1, "014480000", "043050000"}};
    for (const Case& c : cases) {
        PCBand = c.plan;
        NewRadioData();
        EXPECT_EQ(CurData.Band, c.plan);
        EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2, 3, 4})) << c.plan;
        EXPECT_EQ(UFreList[0].RxFre.raw(), c.firstRx);
        EXPECT_EQ(UFreList[3].RxFre.raw(), c.fourthRx);
        EXPECT_TRUE(IsDataSame());
        FactoryFresFlag = 1;
        NewRadioData();
        EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2, 3, 4, 5, 6})) << c.plan;
        FactoryFresFlag = 0;
    }
}

}  // namespace
