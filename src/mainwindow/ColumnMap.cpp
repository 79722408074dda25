#include "mainwindow/ColumnMap.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "core/SharedState.h"
#include "platform/Prompts.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace {

// The same text in both languages.
constexpr std::string_view kMapFailed = "错误！打开“MainShowList.ini”文件失败！";

// Reads the file's integers one at a time, so that whatever follows the last
// announced pair is never looked at.
class IntReader {
public:
    explicit IntReader(std::string text) : text_(std::move(text)) {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    }

    // The next value; nothing at the end of the text or for a token that is
    // not a decimal integer of 16 bits.
    std::optional<int16_t> Next() {
        while (pos_ < text_.size() && IsSeparator(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        std::size_t end = pos_;
        while (end < text_.size() && !IsSeparator(text_[end])) ++end;
        const std::string_view token(text_.data() + pos_, end - pos_);
        pos_ = end;
        int16_t value = 0;
        const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec != std::errc() || ptr != token.data() + token.size()) return std::nullopt;
        return value;
    }

private:
    static bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    std::string text_;
    std::size_t pos_ = 0;
};

bool IsDisplayColumn(int16_t c) { return c >= 0 && c < kGridCols; }

// Fills the arrays; false on the first thing that does not fit.
bool ReadMap() {
    const auto bytes = platform::ReadWholeFile(platform::BesideProgram("language/MainShowList.ini"));
    if (!bytes) return false;
    IntReader in(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    const auto count = in.Next();
    if (!count) return false;
    MainShowCount = *count;
    if (MainShowCount > kMaxShowPairs) return false;
    for (int i = 0; i < MainShowCount; ++i) {
        const auto logical = in.Next();
        if (!logical) return false;
        MainShowData[static_cast<std::size_t>(i)] = *logical;
        const auto display = in.Next();
        if (!display) return false;
        MainShowCol[static_cast<std::size_t>(i)] = *display;
        // A column the grid does not have would put cells nowhere.
        if (!IsDisplayColumn(*display)) return false;
    }
    return true;
}

}  // namespace

void LoadMainShowList() {
    MainShowCount = 0;
    if (ReadMap()) return;
    MainShowCount = 0;
    platform::MsgBox(kMapFailed, platform::Buttons::Ok);
}

int16_t GetShowCol(int16_t logical) {
    for (int i = 0; i < MainShowCount && i < kMaxShowPairs; ++i)
        if (MainShowData[static_cast<std::size_t>(i)] == logical) return MainShowCol[static_cast<std::size_t>(i)];
    return logical;
}

int16_t GetShowCol(Col logical) { return GetShowCol(static_cast<int16_t>(logical)); }

int16_t GetDataCol(int16_t display) {
    for (int i = 0; i < MainShowCount && i < kMaxShowPairs; ++i)
        if (MainShowCol[static_cast<std::size_t>(i)] == display) return MainShowData[static_cast<std::size_t>(i)];
    return display;
}
