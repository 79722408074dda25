// Two-tone areas of the memory image: the decoder header at 0x0300, the 24
// calls at 0x0B00 and their presence bitmap at 0x038D. The record keeps the
// decode tones, dividers and call words high byte first and the tones A..D
// low byte first; the image has each the other way round.
#include <string>

#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"
#include "link/ImageSignalFields.h"

namespace {

// Header, 0x0300-0x0317.
constexpr std::size_t kDecTone1 = 0x0300;  // low byte first
constexpr std::size_t kDecTone2 = 0x0302;
constexpr std::size_t kDecDiv1 = 0x0304;
constexpr std::size_t kDecDiv2 = 0x0306;
constexpr std::size_t kDecodeResp = 0x0308;
constexpr std::size_t kTime20 = 0x0309;
constexpr std::size_t kTime21 = 0x030A;
constexpr std::size_t kTime22 = 0x030B;
constexpr std::size_t kTime23 = 0x030C;
constexpr std::size_t kTime9 = 0x030D;
constexpr std::size_t kSideTone = 0x030E;
constexpr std::size_t kDecPair = 0x030F;
constexpr std::size_t kToneA = 0x0310;     // high byte first
constexpr std::size_t kToneB = 0x0312;
constexpr std::size_t kToneC = 0x0314;
constexpr std::size_t kToneD = 0x0316;
constexpr int kLastDecPair = 14;           // "Long C"

// Calls, 16 bytes each.
constexpr std::size_t kCalls = 0x0B00;
constexpr std::size_t kCallSize = 16;
constexpr std::size_t kDiv1 = 0, kDiv2 = 2, kTone1 = 4, kTone2 = 6, kName = 8;
constexpr std::size_t kNameSize = 7;
constexpr std::size_t kBitmap = 0x038D;

std::size_t CallAddr(int call) { return kCalls + kCallSize * static_cast<std::size_t>(call - 1); }

void WriteTwoToneArea(ImageView image, const Tone2Data& t) {
    const Tone2Head& h = t.Tone2Set;
    image.setLe16(kDecTone1, h.DecTone1.value());
    image.setLe16(kDecTone2, h.DecTone2.value());
    image.setLe16(kDecDiv1, h.DecDiv1.value());
    image.setLe16(kDecDiv2, h.DecDiv2.value());
    image.setByte(kDecodeResp, h.DecodeResp);
    image.setByte(kTime20, h.Time20);
    image.setByte(kTime21, h.Time21);
    image.setByte(kTime22, h.Time22);
    image.setByte(kTime23, h.Time23);
    image.setByte(kTime9, h.Time9);
    image.setByte(kSideTone, h.SideTone);
    image.setByte(kDecPair, h.DecPair);
    image.setBe16(kToneA, h.ToneA.value());
    image.setBe16(kToneB, h.ToneB.value());
    image.setBe16(kToneC, h.ToneC.value());
    image.setBe16(kToneD, h.ToneD.value());

    for (int i = t.Tone2List.first(); i <= t.Tone2List.last(); ++i) {
        const Tone2Item& c = t.Tone2List[i];
        // Any flag but 0 is an empty call, as everywhere else in the program.
        SetEntryEmpty(image, kBitmap, i, c.EmptyFlag != 0);
        const std::size_t a = CallAddr(i);
        image.setLe16(a + kDiv1, c.Div1.value());
        image.setLe16(a + kDiv2, c.Div2.value());
        image.setLe16(a + kTone1, c.Tone1.value());
        image.setLe16(a + kTone2, c.Tone2.value());
        SetNameBytes(image, a + kName, kNameSize, c.Name.value(), ' ');
    }
}

Tone2Data ReadTwoToneArea(const ImageView& image) {
    Tone2Data t;
    Tone2Head& h = t.Tone2Set;
    h.DecTone1.set(image.le16(kDecTone1));
    h.DecTone2.set(image.le16(kDecTone2));
    h.DecDiv1.set(image.le16(kDecDiv1));
    h.DecDiv2.set(image.le16(kDecDiv2));
    h.DecodeResp = image.byte(kDecodeResp);
    h.Time20 = image.byte(kTime20);
    h.Time21 = image.byte(kTime21);
    h.Time22 = image.byte(kTime22);
    h.Time23 = image.byte(kTime23);
    h.Time9 = image.byte(kTime9);
    h.SideTone = image.byte(kSideTone);
    const uint8_t pair = image.byte(kDecPair);
    h.DecPair = pair > kLastDecPair ? 0 : pair;
    h.ToneA.set(image.be16(kToneA));
    h.ToneB.set(image.be16(kToneB));
    h.ToneC.set(image.be16(kToneC));
    h.ToneD.set(image.be16(kToneD));

    for (int i = t.Tone2List.first(); i <= t.Tone2List.last(); ++i) {
        Tone2Item& c = t.Tone2List[i];
        const std::size_t a = CallAddr(i);
        c.EmptyFlag = EntryEmpty(image, kBitmap, i) ? 1 : 0;
        c.Div1.set(image.le16(a + kDiv1));
        c.Div2.set(image.le16(a + kDiv2));
        c.Tone1.set(image.le16(a + kTone1));
        c.Tone2.set(image.le16(a + kTone2));
        c.Name = NameBytes(image, a + kName, kNameSize);
    }
    return t;
}

}  // namespace

void SetCommDataBy2Tone() {
    RunGuardedEncoder("SetCommDataBy2Tone", [] { WriteTwoToneArea(ImageView(CommData), CurData.FunSet.Tone2); });
}

// Every member of the block is in the image, so nothing of the old one is kept.
void Get2ToneByCommData() { CurData.FunSet.Tone2 = ReadTwoToneArea(ImageView(CommData)); }
