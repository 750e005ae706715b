#pragma once
// The content store as the program opens it: every page and picture path, and the test answer
// keys, written here as data independent of the builder.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tavra::test {

// Every file the build must put beside the executable (paths with '/').
std::vector<std::string> expectedStoreFiles();

// Answer keys: kAnswerKeys[variant][question] is 0 to 4 for A to E.
inline constexpr std::array<std::array<int, 10>, 3> kAnswerKeys = {{
    {0, 3, 2, 0, 3, 2, 3, 3, 2, 3},  // A D C A D C D D C D
    {3, 3, 4, 2, 2, 1, 2, 3, 4, 2},  // D D E C C B C D E C
    {4, 2, 3, 3, 2, 0, 0, 0, 1, 0},  // E C D D C A A A B A
}};

inline std::filesystem::path storeDir() { return TAVRA_BIN_DIR; }
inline std::filesystem::path contentSourceDir() { return std::filesystem::path(TAVRA_SOURCE_DIR) / "content"; }

std::string readBytes(const std::filesystem::path& path);

}  // namespace tavra::test
