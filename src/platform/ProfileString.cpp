#include "platform/ProfileString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/SafeFile.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A "[name]" line gives the name; anything else gives nullopt.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(1, close - 1);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    // A UTF-8 byte order mark would otherwise glue itself to the first name.
    if (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0) lines.front().erase(0, 3);
    return true;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view section, std::string_view key,
                                            const std::string& path) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines)) return std::nullopt;
    bool inSection = false;
    for (const auto& line : lines) {
        if (const auto name = SectionName(line)) {
            // The first section of the name holds the value; later ones are not read.
            if (inSection) return std::nullopt;
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (SameName(std::string_view(line).substr(0, eq), key))
            return std::string(Trim(std::string_view(line).substr(eq + 1)));
    }
    return std::nullopt;
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& path) {
    if (auto v = ReadProfileValue(section, key, path)) return *v;
    return std::string(fallback);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    std::vector<std::string> lines;
    ReadLines(path, lines);  // a missing file is created

    const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
    // The first section of the name takes the value, as the reader looks only there.
    std::optional<size_t> header;
    size_t sectionEnd = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name) continue;
        if (header) {
            sectionEnd = i;
            break;
        }
        if (SameName(*name, section)) header = i;
    }

    if (!header) {
        lines.push_back("[" + std::string(Trim(section)) + "]");
        lines.push_back(entry);
    } else {
        size_t insertAt = *header + 1;
        bool replaced = false;
        for (size_t i = *header + 1; i < sectionEnd; ++i) {
            const auto eq = lines[i].find('=');
            if (eq != std::string::npos && SameName(std::string_view(lines[i]).substr(0, eq), key)) {
                lines[i] = entry;
                replaced = true;
                break;
            }
            if (!Trim(lines[i]).empty()) insertAt = i + 1;
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }

    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return WriteFileAtomically(path, std::as_bytes(std::span(text.data(), text.size())));
}

}  // namespace platform
