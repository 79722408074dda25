#pragma once
// A fresh folder under the system's temporary folder, removed with its contents.
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Writes `content` to `name` (creating folders), returns the full path.
    std::string write(std::string_view name, std::string_view content) const;
    // The file's bytes, or "" when it does not exist.
    std::string read(std::string_view name) const;

private:
    std::string path_;
};
