#include "platform/SerialDevices.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include <QSerialPortInfo>

#include "platform/TextConvert.h"

namespace platform {
namespace {

struct Block {
    std::string_view prefix;
    int base;
};
// Longer prefixes first would matter only if one were a prefix of another
// followed by digits; none is.
constexpr std::array<Block, 5> kBlocks{{
    {"ttyUSB", 1}, {"ttyACM", 101}, {"ttyS", 201}, {"rfcomm", 301}, {"ttyAMA", 401},
}};
constexpr int kBlockSize = 99;
constexpr int kHashedFirst = 500;
constexpr int kHashedLast = 999;

// The decimal index after a block prefix: digits only, no leading zero.
std::optional<long> IndexAfter(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return std::nullopt;
    const auto digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
    long k = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        k = k * 10 + (c - '0');
    }
    return k;
}

SerialScanOptions& Options() {
    static SerialScanOptions options;
    return options;
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

SerialScanOptions SetSerialScanOptions(SerialScanOptions options) {
    return std::exchange(Options(), std::move(options));
}
const SerialScanOptions& CurrentSerialScanOptions() { return Options(); }

bool IsBlockName(std::string_view name) {
    return std::any_of(kBlocks.begin(), kBlocks.end(),
                       [&](const Block& b) { return IndexAfter(name, b.prefix).has_value(); });
}

std::optional<int> BlockPortNumber(std::string_view name) {
    for (const auto& b : kBlocks) {
        if (const auto k = IndexAfter(name, b.prefix)) {
            if (*k >= kBlockSize) return std::nullopt;
            return b.base + static_cast<int>(*k);
        }
    }
    return std::nullopt;
}

int HashedPortNumber(std::string_view name) {
    // FNV-1a: fixed, so a number stays the same from run to run.
    uint32_t h = 2166136261u;
    for (unsigned char c : name) {
        h ^= c;
        h *= 16777619u;
    }
    return kHashedFirst + static_cast<int>(h % (kHashedLast - kHashedFirst + 1));
}

std::vector<SerialDevice> NumberSerialDevices(const std::vector<std::string>& paths) {
    std::vector<std::string> unique = paths;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());

    std::vector<SerialDevice> out;
    std::set<int> taken;
    std::vector<std::pair<std::string, std::string>> others;  // name, path
    for (const auto& path : unique) {
        const auto name = FileName(path);
        if (name.empty()) continue;
        if (IsBlockName(name)) {
            const auto n = BlockPortNumber(name);
            if (!n || taken.count(*n)) continue;  // overflowing index; or the same name twice
            taken.insert(*n);
            out.push_back({*n, path});
        } else {
            others.emplace_back(name, path);
        }
    }
    std::sort(others.begin(), others.end());
    for (const auto& [name, path] : others) {
        int n = HashedPortNumber(name);
        int tries = 0;
        while (taken.count(n) && tries <= kHashedLast - kHashedFirst) {
            n = n == kHashedLast ? kHashedFirst : n + 1;
            ++tries;
        }
        if (taken.count(n)) continue;  // all 500 numbers in use
        taken.insert(n);
        out.push_back({n, path});
    }
    std::sort(out.begin(), out.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.number < b.number; });
    return out;
}

std::vector<SerialDevice> ListSerialDevices() {
    const auto& opt = Options();
    std::vector<std::string> paths;
    if (opt.useSystemPorts) {
        for (const auto& info : QSerialPortInfo::availablePorts())
            paths.push_back(Utf8(info.systemLocation()));
    }
    std::error_code ec;
    for (std::filesystem::directory_iterator it(opt.deviceFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto name = it->path().filename().string();
        if (!name.starts_with("ttyUSB") && !name.starts_with("ttyACM")) continue;
        std::error_code sec;
        // exists() follows a symlink: a link whose device is gone is no port.
        if (!std::filesystem::exists(it->path(), sec)) continue;
        paths.push_back(it->path().string());
    }
    return NumberSerialDevices(paths);
}

std::optional<std::string> SerialDevicePath(int number) {
    for (const auto& d : ListSerialDevices())
        if (d.number == number) return d.path;
    return std::nullopt;
}

}  // namespace platform
