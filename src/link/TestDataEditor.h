#pragma once
// The rules of the test-data editor: its captions and byte labels in both
// languages, where each box stands, how a box's text becomes a byte, and the
// texts of its messages. The dialog (FrmTestData) holds only the widgets.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SharedState.h"

// Each box holds at most this many characters.
inline constexpr int kTestBoxLength = 2;

struct TestDataCaptions {
    std::string caption;
    std::string load;
    std::string save;
    std::string filter;  // for the file dialogs: "description|pattern"
};
// LangIndex 2 gives the Chinese captions, every other value the English ones.
TestDataCaptions TestDataCaptionsOf(int16_t langIndex);

// The label of byte `index` (1..31) in the language; "" for bytes without
// one (0 and 32..47) and for indexes outside the record.
std::string TestByteLabel(int index, int16_t langIndex);

// Where a visible box stands: column 0 (bytes 2..15, then 30) or 1 (bytes
// 16..29, then 31), row 0..14 from the top. Nothing for the boxes that are
// never shown (bytes 0, 1 and 32..47).
struct TestBoxPlace {
    int column = 0;
    int row = 0;
};
std::optional<TestBoxPlace> TestBoxPlaceOf(int index);

// One or two hexadecimal digits (either case) as a byte; nothing for an
// empty text or anything else.
std::optional<uint8_t> ParseHexByte(std::string_view text);

// Every box text parsed into `record`; a box that gives no byte leaves its
// byte as it was. Returns the indexes of those boxes, in rising order.
std::vector<int> ParseTestBoxes(const std::array<std::string, kTestDataSize>& texts, TestRecord& record);

// The message naming the boxes `bad`: language text `headId`, then one line
// per box ("05: VHF Middle Power").
std::string BadBoxesMessage(int16_t headId, const std::vector<int>& bad, int16_t langIndex);

// Language texts of the editor's messages.
inline constexpr int16_t kTedReadErrorText = 8020;
inline constexpr int16_t kTedWriteErrorText = 8021;
inline constexpr int16_t kTedTooShortText = 8022;
inline constexpr int16_t kBadBoxesKeptText = 8023;
inline constexpr int16_t kBadBoxesNotSavedText = 8024;
