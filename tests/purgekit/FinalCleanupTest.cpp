// The cleanup copy's final cleanup against Wine's registry and files: the family count and the
// folder levels it frees, a read-only file that keeps its folders, and the folders it never
// empties whatever the registry says.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "purgekit/FinalCleanup.h"
#include "purgekit/RemovalState.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

namespace {
const char kFamily[] = "Purgekit Test Family";
const char kFamilyKey[] = "SOFTWARE\\KOVRASETUP\\Purgekit Test Family";
const char kVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// An installed product of the family "Purgekit Test Family" beside another product of it, with
// Program Files and the Programs folder pointed at folders of the test's own.
class CInstalledFamily {
  public:
    CInstalledFamily()
        : m_familyRoot(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP"),
          m_programFilesValue(HKEY_LOCAL_MACHINE, kVersionKey, "ProgramFilesDir"),
          m_programsValue(HKEY_CURRENT_USER, kShellFolders, "Programs"),
          m_productKey(HKEY_LOCAL_MACHINE, kProductKey),
          m_familyKey(HKEY_LOCAL_MACHINE, kFamilyKey) {
        WriteRegText(HKEY_LOCAL_MACHINE, kVersionKey, "ProgramFilesDir", m_programFiles.Path());
        WriteRegText(HKEY_CURRENT_USER, kShellFolders, "Programs", m_programs.Path());
        for (const CTempFolder* base : {&m_programFiles, &m_programs}) {
            base->Write(std::string(kFamily) + "\\Cleanup Product\\sub\\file.txt", "p");
            base->Write(std::string(kFamily) + "\\Other Product\\file.txt", "o");
        }
        m_install.Write("glider9k.exe", "g");
        m_install.Write("RES\\deep\\notify.ico", "i");
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "InstallName", kFamily);
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "SubInstallName", "Cleanup Product");
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", m_install.Path());
        CopyText(removalState.installFolder, m_install.Path().c_str());
        removalState.savedWorkingDir = static_cast<char*>(calloc(MAX_PATH, 1));
    }
    CInstalledFamily(const CInstalledFamily&) = delete;
    CInstalledFamily& operator=(const CInstalledFamily&) = delete;

    std::string Product(const CTempFolder& base) const {
        return base.File(std::string(kFamily) + "\\Cleanup Product");
    }
    std::string Family(const CTempFolder& base) const { return base.File(kFamily); }

    CRemovalStateGuard m_state;
    CNewKeyGuard m_familyRoot;
    CRegValueGuard m_programFilesValue;
    CRegValueGuard m_programsValue;
    CRegKeyGuard m_productKey;
    CRegKeyGuard m_familyKey;
    CTempFolder m_programFiles;
    CTempFolder m_programs;
    CTempFolder m_install;
};

DWORD FamilyCount() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFamilyKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0xDEAD;
    DWORD count = 0xBEEF;
    DWORD size = sizeof count;
    RegQueryValueExA(key, "INSTALLCOUNT", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size);
    RegCloseKey(key);
    return count;
}
} // namespace

TEST(PurgekitFinalCleanup, FamilyCountDecidesWhichFolderLevelsGo) {
    const DWORD kNoKey = 0xDEAD;
    const DWORD kNoValue = 0xBEEF;
    struct Case {
        DWORD count; // kNoKey: no family key; kNoValue: a key without INSTALLCOUNT
        DWORD countAfter;
        bool familyFoldersGo;
    } cases[] = {
        {3, 2, false},          {2, 1, false},      {1, kNoKey, true},
        {kNoKey, kNoKey, true}, {0, kNoKey, false}, {kNoValue, kNoKey, false},
    };
    for (const Case& c : cases) {
        CInstalledFamily family;
        if (c.count == kNoValue)
            WriteRegText(HKEY_LOCAL_MACHINE, kFamilyKey, "Other", "x");
        else if (c.count != kNoKey)
            WriteRegDword(HKEY_LOCAL_MACHINE, kFamilyKey, "INSTALLCOUNT", c.count);
        CWorkingDirGuard workingDir;
        SetCurrentDirectoryA(family.m_install.Path().c_str());

        FinalCleanup();

        EXPECT_EQ(c.countAfter, FamilyCount()) << c.count;
        for (const CTempFolder* base : {&family.m_programFiles, &family.m_programs}) {
            EXPECT_FALSE(FolderExists(family.Product(*base))) << c.count;
            EXPECT_EQ(!c.familyFoldersGo, FolderExists(family.Family(*base))) << c.count;
            EXPECT_EQ(!c.familyFoldersGo,
                      FileExists(family.Family(*base) + "\\Other Product\\file.txt"))
                << c.count;
            EXPECT_TRUE(FolderExists(base->Path()));
        }
        EXPECT_FALSE(FolderExists(family.m_install.Path())) << c.count;
        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey)) << c.count;
        EXPECT_NE(0, _stricmp(WorkingDir().c_str(), family.m_install.Path().c_str()));
    }
}

TEST(PurgekitFinalCleanup, TheKeyOfAllFamiliesGoesWithTheLastFamily) {
    if (RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP"))
        GTEST_SKIP() << "the prefix holds families of its own";
    for (bool otherFamily : {false, true}) {
        CInstalledFamily family;
        CRegKeyGuard other(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP\\Other Family");
        if (otherFamily)
            WriteRegDword(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP\\Other Family", "INSTALLCOUNT",
                          1);
        WriteRegDword(HKEY_LOCAL_MACHINE, kFamilyKey, "INSTALLCOUNT", 1);

        FinalCleanup();

        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kFamilyKey));
        EXPECT_EQ(otherFamily, RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP"));
    }
}

TEST(PurgekitFinalCleanup, AReadOnlyFileSurvivesWithItsFolders) {
    CInstalledFamily family;
    WriteRegDword(HKEY_LOCAL_MACHINE, kFamilyKey, "INSTALLCOUNT", 1);
    std::string locked = family.m_install.Write("RES\\deep\\locked.dat", "r");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);

    FinalCleanup();

    EXPECT_TRUE(FileExists(locked));
    EXPECT_FALSE(FileExists(family.m_install.File("glider9k.exe")));
    EXPECT_FALSE(FileExists(family.m_install.File("RES\\deep\\notify.ico")));
    EXPECT_TRUE(FolderExists(family.m_install.File("RES\\deep")));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(PurgekitFinalCleanup, EmptyNamesNeverEmptyProgramFilesOrPrograms) {
    struct Case {
        const char* installName;
        const char* subInstallName;
    } cases[] = {{"", ""}, {"", "Cleanup Product"}, {kFamily, ""}, {"..", ".."}, {" . ", "x"}};
    for (const Case& c : cases) {
        CInstalledFamily family;
        WriteRegDword(HKEY_LOCAL_MACHINE, kFamilyKey, "INSTALLCOUNT", 1);
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "InstallName", c.installName);
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "SubInstallName", c.subInstallName);
        std::string canaries[] = {family.m_programFiles.Write("canary.txt", "c"),
                                  family.m_programs.Write("canary.txt", "c")};

        FinalCleanup();

        for (const std::string& canary : canaries)
            EXPECT_TRUE(FileExists(canary)) << c.installName << "|" << c.subInstallName;
        EXPECT_FALSE(FolderExists(family.m_install.Path()));
    }
}

TEST(PurgekitFinalCleanup, TheInstallationFolderIsNeverASystemFolder) {
    char windows[MAX_PATH];
    char temp[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetTempPathA(MAX_PATH, temp);
    std::string drive = std::string(windows).substr(0, 3);
    CInstalledFamily family;
    std::string relative = family.m_install.Path().substr(strlen(temp));
    struct Case {
        std::string appPath;
        std::string canaryFolder;
    } cases[] = {
        {"", drive},
        {drive, drive},
        {windows, windows},
        {temp, temp},
        {family.m_programFiles.Path(), family.m_programFiles.Path()},
        {family.m_programs.Path() + "\\", family.m_programs.Path()},
        {family.m_programs.Path() + "\\..", temp},
        {relative, family.m_install.Path()},
    };
    for (const Case& c : cases) {
        CopyText(removalState.installFolder, c.appPath.c_str());
        WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", c.appPath);
        std::string canary = c.canaryFolder;
        if (canary.back() != '\\')
            canary += '\\';
        canary += "purgekit-canary.txt";
        HANDLE file = CreateFileA(canary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << canary;
        CloseHandle(file);

        FinalCleanup();

        EXPECT_TRUE(FileExists(canary)) << c.appPath;
        DeleteFileA(canary.c_str());
    }
    EXPECT_TRUE(FileExists(family.m_install.File("glider9k.exe")));
}
