// The packed layouts of the data-file records: sizes, the offsets of the
// members, and that unpacking gives back what was packed.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/RecordPacking.h"

namespace {

template <class T>
std::vector<uint8_t> Packed(const T& rec) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    Pack(w, rec);
    return out;
}

std::vector<uint8_t> PackedAs(const RadioData& rec, DatLayout layout) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    Pack(w, rec, layout);
    return out;
}

TEST(RecordPacking, EveryRecordHasItsFileSize) {
    EXPECT_EQ(Packed(UFreData{}).size(), 89u);
    EXPECT_EQ(Packed(DTMFData{}).size(), 527u);
    EXPECT_EQ(Packed(Tone2Data{}).size(), 432u);
    EXPECT_EQ(Packed(Tone5Data{}).size(), 5817u);
    EXPECT_EQ(Packed(OptionData{}).size(), 103u);
    EXPECT_EQ(Packed(ScanData{}).size(), 14u);
    EXPECT_EQ(Packed(AlertData{}).size(), 13u);
    EXPECT_EQ(Packed(FunSetData{}).size(), 6906u);
    EXPECT_EQ(Packed(CommuBookItem{}).size(), 14u);
    EXPECT_EQ(Packed(HyperData{}).size(), 1110u);
    EXPECT_EQ(Packed(TVItem{}).size(), 12u);
    EXPECT_EQ(PackedAs(RadioData{}, DatLayout::V200).size(), 13111u);
    EXPECT_EQ(PackedAs(RadioData{}, DatLayout::V101).size(), 13107u);
    EXPECT_EQ(PackedAs(RadioData{}, DatLayout::V100).size(), 11901u);
}

// The offset of the first byte that changes when `mark` changes a member of
// an all-zero record.
std::size_t OffsetOf(const std::function<void(RadioData&)>& mark, DatLayout layout) {
    RadioData blank;
    RadioData marked;
    mark(marked);
    const auto a = PackedAs(blank, layout);
    const auto b = PackedAs(marked, layout);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return i;
    return SIZE_MAX;
}

TEST(RecordPacking, MembersSitAtTheirOffsetsInEveryLayout) {
    struct Case {
        const char* member;
        std::function<void(RadioData&)> mark;
        std::size_t v200, v101, v100;
    };
    const std::size_t absent = SIZE_MAX;
    const Case cases[] = {
        {"Version", [](RadioData& r) { r.Version = "V200"; }, 0, absent, absent},
        {"Band", [](RadioData& r) { r.Band = 1; }, 4, 0, 0},
        {"DTMF self ID", [](RadioData& r) { r.FunSet.DTMF.DTMFSelfID = "123"; }, 6 + 506, 2 + 506, 2 + 506},
        {"DTMF separator", [](RadioData& r) { r.FunSet.DTMF.DTMFSepCode = 14; }, 6 + 509, 2 + 509, 2 + 509},
        {"two-tone block", [](RadioData& r) { r.FunSet.Tone2.Tone2Set.DecTone1.set(0x0102); }, 6 + 527, 2 + 527, 2 + 527},
        {"two-tone call 1", [](RadioData& r) { r.FunSet.Tone2.Tone2List[1].EmptyFlag = 1; }, 6 + 527 + 24, 2 + 551, 2 + 551},
        {"two-tone tone A", [](RadioData& r) { r.FunSet.Tone2.Tone2Set.ToneA.set(0x0C91); }, 6 + 527 + 12, 2 + 539, 2 + 539},
        {"five-tone block", [](RadioData& r) { r.FunSet.Tone5.Head0 = 1; }, 6 + 959, 2 + 959, 2 + 959},
        {"five-tone first delay", [](RadioData& r) { r.FunSet.Tone5.FirstDelay = 1; }, 6 + 959 + 15, 2 + 974, 2 + 974},
        {"five-tone info codes", [](RadioData& r) { r.FunSet.Tone5.InfoCode[1].Func = 1; }, 6 + 959 + 27, 2 + 986, 2 + 986},
        {"five-tone PTT ID begin", [](RadioData& r) { r.FunSet.Tone5.PTTIDBegin.EmptyFlag = 1; }, 6 + 959 + 379, 2 + 1338, 2 + 1338},
        {"five-tone PTT ID end", [](RadioData& r) { r.FunSet.Tone5.PTTIDEnd.EmptyFlag = 1; }, 6 + 959 + 432, 2 + 1391, 2 + 1391},
        {"five-tone list", [](RadioData& r) { r.FunSet.Tone5.Tone5List[1].EmptyFlag = 1; }, 6 + 959 + 485, 2 + 1444, 2 + 1444},
        {"five-tone code name", [](RadioData& r) { r.FunSet.Tone5.Tone5List[1].Name = "N"; }, 6 + 959 + 485 + 46, 2 + 1490, 2 + 1490},
        {"user tone table", [](RadioData& r) { r.FunSet.Tone5.DefTone[0] = 1; }, 6 + 959 + 5785, 2 + 6744, 2 + 6744},
        {"options", [](RadioData& r) { r.FunSet.Option.DisplayMode = 1; }, 6 + 6776, 2 + 6776, 2 + 6776},
        {"power-on password", [](RadioData& r) { r.FunSet.Option.PowerOnPassWord = "1"; }, 6 + 6776 + 70, 2 + 6846, 2 + 6846},
        {"scrambler 1", [](RadioData& r) { r.FunSet.Option.Scrambler1 = 0x01000000; }, 6 + 6776 + 84, 2 + 6860, 2 + 6860},
        {"power-on text", [](RadioData& r) { r.FunSet.Option.PowerOnText = "W"; }, 6 + 6776 + 89, 2 + 6865, 2 + 6865},
        {"scan", [](RadioData& r) { r.FunSet.Scan.ScanMode = 1; }, 6 + 6879, 2 + 6879, 2 + 6879},
        {"priority channel 2", [](RadioData& r) { r.FunSet.Scan.PriorityCH2 = 1; }, 6 + 6879 + 12, 2 + 6891, 2 + 6891},
        {"alert", [](RadioData& r) { r.FunSet.Alert.AlarmType = 1; }, 6 + 6893, 2 + 6893, 2 + 6893},
        {"emergency channel", [](RadioData& r) { r.FunSet.Alert.EmgCHNo = 1; }, 6 + 6893 + 7, 2 + 6900, 2 + 6900},
        {"CHCount", [](RadioData& r) { r.CHCount = 1; }, 6912, 6908, 6908},
        {"contact book", [](RadioData& r) { r.CommuBook[1].No = 1; }, 6914 + 14, 6910 + 14, 6910 + 14},
        {"Tone5DecodeTime", [](RadioData& r) { r.Tone5DecodeTime = 1; }, 8314, 8310, 8310},
        {"limit channel 2", [](RadioData& r) { r.LimitCH[1].CHNo = 2; }, 8315 + 89, 8311 + 89, 8311 + 89},
        {"limit channel user tone", [](RadioData& r) { r.LimitCH[0].UserCTCSS = 1; }, 8315 + 87, 8311 + 87, 8311 + 87},
        {"limit channel name", [](RadioData& r) { r.LimitCH[0].CHName = "A"; }, 8315 + 24, 8311 + 24, 8311 + 24},
        {"hyper bank 1 row 1", [](RadioData& r) { r.Hyper[0].CH[0].CHNo = 1; }, 9205, 9201, 9201},
        {"hyper bank 1 settings", [](RadioData& r) { r.Hyper[0].Setting.DisplayMode = 1; }, 9205 + 534, 9201 + 534, 9201 + 534},
        {"hyper bank 1 row 7", [](RadioData& r) { r.Hyper[0].HCH[6].CHNo = 7; }, 9205 + 576, 9201 + 576, absent},
        {"hyper bank 2 row 1", [](RadioData& r) { r.Hyper[1].CH[0].CHNo = 1; }, 9205 + 1110, 9201 + 1110, 9201 + 576},
        {"frequency list", [](RadioData& r) { r.TV[0].No = 1; }, 11425, 11421, 10353},
        {"frequency list VFO entry", [](RadioData& r) { r.TV[128].Freq = "01080000"; }, 11425 + 128 * 12 + 4, 11421 + 1540, 10353 + 1540},
        {"event records", [](RadioData& r) { r.Note[0] = "A"; }, 12973, 12969, absent},
        {"NoteIndex", [](RadioData& r) { r.NoteIndex = 1; }, 12973 + 128, 12969 + 128, absent},
        {"HyperMode", [](RadioData& r) { r.HyperMode[0] = 1; }, 13103, 13099, absent},
        {"BeepVolume", [](RadioData& r) { r.BeepVolume = 1; }, 13107, 13103, absent},
        {"ExtSpeaker", [](RadioData& r) { r.ExtSpeaker = 1; }, 13109, 13105, absent},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OffsetOf(c.mark, DatLayout::V200), c.v200) << c.member << " in V200";
        EXPECT_EQ(OffsetOf(c.mark, DatLayout::V101), c.v101) << c.member << " in V101";
        EXPECT_EQ(OffsetOf(c.mark, DatLayout::V100), c.v100) << c.member << " in V100";
    }
}

TEST(RecordPacking, IntegersAreLittleEndianAndRadioWordsKeepTheirByteOrder) {
    UFreData ch;
    ch.CHNo = 0x0102;
    ch.UserCTCSS = -2;
    ch.CHName.bytes = {0, ' ', ' ', ' ', ' ', ' ', ' '};
    const auto b = Packed(ch);
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(b[1], 0x01);
    EXPECT_EQ(b[87], 0xFE);
    EXPECT_EQ(b[88], 0xFF);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 24, b.begin() + 31),
              (std::vector<uint8_t>{0, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20}));

    Tone2Data t;
    t.Tone2Set.DecTone1.set(3217);  // high byte first
    t.Tone2Set.ToneA.set(3217);     // low byte first
    const auto tb = Packed(t);
    EXPECT_EQ(tb[0], 0x0C);
    EXPECT_EQ(tb[1], 0x91);
    EXPECT_EQ(tb[12], 0x91);
    EXPECT_EQ(tb[13], 0x0C);
}

// A record whose every byte differs from its neighbours packs back to the
// same bytes it was unpacked from, in every layout.
TEST(RecordPacking, UnpackingAndPackingAgainGivesTheSameBytes) {
    for (DatLayout layout : {DatLayout::V200, DatLayout::V101, DatLayout::V100}) {
        std::vector<uint8_t> bytes(DatSize(layout));
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
        RadioData rec;
        ByteReader r(bytes);
        Unpack(r, rec, layout);
        EXPECT_EQ(r.remaining(), 0u);
        EXPECT_EQ(PackedAs(rec, layout), bytes);
    }
}

TEST(RecordPacking, ReadingPastTheEndIsRefused) {
    std::vector<uint8_t> bytes(88);
    ByteReader r(bytes);
    UFreData ch;
    EXPECT_THROW(Unpack(r, ch), ShortRecord);
}

}  // namespace

#include "core/NoteSlot.h"

TEST(NoteSlot, AnyIndexPicksOneOfTheSixteenSlots) {
    const std::pair<int16_t, std::size_t> cases[] = {
        {0, 0}, {15, 15}, {16, 0}, {17, 1}, {-1, 15}, {-16, 0}, {-17, 15}, {32767, 15}, {-32768, 0},
    };
    for (auto [index, slot] : cases) EXPECT_EQ(NoteSlot(index), slot) << index;
}
