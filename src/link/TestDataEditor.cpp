#include "link/TestDataEditor.h"

#include "core/LangText.h"
#include "core/TextCodec.h"

namespace {

struct ByteLabel {
    std::string_view english;
    std::string_view chinese;
};

// Bytes 1..31 (byte 0 has no label).
constexpr std::array<ByteLabel, 31> kLabels = {{
    {"Power On", "功率开启"},
    {"VHF Frequency Adjust", "VHF频率调整"},
    {"VHF Higher Power", "VHF大高功率"},
    {"VHF High Power", "VHF小高功率"},
    {"VHF Middle Power", "VHF中功率"},
    {"VHF Low Power", "VHF低功率"},
    {"VHF Offset frequency of 25K", "VHF25K频偏"},
    {"VHF Offset frequency of 20K", "VHF20K频偏"},
    {"VHF Offset frequency of 12.5K", "VHF12.5K频偏"},
    {"VHF Microphone Sensitivity", "VHF麦克风灵敏度"},
    {"VHF CTCSS of 62Hz", "VHF 62Hz CTCSS"},
    {"VHF CTCSS of 131Hz", "VHF 131Hz CTCSS"},
    {"VHF CTCSS of 192Hz", "VHF 192Hz CTCSS"},
    {"VHF CTCSS of 254Hz", "VHF 254Hz CTCSS"},
    {"VHF SQL", "VHF 静噪"},
    {"UHF Frequency Adjust", "UHF频率调整"},
    {"UHF Higher Power", "UHF大高功率"},
    {"UHF High Power", "UHF小高功率"},
    {"UHF Middle Power", "UHF中功率"},
    {"UHF Low Power", "UHF低功率"},
    {"UHF Offset frequency of 25K", "UHF25K频偏"},
    {"UHF Offset frequency of 20K", "UHF20K频偏"},
    {"UHF Offset frequency of 12.5K", "UHF12.5K频偏"},
    {"UHF Microphone Sensitivity", "UHF麦克风灵敏度"},
    {"UHF CTCSS of 62Hz", "UHF 62Hz CTCSS"},
    {"UHF CTCSS of 131Hz", "UHF 131Hz CTCSS"},
    {"UHF CTCSS of 254Hz", "UHF 254Hz CTCSS"},
    {"UHF SQL", "UHF SQL"},
    {"UHF AGC", "UHF AGC"},
    {"VHF 1846 SQL Low", "VHF 1846 低噪"},
    {"UHF 1846 SQL Low", "UHF 1846 低噪"},
}};

// The last row of each column holds the 1846 squelch byte of its band.
constexpr int kColumnRows = 14;
constexpr int kLeftFirst = 2;
constexpr int kRightFirst = 16;
constexpr int kLeftLast = 30;
constexpr int kRightLast = 31;

std::optional<int> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

}  // namespace

TestDataCaptions TestDataCaptionsOf(int16_t langIndex) {
    if (langIndex == 2) return {"测试数据", "加载(&L)", "保存(&S)", "测试数据文件 (*.ted)|*.ted"};
    return {"Test Data", "&Load", "&Save", "Test Data File (*.ted)|*.ted"};
}

std::string TestByteLabel(int index, int16_t langIndex) {
    if (index < 1 || index > static_cast<int>(kLabels.size())) return {};
    const ByteLabel& l = kLabels[static_cast<std::size_t>(index - 1)];
    return std::string(langIndex == 2 ? l.chinese : l.english);
}

std::optional<TestBoxPlace> TestBoxPlaceOf(int index) {
    if (index >= kLeftFirst && index < kRightFirst) return TestBoxPlace{0, index - kLeftFirst};
    if (index >= kRightFirst && index < kLeftLast) return TestBoxPlace{1, index - kRightFirst};
    if (index == kLeftLast) return TestBoxPlace{0, kColumnRows};
    if (index == kRightLast) return TestBoxPlace{1, kColumnRows};
    return std::nullopt;
}

std::optional<uint8_t> ParseHexByte(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(kTestBoxLength)) return std::nullopt;
    int value = 0;
    for (char c : text) {
        const auto digit = HexDigitValue(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return static_cast<uint8_t>(value);
}

std::vector<int> ParseTestBoxes(const std::array<std::string, kTestDataSize>& texts, TestRecord& record) {
    std::vector<int> bad;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (const auto b = ParseHexByte(texts[i])) record[i] = *b;
        else bad.push_back(static_cast<int>(i));
    }
    return bad;
}

std::string BadBoxesMessage(int16_t headId, const std::vector<int>& bad, int16_t langIndex) {
    std::string text = GetLangText(headId);
    for (int i : bad) {
        text += "\n" + ByteToHex(static_cast<uint8_t>(i));
        const std::string label = TestByteLabel(i, langIndex);
        if (!label.empty()) text += ": " + label;
    }
    return text;
}
