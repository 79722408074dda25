#include "platform/ProfileString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
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

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// The form in which two names that SameName matches are equal.
std::string NameKey(std::string_view name) {
    name = Trim(name);
    std::string key(name.size(), '\0');
    std::transform(name.begin(), name.end(), key.begin(), Lower);
    return key;
}

// A "[name]" line gives the name; anything else gives nullopt.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(1, close - 1);
}

// A settings file as its bytes stand: each line's text and its own line
// ending, so a write can change one line and leave every other byte alone.
struct RawLine {
    std::string text;
    std::string end;  // "\n", "\r\n" or "" (the last line without one)
};
struct IniFile {
    bool bom = false;
    std::vector<RawLine> lines;
    std::string newline = "\n";  // for lines a write adds
};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

IniFile Parse(std::string_view text) {
    IniFile file;
    // A UTF-8 byte order mark would otherwise glue itself to the first name.
    if (text.substr(0, kBom.size()) == kBom) {
        file.bom = true;
        text.remove_prefix(kBom.size());
    }
    while (!text.empty()) {
        const auto nl = text.find('\n');
        RawLine line;
        line.text = std::string(text.substr(0, nl));
        if (nl == std::string_view::npos) {
            text = {};
        } else {
            line.end = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            }
            text.remove_prefix(nl + 1);
        }
        file.lines.push_back(std::move(line));
    }
    if (!file.lines.empty() && file.lines.front().end == "\r\n") file.newline = "\r\n";
    return file;
}

std::string Join(const IniFile& file) {
    std::string text = file.bom ? std::string(kBom) : std::string();
    for (const RawLine& l : file.lines) text += l.text + l.end;
    return text;
}

// The file's lines; a missing file has none. Nothing when it exists but
// cannot be read, so that no write ever replaces what it could not see.
std::optional<IniFile> Load(const std::string& path, bool missingIsEmpty) {
    FileBytes read = ReadFileUpTo(path, kSmallFileLimit);
    if (!read.ok()) {
        if (missingIsEmpty && read.problem->kind == FileProblem::Kind::Missing) return IniFile{};
        return std::nullopt;
    }
    return Parse(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
}

}  // namespace

std::optional<ProfileValues> ProfileValues::Read(const std::string& path) {
    const auto file = Load(path, false);
    if (!file) return std::nullopt;
    ProfileValues values;
    // The first section of a name holds its values; later ones are not read.
    std::map<std::string, std::string, std::less<>>* section = nullptr;
    for (const RawLine& raw : file->lines) {
        const std::string& line = raw.text;
        if (const auto name = SectionName(line)) {
            const auto [it, first] = values.sections_.try_emplace(NameKey(*name));
            section = first ? &it->second : nullptr;
            continue;
        }
        if (!section) continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        // The first line of a key holds its value.
        section->try_emplace(NameKey(std::string_view(line).substr(0, eq)),
                             Trim(std::string_view(line).substr(eq + 1)));
    }
    return values;
}

std::optional<std::string> ProfileValues::Find(std::string_view section, std::string_view key) const {
    const auto s = sections_.find(NameKey(section));
    if (s == sections_.end()) return std::nullopt;
    const auto k = s->second.find(NameKey(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

std::optional<std::string> ReadProfileValue(std::string_view section, std::string_view key,
                                            const std::string& path) {
    const auto values = ProfileValues::Read(path);
    return values ? values->Find(section, key) : std::nullopt;
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& path) {
    if (auto v = ReadProfileValue(section, key, path)) return *v;
    return std::string(fallback);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    auto loaded = Load(path, true);  // a missing file is created
    if (!loaded) return false;
    IniFile& file = *loaded;
    std::vector<RawLine>& lines = file.lines;
    const auto add = [&](std::size_t at, std::string text) {
        // The line before gets an ending when it had none (the file's last).
        if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = file.newline;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), RawLine{std::move(text), file.newline});
    };

    const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
    // The first section of the name takes the value, as the reader looks only there.
    std::optional<size_t> header;
    size_t sectionEnd = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].text);
        if (!name) continue;
        if (header) {
            sectionEnd = i;
            break;
        }
        if (SameName(*name, section)) header = i;
    }

    if (!header) {
        add(lines.size(), "[" + std::string(Trim(section)) + "]");
        add(lines.size(), entry);
    } else {
        size_t insertAt = *header + 1;
        bool replaced = false;
        for (size_t i = *header + 1; i < sectionEnd; ++i) {
            const auto eq = lines[i].text.find('=');
            if (eq != std::string::npos && SameName(std::string_view(lines[i].text).substr(0, eq), key)) {
                lines[i].text = entry;
                replaced = true;
                break;
            }
            if (!Trim(lines[i].text).empty()) insertAt = i + 1;
        }
        if (!replaced) add(insertAt, entry);
    }

    const std::string text = Join(file);
    return !ReplaceFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace platform
