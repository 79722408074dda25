#pragma once
// Reading and writing single values of "key=value" settings files organised in
// [sections], with the rules the program's settings files were written for:
// section and key names match case-insensitively, the first match wins, values
// are trimmed, and a write replaces one value in place and keeps every other
// line as it was. Files are UTF-8 text.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A settings file read once for many look-ups; each gives what
// ReadProfileValue would give for the file as it was read.
class ProfileValues {
public:
    // Nothing when the file does not exist or cannot be read.
    static std::optional<ProfileValues> Read(const std::string& path);
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

private:
    // Sections and their keys by their names in the form they match in.
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> sections_;
};

// The value of `key` in `section` of the file at `path`, or nullopt when the
// file, the section or the key does not exist.
std::optional<std::string> ReadProfileValue(std::string_view section, std::string_view key,
                                            const std::string& path);

// Like ReadProfileValue, with `fallback` where nothing is found.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const std::string& path);

// Sets `key` in `section` to `value`, creating the file, the section or the key
// as needed; every other line keeps its bytes (its line ending, a byte order
// mark). Returns false, writing nothing, when an existing file cannot be
// read, and false when the file could not be written.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path);

}  // namespace platform
