// A read can always be written back: whatever bytes a radio holds, decoding
// them, encoding the unchanged result and decoding that again succeeds and
// gives the same data. The baseline is the data as the encoder leaves it,
// since a write sorts the contact book (the only change it makes to data
// that was just read).
#include <algorithm>
#include <random>

#include "ImageFixture.h"
#include "ScriptedPrompts.h"
#include "core/SavedCopy.h"
#include "link/ImageAccess.h"

namespace {

class ImageRoundTrip : public ImageFixture {
protected:
    // Encodes the working data into a fresh image; an encoder error box
    // fails the test.
    static ImageBytes Encoded() {
        ScriptedPrompts prompts;
        InitCommData();
        WriteDataOK = true;
        SetCommData();
        EXPECT_TRUE(WriteDataOK);
        return CommData;
    }

    // Decodes `image`, encodes the result and decodes that: the data must
    // come back unchanged, and so must every byte the encoder writes.
    void ExpectWrittenBackUnchanged(const ImageBytes& image, const std::string& what) {
        SCOPED_TRACE(what);
        CommData = image;
        GetDataByComm();
        const ImageBytes written = Encoded();
        SaveOldRadioData();

        CommData = written;
        GetDataByComm();
        EXPECT_TRUE(IsDataSame());
        // The change test compares no more of the own ID than its length.
        EXPECT_EQ(CurData.FunSet.Tone5.SelfID.value(), OldData.FunSet.Tone5.SelfID.value());
        const ImageBytes again = Encoded();
        const auto diff = std::mismatch(written.begin(), written.end(), again.begin());
        EXPECT_TRUE(diff.first == written.end())
            << "written differently at 0x" << std::hex << (diff.first - written.begin());
    }
};

TEST_F(ImageRoundTrip, ErasedBlankAndRandomImagesAreWrittenBackUnchanged) {
    ImageBytes erased;
    erased.fill(0xFF);
    ImageBytes zeros{};
    InitCommData();
    const ImageBytes blank = CommData;
    std::mt19937 rng(16);
    for (int scan : {0, 1}) {
        ScanEnable = static_cast<int16_t>(scan);
        ExpectWrittenBackUnchanged(erased, "erased");
        ExpectWrittenBackUnchanged(zeros, "zeros");
        ExpectWrittenBackUnchanged(blank, "blank");
        for (int run = 0; run < 150; ++run) {
            ImageBytes random;
            // Some images of few byte values, so that flags, lengths and
            // digits take their edge values more often.
            const bool few = run % 3 == 0;
            for (uint8_t& b : random) {
                b = static_cast<uint8_t>(rng());
                if (few) b = std::array<uint8_t, 6>{0x00, 0x01, 0x09, 0x20, 0x7F, 0xFF}[b % 6];
            }
            ExpectWrittenBackUnchanged(random, "random image " + std::to_string(run) + ", scan " +
                                                   std::to_string(scan));
            if (HasFailure()) return;
        }
    }
}

}  // namespace
