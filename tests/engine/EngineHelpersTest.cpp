// The maker's driver-setup helpers as the stand-ins received them, per Windows class: the 16-bit
// helper's command line, the 32-bit entry point's window, folder and restart flag, the
// "RebootFlags" check, and the runs that start nothing.
#include "EngineFixture.h"
#include "common/App.h"
#include "setup/engine/DriverHelpers.h"
#include <stdio.h>

namespace {

std::string ShortForm(const std::string& path) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? shortPath : "";
}

std::string Hex(const void* address) {
    char text[32];
    snprintf(text, sizeof text, "%llx",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(address)));
    return text;
}

class EngineHelpers : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        CopyHelper("SETUP16.EXE");
        CopyHelper("SETUP32.DLL");
    }
    // A medium and start-up folder whose paths hold blanks.
    void UseFoldersWithBlanks() {
        std::string medium = m_temp.File("My Medium");
        std::string start = m_temp.File("Start Folder");
        CreateDirectoryA(medium.c_str(), nullptr);
        CreateDirectoryA(start.c_str(), nullptr);
        for (const char* name : {"SETUP16.EXE", "SETUP32.DLL"})
            CopyFileA(MediumFile(name).c_str(), (medium + "\\" + name).c_str(), FALSE);
        m_medium = medium;
        m_start = start;
        CopyText(setupState.sourceFolder, medium.c_str());
        CopyText(setupState.startFolder, start.c_str());
    }
};

} // namespace

TEST_F(EngineHelpers, Setup16GetsTheShortStartUpFolderOn9x) {
    UseFoldersWithBlanks();
    std::string shortStart = ShortForm(m_start);
    ASSERT_FALSE(shortStart.empty());
    ASSERT_EQ(std::string::npos, shortStart.find(' '));
    struct Case {
        const char* windows;
        std::string argument;
    } cases[] = {{"win95", shortStart}, {"win98", shortStart}, {"winme", shortStart + "\\winme"}};
    for (const Case& c : cases) {
        DeleteFileA(m_record.c_str());
        SetWindows(c.windows);
        RunDriverHelper();
        std::vector<std::string> expected = {"Setup16.CommandLine=\"" + m_medium +
                                             "\\SETUP16.EXE\" " + c.argument};
        EXPECT_EQ(expected, HelperRecord()) << c.windows;
    }
}

TEST_F(EngineHelpers, ProgramPathWithoutABlankIsNotQuoted) {
    SetWindows("win98");
    RunDriverHelper();
    std::vector<std::string> expected = {"Setup16.CommandLine=" + m_medium + "\\SETUP16.EXE " +
                                         ShortForm(m_start)};
    EXPECT_EQ(expected, HelperRecord());
}

TEST_F(EngineHelpers, Setup16GetsTheLongFormWhenNoShortFormCanBeHad) {
    std::string missing = m_temp.File("No such start folder");
    CopyText(setupState.startFolder, missing.c_str());
    ASSERT_TRUE(ShortForm(missing).empty());
    SetWindows("winme");
    RunDriverHelper();
    std::vector<std::string> expected = {"Setup16.CommandLine=" + m_medium + "\\SETUP16.EXE " +
                                         missing + "\\winme"};
    EXPECT_EQ(expected, HelperRecord());
}

TEST_F(EngineHelpers, Setup32GetsTheMainWindowTheWinntFolderAndTheRestartFlag) {
    UseFoldersWithBlanks();
    HWND window = GetDesktopWindow();
    theApp.SetMainWindow(window);
    for (const char* windows : {"nt40", "vista"}) {
        DeleteFileA(m_record.c_str());
        SetWindows(windows);
        setupState.restartFlag = 1;
        RunDriverHelper();
        std::vector<std::string> expected = {
            "Setup32.Window=" + std::to_string(reinterpret_cast<uintptr_t>(window)),
            "Setup32.Folder=" + m_medium + "\\winnt",
            "Setup32.FlagAddress=" + Hex(&setupState.restartFlag), "Setup32.FlagValue=1"};
        EXPECT_EQ(expected, HelperRecord()) << windows;
    }
}

TEST_F(EngineHelpers, Setup32MayWriteTheRestartFlag) {
    SetWindows("nt40");
    SetEnvironmentVariableA("SETUP_HELPER_RESTARTFLAG", "0");
    RunDriverHelper();
    EXPECT_EQ(0, setupState.restartFlag);
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags"));
}

TEST_F(EngineHelpers, NothingRunsOnWindows2000AndXP) {
    for (const char* windows : {"win2k", "winxp"}) {
        SetWindows(windows);
        setupState.restartFlag = 0;
        RunDriverHelper();
        EXPECT_TRUE(HelperRecord().empty()) << windows;
        EXPECT_EQ(0, setupState.restartFlag);
    }
}

TEST_F(EngineHelpers, RebootFlagsRaiseTheRestartFlagAndTheirKeyGoes) {
    struct Case {
        const char* rebootFlags; // null: the helper sets nothing
        int restartFlag;
    } cases[] = {{nullptr, 0}, {"0", 0}, {"5", 1}};
    SetWindows("win98");
    for (const Case& c : cases) {
        DeleteRegValue(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags");
        SetEnvironmentVariableA("SETUP_HELPER_REBOOTFLAGS", c.rebootFlags);
        setupState.restartFlag = 0;
        RunDriverHelper();
        EXPECT_EQ(c.restartFlag, setupState.restartFlag) << (c.rebootFlags ? c.rebootFlags : "-");
        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags"));
        EXPECT_EQ(c.rebootFlags != nullptr,
                  RegValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags"));
    }
}

TEST_F(EngineHelpers, RebootFlagsAreCheckedEvenWhenSetup16IsMissing) {
    ASSERT_TRUE(DeleteFileA(MediumFile("SETUP16.EXE").c_str()));
    ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags", 1));
    ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags", "Pending", 1));
    SetWindows("win95");
    setupState.restartFlag = 0;
    RunDriverHelper();
    EXPECT_TRUE(HelperRecord().empty());
    EXPECT_EQ(1, setupState.restartFlag);
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags"));
    EXPECT_TRUE(RegValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags"));
}
