#include "platform/FileDialogs.h"

#include <utility>
#include <vector>

namespace platform {
namespace {

FileDialogs* g_dialogs = nullptr;

std::vector<std::string> SplitBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto bar = text.find('|', start);
        parts.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return parts;
}

// "*.ted;*.dat" as Qt writes a pattern list: blank-separated.
std::string QtPatterns(const std::string& patterns) {
    std::string out;
    for (char c : patterns) out.push_back(c == ';' ? ' ' : c);
    return out;
}

}  // namespace

FileDialogs* SetFileDialogs(FileDialogs* dialogs) { return std::exchange(g_dialogs, dialogs); }

std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) {
    if (!g_dialogs) return std::nullopt;
    return g_dialogs->OpenFile(request);
}

std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) {
    if (!g_dialogs) return std::nullopt;
    return g_dialogs->SaveFile(request);
}

std::string QtFilterOf(const std::string& filter) {
    if (filter.empty()) return {};
    const auto parts = SplitBars(filter);
    std::string out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        std::string description = parts[i];
        const std::string patterns = i + 1 < parts.size() ? QtPatterns(parts[i + 1]) : std::string("*");
        // Qt takes the patterns from the last parentheses of the entry.
        if (description.find('(' + patterns + ')') == std::string::npos) description += " (" + patterns + ")";
        if (!out.empty()) out += ";;";
        out += description;
    }
    return out;
}

}  // namespace platform
