// The maker's uninstall helpers, through their stand-ins: the library with its three arguments on
// Windows 2000 and XP, "RebootFlags" as one binary byte when it asks for a restart, the program
// with its quoted path when the library is missing, and nothing on the other versions.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "purgekit/RemovalState.h"
#include "purgekit/VendorHelper.h"
#include <gtest/gtest.h>

namespace {
// An installation folder with a blank in its name holding the two helpers and "MouInfo.ini".
class CHelperFolder {
  public:
    CHelperFolder() : m_path(m_base.File("Mouse Suite")) {
        m_base.Write("Mouse Suite\\MouInfo.ini",
                     "[Manufacture]\r\nManufacture=Example Input Devices\r\n");
        CopyFileA(EnvPath("RMHELP32_DLL").c_str(), File("rmhelp32.dll").c_str(), FALSE);
        CopyFileA(EnvPath("RMHELP16_EXE").c_str(), File("rmhelp16.exe").c_str(), FALSE);
        CopyText(removalState.installFolder, m_path.c_str());
        CopyText(removalState.pathScratch, m_path.c_str());
    }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    std::string Record() const { return ReadFileText(m_base.File("record.txt")); }
    std::string RecordPath() const { return m_base.File("record.txt"); }

  private:
    CTempFolder m_base;
    std::string m_path;
};

std::string RebootFlags() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    BYTE data[16];
    DWORD size = sizeof data;
    DWORD type = 0;
    LONG status = RegQueryValueExA(key, "RebootFlags", nullptr, &type, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return "<missing>";
    std::string text = "type " + std::to_string(type) + ":";
    for (DWORD i = 0; i < size; ++i)
        text += " " + std::to_string(data[i]);
    return text;
}
} // namespace

TEST(PurgekitVendorHelper, TheLibraryOnWindows2000AndXp) {
    struct Case {
        OsClass osClass;
        const char* restartFlag;
        const char* rebootFlags;
    } cases[] = {{V5_0, nullptr, "<missing>"},
                 {V5_1, "0", "<missing>"},
                 {V5_1, "1", "type 3: 1"},
                 {V5_0, "7", "type 3: 1"}};
    for (const Case& c : cases) {
        CRemovalStateGuard state;
        CRegValueGuard rebootFlags(HKEY_LOCAL_MACHINE, "Software", "RebootFlags");
        CHelperFolder folder;
        CEnvironmentGuard record("UNINSTALL_HELPER_RECORD", folder.RecordPath());
        CEnvironmentGuard flag("RMHELP_RESTARTFLAG", c.restartFlag ? c.restartFlag : "");
        removalState.osClass = c.osClass;
        int dialog = 0;

        EXPECT_EQ(0u, RunVendorHelper(&dialog));

        EXPECT_EQ("Rmhelp32.Dialog=given\r\nRmhelp32.Manufacturer=Example Input Devices\r\n"
                  "Rmhelp32.FlagValue=0\r\n",
                  folder.Record());
        EXPECT_EQ(c.rebootFlags, RebootFlags()) << (c.restartFlag ? c.restartFlag : "unset");
        EXPECT_EQ(0, removalState.helperRunning);
    }
}

TEST(PurgekitVendorHelper, TheProgramWithItsQuotedPathWhenTheLibraryIsMissing) {
    CRemovalStateGuard state;
    CHelperFolder folder;
    CEnvironmentGuard record("UNINSTALL_HELPER_RECORD", folder.RecordPath());
    ASSERT_TRUE(DeleteFileA(folder.File("rmhelp32.dll").c_str()));
    removalState.osClass = V5_1;

    RunVendorHelper(nullptr);

    EXPECT_EQ("Rmhelp16.CommandLine=\"" + folder.File("RMHELP16.EXE") +
                  "\" Example Input Devices\r\n",
              folder.Record());
    EXPECT_EQ(0, removalState.helperRunning);
}

TEST(PurgekitVendorHelper, AMissingInfoFileGivesAnEmptyManufacturer) {
    CRemovalStateGuard state;
    CHelperFolder folder;
    CEnvironmentGuard record("UNINSTALL_HELPER_RECORD", folder.RecordPath());
    ASSERT_TRUE(DeleteFileA(folder.File("MouInfo.ini").c_str()));
    removalState.osClass = V5_0;
    int dialog = 0;

    RunVendorHelper(&dialog);

    EXPECT_EQ("Rmhelp32.Dialog=given\r\nRmhelp32.Manufacturer=\r\nRmhelp32.FlagValue=0\r\n",
              folder.Record());
}

TEST(PurgekitVendorHelper, NothingIsCalledOnOtherVersions) {
    for (OsClass osClass : {V4_0, V4_1, V4_90, V4_Other, Unclassified}) {
        CRemovalStateGuard state;
        CHelperFolder folder;
        CEnvironmentGuard record("UNINSTALL_HELPER_RECORD", folder.RecordPath());
        removalState.osClass = osClass;

        RunVendorHelper(nullptr);

        EXPECT_EQ("", folder.Record()) << osClass;
        EXPECT_EQ(0, removalState.helperRunning);
    }
}
