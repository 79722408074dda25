#include <gtest/gtest.h>

#include "link/ImageAccess.h"

TEST(ImageAccess, WordsInBothByteOrders) {
    ImageBytes img{};
    ImageView v(img);
    v.setLe16(0x10, 0x1234);
    v.setBe16(0x20, 0x1234);
    EXPECT_EQ(img[0x10], 0x34);
    EXPECT_EQ(img[0x11], 0x12);
    EXPECT_EQ(img[0x20], 0x12);
    EXPECT_EQ(img[0x21], 0x34);
    EXPECT_EQ(v.le16(0x10), 0x1234);
    EXPECT_EQ(v.be16(0x20), 0x1234);
    v.setLe16(0x30, 0xFFFF);
    EXPECT_EQ(v.le16Signed(0x30), -1);
    EXPECT_THROW(v.setLe16(0x30, 0x10000), ImageRangeError);
    EXPECT_THROW(v.le16(0x7FFF), ImageRangeError);  // the second byte is past the end
}

TEST(ImageAccess, BitFieldsUseMasksAndRefuseValuesThatDoNotFit) {
    ImageBytes img{};
    ImageView v(img);
    img[5] = 0xFF;
    v.setBits(5, 4, 4, 0x3);  // high nibble only
    EXPECT_EQ(img[5], 0x3F);
    v.setBits(5, 0, 2, 0);
    EXPECT_EQ(img[5], 0x3C);
    EXPECT_EQ(v.bits(5, 2, 2), 3);
    EXPECT_THROW(v.setBits(5, 0, 2, 4), ImageRangeError);
    EXPECT_THROW(v.setBits(5, 0, 2, -1), ImageRangeError);
    EXPECT_EQ(img[5], 0x3C);  // a refused value leaves the byte alone
    EXPECT_THROW(v.setByte(0, 256), ImageRangeError);
}

TEST(ImageAccess, TextsArePaddedAndCut) {
    ImageBytes img{};
    ImageView v(img);
    v.setText(0x100, 7, "ABC", 0x20);
    EXPECT_EQ(v.text(0x100, 7), "ABC    ");
    v.setText(0x200, 4, "AB", 0x00);
    EXPECT_EQ(v.text(0x200, 4, 0x00), "AB");
    img[0x300] = 'x';
    img[0x301] = 0xFF;  // not a terminator unless asked for
    EXPECT_EQ(v.text(0x300, 2, 0x00), std::string("x\xFF"));
    EXPECT_THROW(v.setText(0x100, 2, "ABC", 0x20), ImageRangeError);
}
