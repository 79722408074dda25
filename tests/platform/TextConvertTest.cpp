// Texts meeting QString: UTF-8 texts and record bytes shown one byte to one
// character; and the one twips rule.
#include <gtest/gtest.h>

#include <string>

#include "platform/TextConvert.h"
#include "platform/Twips.h"

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(TextConvert, EveryByteRoundTripsThroughItsCharacter) {
    const std::string bytes = AllBytes();
    const QString shown = platform::ByteText(bytes);
    ASSERT_EQ(shown.size(), 256) << "one character a byte, the NUL included";
    for (int b = 0; b < 256; ++b) EXPECT_EQ(shown[b].unicode(), b);
    EXPECT_EQ(platform::TextBytes(shown), bytes);
    // The same characters written as UTF-8 for a message or a cell.
    EXPECT_EQ(platform::BytesToUtf8(bytes), platform::Utf8(shown));
    EXPECT_EQ(platform::BytesToUtf8("\xE9t\xE9"), "\u00E9t\u00E9");
}

TEST(TextConvert, ACharacterBeyondOneByteIsNoByte) {
    EXPECT_EQ(platform::TextBytes(QString::fromUtf8("A\u6E2C\u00FF")), "A?\xFF");
}

TEST(TextConvert, Utf8TextsRoundTrip) {
    const std::string texts[] = {"", "OK", "\u78BA\u5B9A", std::string("a\0b", 3)};
    for (const auto& t : texts) {
        EXPECT_EQ(platform::QText(t).size(), QString::fromStdString(t).size()) << t;
        EXPECT_EQ(platform::Utf8(platform::QText(t)), t) << t;
    }
}

TEST(Twips, NearestWholePixel) {
    struct Case {
        double twips;
        int px;
    };
    const Case cases[] = {{0, 0}, {7, 0}, {7.5, 1}, {15, 1}, {100, 7}, {735, 49}, {-8, -1}, {6495, 433}};
    for (const auto& c : cases) EXPECT_EQ(platform::PixelsFromTwips(c.twips), c.px) << c.twips;
    EXPECT_EQ(platform::TwipsFromPixels(49), 735);
}

}  // namespace
