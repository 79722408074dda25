#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "TempDir.h"
#include "platform/SerialDevices.h"

namespace {

using platform::SerialDevice;

TEST(SerialDevicesTest, NumbersComeFromFixedBlocks) {
    struct Case {
        const char* name;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"ttyUSB0", 1},     {"ttyUSB98", 99},   {"ttyUSB99", std::nullopt},
        {"ttyACM0", 101},   {"ttyACM98", 199},  {"ttyS0", 201},
        {"ttyS98", 299},    {"rfcomm0", 301},   {"rfcomm98", 399},
        {"ttyAMA0", 401},   {"ttyAMA98", 499},  {"ttyAMA99", std::nullopt},
        {"ttyUSB", std::nullopt}, {"ttyUSB01", std::nullopt}, {"ttyUSBx", std::nullopt},
        {"ttySAC0", std::nullopt}, {"pts3", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::BlockPortNumber(c.name), c.number) << c.name;
    EXPECT_TRUE(platform::IsBlockName("ttyUSB99"));
    EXPECT_FALSE(platform::IsBlockName("ttySAC0"));
}

TEST(SerialDevicesTest, OtherNamesGetAStableNumberInTheirRange) {
    std::set<int> seen;
    for (const char* name : {"ttySAC0", "ttyXRUSB0", "ttyUSB01", "kq-radio", "ttyGS0"}) {
        const int n = platform::HashedPortNumber(name);
        EXPECT_GE(n, 500) << name;
        EXPECT_LE(n, 999) << name;
        EXPECT_EQ(n, platform::HashedPortNumber(name));
        seen.insert(n);
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST(SerialDevicesTest, ListIsAscendingWithoutDuplicatesAndOverflowsLeftOut) {
    const auto list = platform::NumberSerialDevices(
        {"/dev/ttyS1", "/dev/ttyUSB3", "/dev/ttyACM0", "/dev/ttyUSB3", "/dev/ttyUSB99", "/dev/ttyUSB0"});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].number, 1);
    EXPECT_EQ(list[0].path, "/dev/ttyUSB0");
    EXPECT_EQ(list[1].number, 4);
    EXPECT_EQ(list[2].number, 101);
    EXPECT_EQ(list[3].number, 202);
}

TEST(SerialDevicesTest, HashCollisionsTakeTheNextFreeNumber) {
    // Find two names that hash alike.
    std::string a, b;
    std::map<int, std::string> byNumber;
    for (int i = 0; b.empty(); ++i) {
        const std::string name = "dev" + std::to_string(i);
        const int n = platform::HashedPortNumber(name);
        if (auto it = byNumber.find(n); it != byNumber.end()) {
            a = it->second;
            b = name;
        } else {
            byNumber[n] = name;
        }
    }
    const int n = platform::HashedPortNumber(a);
    const auto list = platform::NumberSerialDevices({"/x/" + b, "/x/" + a});
    ASSERT_EQ(list.size(), 2u);
    std::set<int> numbers{list[0].number, list[1].number};
    EXPECT_EQ(numbers.size(), 2u);
    EXPECT_TRUE(numbers.count(n));
    EXPECT_TRUE(numbers.count(n == 999 ? 500 : n + 1));
    // The same set of names gives the same numbers in any order.
    EXPECT_EQ(platform::NumberSerialDevices({"/x/" + a, "/x/" + b})[0].path, list[0].path);
}

TEST(SerialDevicesTest, FolderScanTakesUsbAndAcmEntriesAndLiveLinks) {
    TempDir dir;
    dir.write("ttyUSB0", "");
    dir.write("ttyACM2", "");
    dir.write("ttyS0", "");  // only the system enumeration lists these
    dir.write("ttyUSB99", "");
    std::filesystem::create_symlink(dir.file("ttyUSB0"), dir.file("ttyUSB7"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("ttyUSB8"));
    platform::ScopedSerialScanOptions scan({dir.path(), false});
    const auto list = platform::ListSerialDevices();
    std::vector<std::pair<int, std::string>> got;
    for (const auto& d : list) got.emplace_back(d.number, d.path);
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{
                       {1, dir.file("ttyUSB0")}, {8, dir.file("ttyUSB7")}, {103, dir.file("ttyACM2")}}));
    EXPECT_EQ(platform::SerialDevicePath(103), dir.file("ttyACM2"));
    EXPECT_EQ(platform::SerialDevicePath(9), std::nullopt);
}

}  // namespace
