// The viewer's captions in both languages and the texts of its boxes.
#include <gtest/gtest.h>

#include <string>

#include "settings/EmbedInfoTexts.h"

namespace {

using namespace std::string_literals;

TEST(EmbedInfoTexts, CaptionsByLanguage) {
    const EmbedCaptions en = EmbedCaptionsOf(1);
    EXPECT_EQ(en.form, "Embedded Message");
    EXPECT_EQ(en.frame, "Dealer Information");
    EXPECT_EQ(en.label2, "Area Code");
    EXPECT_EQ(en.label1[0], "Manufacture Code");
    EXPECT_EQ(en.label1[6], "Maintained");
    EXPECT_EQ(en.label1[7], "Description");
    EXPECT_EQ(en.label1[13], "Seller");
    for (int16_t lang : {2, 0, 7}) {
        const EmbedCaptions zh = EmbedCaptionsOf(lang);
        EXPECT_EQ(zh.form, "嵌入信息") << lang;
        EXPECT_EQ(zh.label1[6], "维修原因") << lang;
        EXPECT_EQ(zh.label1[7], "") << lang;
        EXPECT_EQ(zh.label1[10], "经销商代码") << lang;
    }
}

TEST(EmbedInfoTexts, FieldsTrimmedButTheVersion) {
    EmbedInfoData info;
    info.AreaCode = "086  ";
    info.SerialNo = FixStr<16>::Of("SN0001");
    info.ProduceDate = FixStr<16>::Of("\0 2015"s);
    info.MaintainDate = FixStr<16>::Of("");  // all blanks
    info.MaintainReason = FixStr<96>::Of("Screen replaced\0old"s);
    info.Version = "V2.00  ";
    info.UserCode = FixStr<4>::Of("001A");
    const auto t = EmbedInfoBoxTexts(info);
    EXPECT_EQ(t[0], "086");
    EXPECT_EQ(t[1], "SN0001");
    EXPECT_EQ(t[2], "") << "a field that begins with a NUL";
    EXPECT_EQ(t[3], "");
    EXPECT_EQ(t[kEmbedReasonBox], "Screen replaced");
    EXPECT_EQ(t[kEmbedVersionBox], "V2.00  ");
    EXPECT_EQ(t[7], "001A");
    EXPECT_EQ(t[11], "") << "a fresh field of NUL bytes";
}

}  // namespace
