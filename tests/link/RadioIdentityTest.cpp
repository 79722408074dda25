#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "ScriptedPrompts.h"
#include "core/SharedState.h"
#include "link/Protocol.h"
#include "link/RadioIdentity.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// The 16 identification bytes behind the echo.
std::array<uint8_t, 16> Identify(std::string_view model7, uint8_t band, std::string_view version4,
                                 uint8_t features = 0, uint8_t status = 0) {
    std::array<uint8_t, 16> r{};
    r[0] = 'I';
    for (int i = 0; i < 7; ++i) r[1 + i] = i < static_cast<int>(model7.size()) ? model7[i] : 0;
    r[8] = band;
    for (int i = 0; i < 4; ++i) r[9 + i] = i < static_cast<int>(version4.size()) ? version4[i] : 0;
    r[13] = features;
    r[14] = status;
    r[15] = 0x06;
    return r;
}

class RadioIdentityTest : public testing::Test {
protected:
    ProgramSandbox sandbox;
    // Identifies through the reply test, as the receive event does.
    void Receive(const std::array<uint8_t, 16>& reply) {
        CommSendLen = 1;
        std::vector<uint8_t> rx{0x02};
        rx.insert(rx.end(), reply.begin(), reply.end());
        ASSERT_TRUE(IsIdentify(rx));
    }
};

TEST_F(RadioIdentityTest, DecodesEveryField) {
    Receive(Identify(std::string("314KTR\0", 7), 1, "V101", 0xA0, 0x03));
    EXPECT_EQ(RadioModel, "314KTR");
    EXPECT_EQ(RadioBand, 1);
    EXPECT_EQ(RadioVersion, "V101");
    EXPECT_EQ(RadioVerNo, 1);
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(RadioKilled, -1);
    EXPECT_EQ(RadioStunned, -1);
}

TEST_F(RadioIdentityTest, TextRulesOfModelAndVersion) {
    // A 0x00 or 0xFF ends the model; in the version it is left out.
    Receive(Identify(std::string("YH3\xFF" "4KT", 7), 255, std::string("\0V20", 4)));
    EXPECT_EQ(RadioModel, "YH3");
    EXPECT_EQ(RadioBand, 255);
    EXPECT_EQ(RadioVersion, "V20");
    EXPECT_EQ(RadioVerNo, 2);  // not four characters
    Receive(Identify("YH314KT", 0, std::string("V\xFF" "3\xFF", 4)));
    EXPECT_EQ(RadioModel, "YH314KT");
    EXPECT_EQ(RadioVersion, "V3");
    Receive(Identify("314KTR", 0, "VX00"));
    EXPECT_EQ(RadioVerNo, 2);  // second character not a digit
    Receive(Identify("314KTR", 0, "V300", 0, 0x04));
    EXPECT_EQ(RadioVerNo, 3);
    EXPECT_EQ(RadioKilled, 0);
    EXPECT_EQ(RadioStunned, 0);
}

TEST_F(RadioIdentityTest, AFeatureFlagOnceSetStaysSet) {
    Receive(Identify("314KTR", 0, "V200", 0x80));
    EXPECT_EQ(SettingFlag[0], 1);
    Receive(Identify("314KTR", 0, "V200", 0x10));
    EXPECT_EQ(SettingFlag, (std::array<int16_t, 4>{1, 0, 0, 1}));
}

TEST_F(RadioIdentityTest, ModelAndVersionComparisons) {
    EXPECT_TRUE(IsModelOK("314KTR", "314KTR"));
    EXPECT_TRUE(IsModelOK("314KTR", "YH314KT"));
    EXPECT_TRUE(IsModelOK("314KTR", "314KTR  "));
    EXPECT_FALSE(IsModelOK("314KTR", "314KTr"));
    EXPECT_FALSE(IsModelOK("314KTR", " 314KTR"));
    for (const char* ok : {"V200", "V101", "V100"}) EXPECT_TRUE(IsVersionOK("V200", ok)) << ok;
    for (const char* bad : {"V201", "V20", "v200", ""}) EXPECT_FALSE(IsVersionOK("V200", bad)) << bad;
    EXPECT_TRUE(IsVersionOK("V101", "V100"));
    EXPECT_FALSE(IsVersionOK("V100", "V101"));
}

TEST_F(RadioIdentityTest, ChecksShowTheirMessagesInOrder) {
    struct Case {
        const char* name;
        std::string model, version;
        int16_t band, pcBand;
        bool killed, stunned, writing;
        std::vector<platform::Prompt> boxes;
    };
    const platform::Prompt wrongBand{"Frequencys is wrong!", Buttons::Ok, Icon::Exclamation, ""};
    const Case cases[] = {
        {"matching radio", "314KTR", "V200", 0, 0, false, false, true, {}},
        {"alias model and older version read", "YH314KT", "V100", 0, 0, false, false, false, {}},
        {"wrong model",
         "ABC",
         "V200",
         0,
         0,
         false,
         false,
         false,
         {{"Model type is wrong. \r\nPC is KQ-314\r\nRadio is ABC", Buttons::Ok, Icon::None, ""}}},
        {"wrong version",
         "314KTR",
         "V20",
         0,
         0,
         false,
         false,
         false,
         {{"Version is wrong. Overwrite?\r\nPC is V200\r\nRadio is V20", Buttons::Ok, Icon::None, ""}}},
        {"wrong band is no matter in a read", "314KTR", "V200", 1, 0, false, false, false, {}},
        {"wrong band in a write", "314KTR", "V200", 1, 0, false, false, true, {wrongBand}},
        {"wrong model and band in a write: two boxes",
         "XYZ",
         "V200",
         1,
         0,
         false,
         false,
         true,
         {{"Model type is wrong. \r\nPC is KQ-314\r\nRadio is XYZ", Buttons::Ok, Icon::None, ""}, wrongBand}},
        {"killed radio can be read", "314KTR", "V200", 0, 0, true, false, false, {}},
        {"killed radio refuses a write",
         "314KTR",
         "V200",
         0,
         0,
         true,
         true,
         true,
         {{"Radio is killed,can't be written!", Buttons::Ok, Icon::None, ""}}},
        {"stunned radio refuses a write",
         "314KTR",
         "V200",
         0,
         0,
         false,
         true,
         true,
         {{"Radio is fainted,can't be written!", Buttons::Ok, Icon::None, ""}}},
        {"killed is not looked at after a failed check", "314KTR", "V200", 1, 0, true, false, true, {wrongBand}},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        for (const auto& b : c.boxes) prompts.expect(b.text, b.buttons, Answer::Ok, b.icon, true);
        RadioModel = c.model;
        RadioVersion = c.version;
        RadioBand = c.band;
        PCBand = c.pcBand;
        RadioKilled = c.killed ? -1 : 0;
        RadioStunned = c.stunned ? -1 : 0;
        EXPECT_EQ(CheckRadioIdentity(c.writing), c.boxes.empty()) << c.name;
        EXPECT_TRUE(prompts.allAnswered()) << c.name;
    }
}

TEST_F(RadioIdentityTest, ModelBytesOfTheRadioShowAsCharacters) {
    ScriptedPrompts prompts;
    prompts.expect("Model type is wrong. \r\nPC is KQ-314\r\nRadio is K\xC3\xA9", Buttons::Ok, Answer::Ok);
    RadioModel = "K\xE9";
    RadioVersion = "V200";
    EXPECT_FALSE(CheckRadioIdentity(false));
    EXPECT_TRUE(prompts.allAnswered());
}

}  // namespace
