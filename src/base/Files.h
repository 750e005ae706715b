#pragma once
// Reading files with a bound on their size, and finding a file whatever the letter case of its
// name (course files and skins often come from file systems that ignore case).
#include <cstdint>
#include <string>
#include <vector>

#include "base/Result.h"

namespace tavra {

constexpr std::uint64_t kDefaultMaxFileBytes = 256ull * 1024 * 1024;

Result<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::uint64_t maxBytes = kDefaultMaxFileBytes);
Result<std::string> readFileText(const std::string& path, std::uint64_t maxBytes = kDefaultMaxFileBytes);
bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

// The path itself when it exists; otherwise the existing path whose components equal the given
// ones ignoring letter case (ASCII and Cyrillic), the first in directory order; otherwise empty.
std::string findPathIgnoringCase(const std::string& path);

}  // namespace tavra
