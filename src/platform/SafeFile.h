#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same
// folder that is renamed into place, so an interrupted write never leaves a
// half-written file behind.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path);
bool WriteFileAtomically(const std::string& path, std::span<const std::byte> data);
bool FileExists(const std::string& path);

}  // namespace platform
