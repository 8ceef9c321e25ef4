// Folder creation cut points: every level below the root, in order, and the folder of a file.
#include "setup/engine/logic/FolderPath.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The folders that folder creation makes one by one before the whole path.
std::vector<std::string> Levels(const char* path) {
    std::vector<std::string> levels;
    for (size_t cut = FirstFolderCut(path); cut != kNoCut; cut = NextFolderCut(path, cut))
        levels.push_back(std::string(path, cut));
    return levels;
}

} // namespace

TEST(EngineFolderPath, CutsEveryLevelBelowTheRoot) {
    struct Case {
        const char* path;
        std::vector<std::string> levels;
    } cases[] = {
        {"C:\\Program Files\\Vendor\\Tool", {"C:\\Program Files", "C:\\Program Files\\Vendor"}},
        {"C:\\Tool", {}},
        {"C:\\", {}},
        {"\\\\server\\share\\dir", {"\\\\server", "\\\\server\\share"}},
        {"\\K1\\D1", {"\\K1"}},
        {"\\K1\\D1\\E1", {"\\K1", "\\K1\\D1"}},
        {"C:\\a\\\\b", {"C:\\a", "C:\\a\\"}},
        {"plain", {}},
        {"", {}},
        {"\\", {}},
        {"\\K1", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.levels, Levels(c.path)) << c.path;
}

TEST(EngineFolderPath, ParentOfAFileEndsAtItsLastBackslash) {
    EXPECT_EQ(11u, ParentLength("C:\\Target\\x\\notify.ico"));
    EXPECT_EQ(0u, ParentLength("\\x"));
    EXPECT_EQ(kNoCut, ParentLength("notify.ico"));
}
