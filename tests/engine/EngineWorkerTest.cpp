// The install worker called directly on a prepared medium: what lands in the target and driver
// folders, the install log record by record, the helper information files, and the failures that
// must not stop an installation.
#include "EngineFixture.h"
#include "common/logic/LogRecords.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include <algorithm>

namespace {

class EngineWorker : public EngineTest {
  protected:
    void RunWorker() {
        EXPECT_EQ(0u, InstallWorker(nullptr));
        EXPECT_EQ(0, workerRunning);
        InstallLog.Close();
    }
};

} // namespace

TEST_F(EngineWorker, CopiesThePayloadAndLogsEveryItemInOrder) {
    RunWorker();
    for (int i = PAYLOAD_FIRST_PROGRAM; i < PAYLOAD_FIRST_VARIANT; ++i)
        EXPECT_EQ(std::string("medium ") + PayloadFiles[i],
                  ReadFileText(TargetFile(PayloadFiles[i])));
    for (int i = PAYLOAD_FIRST_VARIANT; i < PAYLOAD_FIRST_HELPER; ++i)
        EXPECT_EQ(std::string("medium 4D\\") + PayloadFiles[i],
                  ReadFileText(TargetFile(PayloadFiles[i])));
    for (int i = PAYLOAD_FIRST_HELPER; i < PAYLOAD_FIRST_LANGUAGE; ++i)
        EXPECT_EQ(std::string("medium ") + PayloadFiles[i],
                  ReadFileText(TargetFile(PayloadFiles[i])));
    EXPECT_EQ("medium deu\\rollRes.dll", ReadFileText(TargetFile("rollRes.dll")));
    EXPECT_EQ("medium deu\\langsel.dll", ReadFileText(TargetFile("langsel.dll")));
    EXPECT_EQ("medium is-00001\\uninst.deu", ReadFileText(TargetFile("uninst.un2")));
    EXPECT_EQ("medium purgekit.exe", ReadFileText(TargetFile("purgekit.exe")));
    EXPECT_EQ("start QXRHMSYS.SYS", ReadFileText(m_driverFile));
    EXPECT_EQ(WorkerRecords(), Log());
}

TEST_F(EngineWorker, UninstallHelperFilesAreCopiedButNeverLogged) {
    RunWorker();
    for (const LoggedItem& item : Log()) {
        EXPECT_EQ(std::string::npos, item.text.find("rmhelp")) << item;
        EXPECT_EQ(std::string::npos, item.text.find("purgekit.exe")) << item;
    }
    EXPECT_TRUE(FileExists(TargetFile("rmhelp32.dll")));
    EXPECT_TRUE(FileExists(TargetFile("rmhelp16.exe")));
}

TEST_F(EngineWorker, WritesTheHelperInformationFilesWithEmptyEntriesWritten) {
    RunWorker();
    std::vector<std::string> mouInfo = ReadLines(TargetFile("MouInfo.ini"));
    std::vector<std::string> expected = {"[Manufacture]",
                                         "Manufacture=Engine Test Devices",
                                         "[Applications]",
                                         "Main=glider9k.exe",
                                         "IniFile=tuning.ini",
                                         "DllFile=",
                                         "[Strings]",
                                         "Driver_Remove_Title=Driver_Remove_Title",
                                         "Driver_Remove_Text=Driver_Remove_Text",
                                         "Driver_Removing_Text=Driver_Removing_Text"};
    mouInfo.erase(std::remove(mouInfo.begin(), mouInfo.end(), std::string()), mouInfo.end());
    EXPECT_EQ(expected, mouInfo);
    char value[64];
    GetPrivateProfileStringA("Main", "VER", "", value, sizeof value,
                             TargetFile("TUNING.INI").c_str());
    EXPECT_STREQ("9.8.7.6", value);
    GetPrivateProfileStringA("Main", "Language", "", value, sizeof value,
                             TargetFile("TUNING.INI").c_str());
    EXPECT_STREQ("deu", value);
}

TEST_F(EngineWorker, MouInfoHasAllSevenEntriesWithoutASetupIni) {
    DeleteFileA(MediumFile("setupm.ini").c_str());
    RunWorker();
    struct Entry {
        const char* section;
        const char* key;
        const char* value;
    } entries[] = {
        {"Manufacture", "Manufacture", ""},
        {"Applications", "Main", ""},
        {"Applications", "IniFile", ""},
        {"Applications", "DllFile", ""},
        {"Strings", "Driver_Remove_Title", "Driver_Remove_Title"},
        {"Strings", "Driver_Remove_Text", "Driver_Remove_Text"},
        {"Strings", "Driver_Removing_Text", "Driver_Removing_Text"},
    };
    for (const Entry& entry : entries) {
        char value[64];
        GetPrivateProfileStringA(entry.section, entry.key, "(missing)", value, sizeof value,
                                 TargetFile("MouInfo.ini").c_str());
        EXPECT_STREQ(entry.value, value) << entry.section << " " << entry.key;
    }
}

TEST_F(EngineWorker, MissingFilesAreSkippedAndNotLogged) {
    for (const char* name : {"device.bmp", "4D\\mtable.dat", "deu\\langsel.dll", "rmhelp16.exe",
                             "is-00001\\uninst.deu", "purgekit.exe"})
        ASSERT_TRUE(DeleteFileA(MediumFile(name).c_str())) << name;
    RunWorker();
    std::vector<LoggedItem> expected = WorkerRecords();
    for (const char* gone :
         {"device.bmp", "mtable.dat", "langsel.dll", "uninst.un2", "purgekit.log"})
        expected.erase(
            std::find(expected.begin(), expected.end(), LoggedItem{LOG_FILE, TargetFile(gone)}));
    EXPECT_EQ(expected, Log());
    for (const char* name :
         {"device.bmp", "mtable.dat", "langsel.dll", "rmhelp16.exe", "uninst.un2", "purgekit.exe"})
        EXPECT_FALSE(FileExists(TargetFile(name))) << name;
    EXPECT_TRUE(FileExists(TargetFile("tuning.dat")));
}

TEST_F(EngineWorker, ExistingTargetFilesAreOverwritten) {
    std::string targetRelative = "Target\\Level one\\Level two\\";
    for (const char* name : {"tuning.lrd", "res\\notify.ico", "purgekit.exe", "purgekit.log"})
        m_temp.Write(targetRelative + name, "old contents");
    RunWorker();
    EXPECT_EQ("medium tuning.lrd", ReadFileText(TargetFile("tuning.lrd")));
    EXPECT_EQ("medium 4D\\res\\notify.ico", ReadFileText(TargetFile("res\\notify.ico")));
    EXPECT_EQ("medium purgekit.exe", ReadFileText(TargetFile("purgekit.exe")));
    EXPECT_EQ(WorkerRecords(), Log());
}

TEST_F(EngineWorker, DriverFileComesOnlyFromTheStartUpFolder) {
    ASSERT_TRUE(DeleteFileA((m_start + "\\QXRHMSYS.SYS").c_str()));
    m_temp.Write("Medium\\QXRHMSYS.SYS", "medium QXRHMSYS.SYS");
    RunWorker();
    EXPECT_FALSE(FileExists(m_driverFile));
    std::vector<LoggedItem> expected = WorkerRecords();
    expected.erase(std::find(expected.begin(), expected.end(), LoggedItem{LOG_FILE, m_driverFile}));
    EXPECT_EQ(expected, Log());
}

TEST_F(EngineWorker, UninstallerComesFromTheWin98FolderOnlyOnWindows98) {
    struct Case {
        const char* windows;
        const char* source;
    } cases[] = {{"win95", "medium purgekit.exe"}, {"win98", "medium Win98\\purgekit.exe"},
                 {"winme", "medium purgekit.exe"}, {"nt40", "medium purgekit.exe"},
                 {"win2k", "medium purgekit.exe"}, {"winxp", "medium purgekit.exe"}};
    for (const Case& c : cases) {
        SetWindows(c.windows);
        RunWorker();
        EXPECT_EQ(c.source, ReadFileText(TargetFile("purgekit.exe"))) << c.windows;
        DeleteFileA(TargetFile("purgekit.exe").c_str());
    }
}

TEST_F(EngineWorker, StringsFileFollowsTheLanguageCode) {
    setupState.languageCode = "FIN";
    RunWorker();
    EXPECT_EQ("medium is-00001\\uninst.FIN", ReadFileText(TargetFile("uninst.un2")));
}

TEST_F(EngineWorker, InstallationGoesOnWhenTheLogCannotBeCreated) {
    ASSERT_TRUE(EnsureDirectory(TargetFile("purgekit.log").c_str(), false));
    RunWorker();
    EXPECT_FALSE(InstallLog.IsOpen());
    EXPECT_EQ("medium tuning.lrd", ReadFileText(TargetFile("tuning.lrd")));
    EXPECT_EQ("medium purgekit.exe", ReadFileText(TargetFile("purgekit.exe")));
    EXPECT_TRUE(FileExists(TargetFile("MouInfo.ini")));
    InstallLog.Append(LOG_FILE, "nothing to write into");
}

TEST_F(EngineWorker, SecondInstallationWritesTheLogAnew) {
    RunWorker();
    RunWorker();
    EXPECT_EQ(WorkerRecords(), Log());
}

TEST_F(EngineWorker, EveryCopyFailingStillLogsBothFolders) {
    CopyText(setupState.sourceFolder, m_temp.File("No medium").c_str());
    CopyText(setupState.startFolder, m_temp.File("No start").c_str());
    RunWorker();
    std::vector<LoggedItem> expected = {{LOG_FOLDER, TargetFile("RES")}, {LOG_FOLDER, m_target}};
    EXPECT_EQ(expected, Log());
}

TEST(EngineFolders, EnsureDirectoryMakesEveryLevel) {
    CTempFolder temp;
    std::string deep = temp.File("a b\\c\\d");
    EXPECT_TRUE(EnsureDirectory(deep.c_str(), false));
    EXPECT_TRUE(FolderExists(temp.File("a b\\c")));
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_TRUE(EnsureDirectory(deep.c_str(), false));
    EXPECT_TRUE(EnsureDirectory(temp.File("e\\f\\file.txt").c_str(), true));
    EXPECT_TRUE(FolderExists(temp.File("e\\f")));
    EXPECT_FALSE(FileExists(temp.File("e\\f\\file.txt")));
    EXPECT_FALSE(FolderExists(temp.File("e\\f\\file.txt")));
    temp.Write("plain", "a file in the way");
    EXPECT_FALSE(EnsureDirectory(temp.File("plain\\g").c_str(), false));
}

TEST(EngineFolders, LoadLibraryProcsStopsAtTheFirstMissingName) {
    FARPROC first = nullptr;
    FARPROC second = nullptr;
    FARPROC third = reinterpret_cast<FARPROC>(1);
    const ProcSlot found[] = {{"GetTickCount", &first}, {"GetVersion", &second}};
    HMODULE module = nullptr;
    EXPECT_TRUE(LoadLibraryProcs("kernel32.dll", module, found, 2));
    EXPECT_EQ(reinterpret_cast<FARPROC>(GetProcAddress(module, "GetTickCount")), first);
    EXPECT_NE(nullptr, second);
    FreeLibrary(module);

    first = second = nullptr;
    const ProcSlot missing[] = {
        {"GetTickCount", &first}, {"NoSuchEntryPoint", &second}, {"GetVersion", &third}};
    EXPECT_FALSE(LoadLibraryProcs("kernel32.dll", module, missing, 3));
    EXPECT_NE(nullptr, module);
    EXPECT_NE(nullptr, first);
    EXPECT_EQ(nullptr, second);
    EXPECT_EQ(reinterpret_cast<FARPROC>(1), third);
    FreeLibrary(module);

    EXPECT_FALSE(LoadLibraryProcs("no-such-library.dll", module, found, 2));
    EXPECT_EQ(nullptr, module);
}

TEST(EngineFolders, TargetBelowTheCurrentDrivesRootIsMadeWholly) {
    CTempFolder temp;
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(temp.Path().c_str()));
    std::string top = "\\engine-root-" + std::to_string(GetCurrentProcessId());
    std::string rooted = std::string(temp.Path(), 0, 2) + top;
    EXPECT_TRUE(EnsureDirectory((top + "\\D1").c_str(), false));
    EXPECT_TRUE(FolderExists(rooted + "\\D1"));
    SetCurrentDirectoryA(saved);
    DeleteFolderTree(rooted);
    EXPECT_FALSE(FolderExists(rooted));
}
