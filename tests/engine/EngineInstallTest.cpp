// Whole installations of the sample medium through the wizard, driven as a user would, under each
// Windows version (a child process of this program under Wine's version setting): what the
// machine holds afterwards, file by file, record by record and key by key, and DOINSTALL's result.
#include "EngineFixture.h"
#include "common/App.h"
#include "common/logic/LogRecords.h"
#include "setup/engine/InstallWorker.h"
#include "tools/uidriver/UiDriver.h"
#include "wizard/WizardRun.h"
#include <objidl.h>
#include <shlobj.h>
#include <stdlib.h>

namespace {

const char kSampleProduct[] = "Example Mouse Suite";
const char kSampleFamily[] = "Example Input";
const char kSampleFolder[] = "Example Input\\Mouse Suite";
const int kFolderEdit = 1018;
const int kRestartLater = 1015;
const int kRestartNow = 1016;
const int kFinishButton = 1010;

// The child's Windows version, handed over by the parent.
std::string ChildVersion() {
    const char* version = getenv("ENGINE_WINDOWS");
    return version ? version : "";
}

bool IsNineX(const std::string& version) {
    return version == "win95" || version == "win98" || version == "winme";
}

std::string ShortForm(const std::string& path) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? shortPath : "";
}

std::string LinkTarget(const std::string& path) {
    std::string target;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide, STGM_READ))) {
        char text[MAX_PATH];
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = text;
    }
    if (file)
        file->Release();
    link->Release();
    return target;
}

class EngineInstall : public ::testing::Test {
  protected:
    EngineInstall() : m_guards(kSampleProduct, m_temp.File("Programs")) {}

    void SetUp() override {
        ASSERT_TRUE(CopyFolderTree(SampleMedium(), m_medium));
        m_temp.Write("Medium\\Win98\\purgekit.exe", "the Windows 98 uninstaller");
        SetEnvironmentVariableA("SETUP_HELPER_RECORD", m_record.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("SETUP_HELPER_RECORD", nullptr);
        SetEnvironmentVariableA("SETUP_HELPER_REBOOTFLAGS", nullptr);
    }

    // Runs DOINSTALL on the medium copy from the start-up folder start, typing the target folder
    // on the destination page and keeping the other pages as they come; on the finish page the
    // restart option is chosen and the finish button pressed. Answers DOINSTALL's result.
    int Install(bool restartNow, const std::string& start) {
        char saved[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, saved);
        SetCurrentDirectoryA(start.c_str());
        DWORD before = GetTickCount();
        int result = RunWizard(m_medium, [&](CWizard& wizard) {
            wizard.Next();
            wizard.Next();
            EXPECT_TRUE(uidriver::SetEditText(wizard.Item(kFolderEdit), m_target));
            wizard.Next();
            wizard.Next();
            m_background = wizard.Background();
            DWORD ready = GetTickCount();
            wizard.Next();
            EXPECT_TRUE(uidriver::WaitUntil(
                [&] { return uidriver::IsVisible(wizard.FrameItem(kRestartNow)); }, 60000));
            printf("ready page to finish page: %.2f s (timers: 4.52 s)\n",
                   (GetTickCount() - ready) / 1000.0);
            wizard.Settle();
            EXPECT_EQ(BST_CHECKED, uidriver::CheckState(wizard.FrameItem(kRestartNow)));
            std::string code = setupState.languageCode ? setupState.languageCode : "";
            EXPECT_EQ(CMediumTexts(m_medium, code).Msg("7"),
                      uidriver::Text(wizard.FrameItem(kFinishButton)));
            if (!restartNow)
                wizard.Click(kRestartLater);
            wizard.Click(kFinishButton);
        });
        printf("installation through the wizard: %.2f s\n", (GetTickCount() - before) / 1000.0);
        SetCurrentDirectoryA(saved);
        return result;
    }
    std::string TargetFile(const std::string& name) const { return m_target + "\\" + name; }
    std::string ProgramFolder() const { return m_temp.File("Programs") + "\\" + kSampleFolder; }

    // Everything a complete installation leaves, checked after it.
    void CheckInstallation(bool driverCopied) const;
    void CheckHelpers(const std::string& version, const std::string& start) const;

    CTempFolder m_temp;
    CInstallGuards m_guards;
    std::string m_medium = m_temp.File("Medium");
    std::string m_target = m_temp.File("Target\\Mouse Suite");
    std::string m_record = m_temp.File("helpers.txt");
    HWND m_background = nullptr;
};

void EngineInstall::CheckInstallation(bool driverCopied) const {
    std::string code = setupState.languageCode ? setupState.languageCode : "";
    std::vector<LoggedItem> expected;
    for (int i = PAYLOAD_FIRST_PROGRAM; i < PAYLOAD_FIRST_VARIANT; ++i)
        expected.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    if (driverCopied)
        expected.push_back({LOG_FILE, m_guards.DriverFile()});
    for (int i = PAYLOAD_FIRST_VARIANT; i < PAYLOAD_FIRST_HELPER; ++i)
        expected.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    for (int i = PAYLOAD_FIRST_LANGUAGE; i < PAYLOAD_UNINSTALLER; ++i)
        expected.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    expected.push_back({LOG_FOLDER, TargetFile("RES")});
    expected.push_back({LOG_FILE, TargetFile("uninst.un2")});
    expected.push_back({LOG_FILE, TargetFile("purgekit.log")});
    expected.push_back({LOG_FOLDER, m_target});
    expected.push_back({LOG_RUN_VALUE, "RERODUDEDARADU"});
    std::string productText = CMediumTexts(m_medium, code).Msg("12");
    for (const std::string& name : {productText, std::string("Mouse Tray Notifier"),
                                    std::string("Remove Example Mouse Suite")})
        expected.push_back({LOG_SHORTCUT, ProgramFolder() + "\\" + name + ".lnk"});
    expected.push_back({LOG_PROGRAM_FOLDER, ProgramFolder()});
    std::string uninstallKey = std::string(kUninstallRoot) + "\\" + kSampleProduct;
    expected.push_back({LOG_UNINSTALL_KEY, uninstallKey});
    EXPECT_EQ(expected, ReadInstallLog(TargetFile("purgekit.log")));

    for (const char* name : {"rmhelp32.dll", "rmhelp16.exe", "purgekit.exe", "MouInfo.ini"})
        EXPECT_TRUE(FileExists(TargetFile(name))) << name;
    EXPECT_EQ(ReadFileText(m_medium + "\\" + code + "\\rollRes.dll"),
              ReadFileText(TargetFile("rollRes.dll")));
    EXPECT_EQ(ReadFileText(m_medium + "\\is-00001\\uninst." + code),
              ReadFileText(TargetFile("uninst.un2")));
    EXPECT_EQ(ReadFileText(m_medium + "\\4D\\res\\notify.ico"),
              ReadFileText(TargetFile("res\\notify.ico")));
    EXPECT_EQ(driverCopied, FileExists(m_guards.DriverFile()));

    char value[MAX_PATH];
    GetPrivateProfileStringA("Applications", "DllFile", "", value, MAX_PATH,
                             TargetFile("MouInfo.ini").c_str());
    EXPECT_STREQ("glihook9.dll", value);
    GetPrivateProfileStringA("Main", "VER", "", value, MAX_PATH, TargetFile("TUNING.INI").c_str());
    EXPECT_STREQ("2.1.0.0", value);

    struct Text {
        std::string key;
        const char* name;
        std::string value;
    } texts[] = {
        {kRunKey, "RERODUDEDARADU", TargetFile("glider9k.exe")},
        {kProductKey, "InstallName", kSampleFamily},
        {kProductKey, "SubInstallName", "Mouse Suite"},
        {uninstallKey, "DisplayName", kSampleProduct},
        {uninstallKey, "UninstallString", TargetFile("purgekit.exe")},
        {kProductKey, "AppPath", m_target},
        {kProductKey, "ProductName", kSampleProduct},
        {kProductKey, "ProductKey", "glider9k.exe"},
    };
    for (const Text& text : texts) {
        std::string read;
        EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, text.key, text.name, read)) << text.name;
        EXPECT_EQ(text.value, read) << text.name;
    }
    CoInitialize(nullptr);
    EXPECT_EQ(TargetFile("glider9k.exe"),
              LinkTarget(ProgramFolder() + "\\" + productText + ".lnk"));
    EXPECT_EQ(TargetFile("purgekit.exe"),
              LinkTarget(ProgramFolder() + "\\Remove Example Mouse Suite.lnk"));
    CoUninitialize();
}

void EngineInstall::CheckHelpers(const std::string& version, const std::string& start) const {
    std::vector<std::string> expected;
    if (IsNineX(version))
        expected.push_back("Setup16.CommandLine=" + m_medium + "\\SETUP16.EXE " + ShortForm(start) +
                           (version == "winme" ? "\\winme" : ""));
    if (version == "nt40" || version == "vista") {
        char flag[32];
        snprintf(
            flag, sizeof flag, "%llx",
            static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&setupState.restartFlag)));
        expected = {"Setup32.Window=" + std::to_string(reinterpret_cast<uintptr_t>(m_background)),
                    "Setup32.Folder=" + m_medium + "\\winnt",
                    std::string("Setup32.FlagAddress=") + flag, "Setup32.FlagValue=1"};
    }
    EXPECT_EQ(expected, ReadLines(m_record)) << version;
    EXPECT_EQ(version == "win98" ? "the Windows 98 uninstaller"
                                 : ReadFileText(m_medium + "\\purgekit.exe"),
              ReadFileText(TargetFile("purgekit.exe")));
}

} // namespace

// Run by EngineInstallVersions in a child under the version named by ENGINE_WINDOWS.
TEST_F(EngineInstall, DISABLED_UnderTheChildsWindowsVersion) {
    std::string version = ChildVersion();
    ASSERT_FALSE(version.empty());
    if (IsNineX(version))
        SetEnvironmentVariableA("SETUP_HELPER_REBOOTFLAGS", "1");
    int result = Install(true, m_medium);
    EXPECT_EQ(IsNineX(version) ? 6 : 65542, result) << version;
    CheckInstallation(true);
    CheckHelpers(version, m_medium);
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags"));
    EXPECT_EQ(IsNineX(version), RegValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags"));
}

TEST(EngineInstallVersions, EachWindowsVersionInstallsWithItsHelper) {
    for (const char* version : {"win95", "win98", "winme", "nt40", "win2k", "winxp", "vista"}) {
        ChildOptions options;
        options.windowsVersion = version;
        options.environment = {{"ENGINE_WINDOWS", version}};
        options.timeoutSeconds = 240;
        ChildResult child =
            RunTestInChild("EngineInstall.DISABLED_UnderTheChildsWindowsVersion", options);
        EXPECT_TRUE(child.finished) << version;
        EXPECT_EQ(0u, child.exitCode) << version << "\n" << child.output;
        size_t timing = child.output.find("installation through the wizard:");
        if (timing != std::string::npos)
            printf(
                "%s: %s", version,
                child.output.substr(timing, child.output.find('\n', timing) - timing + 1).c_str());
    }
}

TEST_F(EngineInstall, RestartLaterGivesTwelveAndASecondInstallationCountsTwo) {
    EXPECT_EQ(12, Install(false, m_medium));
    CheckInstallation(true);
    std::string familyKey = std::string(kFamilyRoot) + "\\" + kSampleFamily;
    DWORD count = 0;
    EXPECT_TRUE(ReadRegDword(HKEY_LOCAL_MACHINE, familyKey, "INSTALLCOUNT", count));
    EXPECT_EQ(1u, count);
    EXPECT_EQ(12, Install(false, m_medium));
    EXPECT_TRUE(ReadRegDword(HKEY_LOCAL_MACHINE, familyKey, "INSTALLCOUNT", count));
    EXPECT_EQ(2u, count);
    CheckInstallation(true);
}

TEST_F(EngineInstall, FailuresOfSingleItemsDoNotStopTheInstallation) {
    ASSERT_TRUE(DeleteFileA((m_medium + "\\device.bmp").c_str()));
    m_temp.Write("Target\\Mouse Suite\\tuning.lrd", "left by an earlier installation");
    std::string emptyStart = m_temp.File("Empty start");
    CreateDirectoryA(emptyStart.c_str(), nullptr);
    EXPECT_EQ(12, Install(false, emptyStart));
    EXPECT_FALSE(FileExists(TargetFile("device.bmp")));
    EXPECT_EQ(ReadFileText(m_medium + "\\tuning.lrd"), ReadFileText(TargetFile("tuning.lrd")));
    EXPECT_FALSE(FileExists(m_guards.DriverFile()));
    std::vector<LoggedItem> log = ReadInstallLog(TargetFile("purgekit.log"));
    for (const LoggedItem& item : log) {
        EXPECT_EQ(std::string::npos, item.text.find("device.bmp")) << item;
        EXPECT_EQ(std::string::npos, item.text.find("QXRHMSYS")) << item;
    }
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(LOG_UNINSTALL_KEY, log.back().type);
}
