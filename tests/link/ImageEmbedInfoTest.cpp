#include <gtest/gtest.h>

#include <string>

#include "SignalImageTestSupport.h"
#include "link/ImageAreas.h"

using namespace std::string_literals;

namespace {

class EmbedInfoTest : public SignalImageTest {
protected:
    void SetUp() override {
        SignalImageTest::SetUp();
        EmbedInfo.Version = "V2.00";
        EmbedInfo.ModelCode = "314KTR";
        EmbedInfo.AreaCode = "X";
        EmbedInfo.SerialNo = "OLD";
    }
};

void PutText(std::size_t addr, const std::string& text) {
    for (std::size_t k = 0; k < text.size(); ++k) CommData[addr + k] = static_cast<uint8_t>(text[k]);
}

}  // namespace

TEST_F(EmbedInfoTest, BandByteDependsOnTheFirmwareGeneration) {
    CommData[41] = 1;
    CommData[45] = 2;
    struct Case {
        int verNo;
        int band;
    };
    for (const Case c : {Case{1, 1}, Case{2, 2}, Case{0, 2}, Case{3, 2}}) {
        RadioVerNo = static_cast<int16_t>(c.verNo);
        GetEmbedInfoByCommData();
        EXPECT_EQ(EmbedInfo.Band, c.band) << "version number " << c.verNo;
    }
}

TEST_F(EmbedInfoTest, TextsEndAtTheFirstZeroByte) {
    PutText(0x30, "2015052600000001");          // fills its 16 bytes
    PutText(0x40, "2015/5/26");
    PutText(0x50, "05-1-E-1");
    PutText(0x58, "001A");
    PutText(0x60, "A\0BC"s);                    // bytes after the 0x00 ignored
    PutText(0x70, "DEALER  ");                  // trailing blanks removed
    PutText(0x80, "AB\xFF" "CD");               // 0xFF is a character here
    PutText(0x90, "  SELL");                    // leading blanks kept
    PutText(0xA0, std::string(16, ' '));        // all blanks: empty
    PutText(0xB0, std::string(48, 'R'));        // 48 bytes into the 96-character field
    GetEmbedInfoByCommData();

    EXPECT_EQ(EmbedInfo.SerialNo.raw(), "2015052600000001");  // no room for the NUL
    EXPECT_EQ(EmbedInfo.ProduceDate.raw(), "2015/5/26\0      "s);
    EXPECT_EQ(EmbedInfo.ManufactureCode.raw(), "05-1-E-1");
    EXPECT_EQ(EmbedInfo.UserCode.value(), "001A");
    EXPECT_EQ(EmbedInfo.MaintainDate.value(), "A");
    EXPECT_EQ(EmbedInfo.DealerCode.value(), "DEALER");
    EXPECT_EQ(EmbedInfo.StockDate.value(), "AB\xFF" "CD");
    EXPECT_EQ(EmbedInfo.SellDate.value(), "  SELL");
    EXPECT_EQ(EmbedInfo.Seller.value(), "");
    EXPECT_EQ(EmbedInfo.MaintainReason.value(), std::string(48, 'R'));
    EXPECT_EQ(EmbedInfo.MaintainReason.raw(), std::string(48, 'R') + '\0' + std::string(47, ' '));
}

TEST_F(EmbedInfoTest, BlankAreaGivesBandZeroAndEmptyTextsAndLeavesTheRest) {
    GetEmbedInfoByCommData();
    EXPECT_EQ(EmbedInfo.Band, 0);
    EXPECT_EQ(EmbedInfo.SerialNo.raw(), "\0"s + std::string(15, ' '));
    EXPECT_EQ(EmbedInfo.UserCode.raw(), "\0   "s);
    EXPECT_EQ(EmbedInfo.MaintainReason.value(), "");
    EXPECT_EQ(EmbedInfo.Version, "V2.00");
    EXPECT_EQ(EmbedInfo.ModelCode, "314KTR");
    EXPECT_EQ(EmbedInfo.AreaCode, "X");
}
