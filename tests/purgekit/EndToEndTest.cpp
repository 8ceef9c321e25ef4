// purgekit.exe end to end under Wine on an installed product: started as Windows starts it, its
// dialog driven as a user would, its cleanup copy waited for, and the machine compared before the
// installation and after the removal.
#include "InstalledProduct.h"
#include "MachineSnapshot.h"
#include "PurgekitFixture.h"
#include "purgekit/resource.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <memory>
#include <string.h>

namespace {
const char kRoleMutex[] = "DIZUZUZARUZUZEROR";

std::string TempFolderPath() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

// The temporary copies ("is-XXXX.TMP") in the temporary folder.
std::set<std::string> TempCopies() {
    std::set<std::string> copies;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((TempFolderPath() + "is-*.tmp").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return copies;
    do
        copies.insert(TempFolderPath() + entry.cFileName);
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return copies;
}

// Ids of the running processes whose program file name (without folder) satisfies match.
std::vector<DWORD> ProcessesNamed(bool (*match)(const std::string& name)) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        std::string name = entry.szExeFile;
        size_t slash = name.find_last_of('\\');
        if (slash != std::string::npos)
            name = name.substr(slash + 1);
        if (match(name))
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

// The cleanup copies: "is-" ... ".tmp".
std::vector<DWORD> CleanupCopyProcesses() {
    return ProcessesNamed([](const std::string& name) {
        return name.size() > 7 && _strnicmp(name.c_str(), "is-", 3) == 0 &&
               _stricmp(name.c_str() + name.size() - 4, ".tmp") == 0;
    });
}

std::vector<DWORD> HelperProgramProcesses() {
    return ProcessesNamed(
        [](const std::string& name) { return _stricmp(name.c_str(), "rmhelp16.exe") == 0; });
}

bool WaitForCleanupCopies(DWORD timeoutMs) {
    return uidriver::WaitUntil([] { return CleanupCopyProcesses().empty(); }, timeoutMs);
}

// Wine's Version setting for the installed purgekit.exe, removed again at destruction.
class CWindowsVersion {
  public:
    explicit CWindowsVersion(const char* version) {
        if (version)
            WriteRegText(HKEY_CURRENT_USER, kKey, "Version", version);
    }
    ~CWindowsVersion() { DeleteKeyTree(HKEY_CURRENT_USER, kKey); }
    CWindowsVersion(const CWindowsVersion&) = delete;
    CWindowsVersion& operator=(const CWindowsVersion&) = delete;

  private:
    static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\purgekit.exe";
};

// One uninstallation run: the seam and helper records, the version, the started dialog process.
class CUninstallRun {
  public:
    explicit CUninstallRun(const CInstalledProduct& product, const char* version = "winxp")
        : m_version(version), m_seam("PURGEKIT_SEAM_LOG", m_records.File("seam.txt")),
          m_helpers("UNINSTALL_HELPER_RECORD", m_records.File("helpers.txt")),
          m_copiesBefore(TempCopies()) {
        std::string command = product.UninstallCommand();
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process)) {
            CloseHandle(process.hThread);
            m_process = process.hProcess;
            m_processId = process.dwProcessId;
        }
    }
    ~CUninstallRun() {
        if (m_process) {
            if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_process, 1);
            CloseHandle(m_process);
        }
        for (DWORD id : CleanupCopyProcesses()) {
            HANDLE copy = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            TerminateProcess(copy, 1);
            WaitForSingleObject(copy, 5000);
            CloseHandle(copy);
        }
        for (const std::string& copy : NewTempCopies())
            DeleteFileA(copy.c_str());
    }
    CUninstallRun(const CUninstallRun&) = delete;
    CUninstallRun& operator=(const CUninstallRun&) = delete;

    // The uninstaller's dialog once it is shown; null when none appears.
    HWND Dialog() {
        uidriver::WindowQuery query;
        query.className = "#32770";
        query.processId = m_processId;
        query.itemId = IDC_NEXT;
        return uidriver::WaitForWindow(query, 30000);
    }
    bool WaitForEnd(DWORD timeoutMs = 30000) {
        return m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0xFFFF;
        GetExitCodeProcess(m_process, &code);
        return code;
    }
    std::set<std::string> NewTempCopies() const {
        std::set<std::string> copies;
        for (const std::string& copy : TempCopies())
            if (!m_copiesBefore.count(copy))
                copies.insert(copy);
        return copies;
    }
    std::string SeamRecord() const { return ReadFileText(m_records.File("seam.txt")); }
    std::string HelperRecord() const { return ReadFileText(m_records.File("helpers.txt")); }

  private:
    CTempFolder m_records;
    CWindowsVersion m_version;
    CEnvironmentGuard m_seam;
    CEnvironmentGuard m_helpers;
    std::set<std::string> m_copiesBefore;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
};

HWND Item(HWND dialog, int id) {
    return uidriver::FindItem(dialog, id);
}

bool Visible(HWND dialog, int id) {
    return uidriver::IsVisible(Item(dialog, id));
}

// Next, then the finished state with the restart choice (its last step checks restart now).
bool RunToFinishedState(HWND dialog) {
    return uidriver::Click(Item(dialog, IDC_NEXT)) &&
           uidriver::WaitUntil(
               [&] { return uidriver::CheckState(Item(dialog, IDC_RESTART_NOW)) == BST_CHECKED; },
               30000);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kProductKey[] = "Software\\ZephyrPoint";

DWORD ReadRegDwordValue(const std::string& key, const char* name) {
    HKEY handle;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS) {
        RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(handle);
    }
    return value;
}

// The changed snapshot lines, one per line, without what Wine itself keeps per display session:
// the video driver keys and the cached system parameters.
std::string Changes(const std::vector<std::string>& lines) {
    const char* const wineOwn[] = {
        "HKLM\\System\\CurrentControlSet\\Control\\Video\\",
        "HKCU\\Software\\Wine\\Temporary System Parameters",
    };
    std::string text;
    for (const std::string& line : lines) {
        bool own = false;
        for (const char* prefix : wineOwn)
            own = own || line.compare(2, strlen(prefix), prefix) == 0;
        if (!own)
            text += line + "\n";
    }
    return text;
}
} // namespace

TEST(PurgekitEndToEnd, FinishWithRestartLaterRemovesTheWholeProduct) {
    CMachineSnapshot before = CMachineSnapshot::Take();
    {
        CInstalledProduct product;
        std::unique_ptr<CTestProcess> utility(new CTestProcess(
            product.File("glider9k.exe"), "\"" + product.File("glider9k.exe") + "\""));
        uidriver::WaitUntil([&] { return !WindowsOfProcess(utility->Id()).empty(); });
        CUninstallRun run(product, "winxp");
        HWND dialog = run.Dialog();
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ("Uninstall", uidriver::Text(dialog));
        EXPECT_EQ("Uninstall", uidriver::Text(Item(dialog, IDC_HEADING)));
        EXPECT_EQ(CInstalledProduct::kName, uidriver::Text(Item(dialog, IDC_PRODUCT_NAME)));
        EXPECT_EQ("&Next >", uidriver::Text(Item(dialog, IDC_NEXT)));
        EXPECT_EQ("Cancel", uidriver::Text(Item(dialog, IDC_CANCEL)));
        EXPECT_FALSE(Visible(dialog, IDC_FINISH));
        EXPECT_FALSE(Visible(dialog, IDC_FILES_LABEL));
        ASSERT_EQ(1u, run.NewTempCopies().size());
        EXPECT_EQ(1u, CleanupCopyProcesses().size());

        DWORD next = GetTickCount();
        ASSERT_TRUE(RunToFinishedState(dialog));
        printf("Next to the finished state (%u log records): %.2f s\n", 21u,
               (GetTickCount() - next) / 1000.0);
        EXPECT_TRUE(utility->WaitForEnd(5000));
        EXPECT_EQ("Uninstall Complete", uidriver::Text(Item(dialog, IDC_HEADING)));
        EXPECT_EQ(BST_CHECKED, uidriver::CheckState(Item(dialog, IDC_RESTART_NOW)));
        EXPECT_EQ(BST_UNCHECKED, uidriver::CheckState(Item(dialog, IDC_RESTART_LATER)));
        for (int id : {IDC_INSTRUCTION, IDC_PRODUCT_NAME, IDC_FILES_LABEL, IDC_REGISTRY_LABEL,
                       IDC_NEXT, IDC_CANCEL})
            EXPECT_FALSE(Visible(dialog, id)) << id;
        for (const char* helper : {"rmhelp32.dll", "rmhelp16.exe", "MouInfo.ini"})
            EXPECT_FALSE(Exists(product.File(helper))) << helper;
        EXPECT_EQ("Rmhelp32.Dialog=given\r\nRmhelp32.Manufacturer=Example Input Devices\r\n"
                  "Rmhelp32.FlagValue=0\r\n",
                  run.HelperRecord());
        EXPECT_TRUE(Exists(product.File("purgekit.exe")));

        ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_RESTART_LATER)));
        uidriver::WaitUntil(
            [&] { return uidriver::CheckState(Item(dialog, IDC_RESTART_LATER)) == BST_CHECKED; });
        ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_FINISH)));
        DWORD finish = GetTickCount();
        ASSERT_TRUE(run.WaitForEnd());
        EXPECT_EQ(0u, run.ExitCode());
        ASSERT_TRUE(WaitForCleanupCopies(60000));
        printf("Finish to the end of the final cleanup: %.2f s\n",
               (GetTickCount() - finish) / 1000.0);

        EXPECT_EQ("", run.SeamRecord());
        for (const std::string& item : product.Items())
            EXPECT_FALSE(Exists(item)) << item;
        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey));
        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, product.FamilyKey()));
        EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, product.UninstallKey()));
        EXPECT_FALSE(RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"));
        std::set<std::string> copies = run.NewTempCopies();
        ASSERT_EQ(1u, copies.size()) << "the temporary copy stays after Finish";
    }
    CMachineSnapshot after = CMachineSnapshot::Take();
    EXPECT_EQ("", Changes(before.Added(after)));
    EXPECT_EQ("", Changes(before.Removed(after)));
}

TEST(PurgekitEndToEnd, FinishWithRestartNowAsksForTheRestart) {
    // The program enables the privilege itself on 2000 and on 4.0 (NT 4, 95); Wine's token holds
    // it disabled, so on the other versions the restart is asked for without it.
    struct Case {
        const char* version;
        const char* record;
    } cases[] = {
        {"win2k", "restart shutdownPrivilege 1\r\n"},
        {"win95", "restart shutdownPrivilege 1\r\n"},
        {"winxp", "restart shutdownPrivilege 0\r\n"},
        {"win98", "restart shutdownPrivilege 0\r\n"},
    };
    for (const Case& c : cases) {
        CFileGuard systemIni(SystemIni());
        CInstalledProduct product;
        CUninstallRun run(product, c.version);
        HWND dialog = run.Dialog();
        ASSERT_NE(nullptr, dialog) << c.version;
        ASSERT_TRUE(RunToFinishedState(dialog)) << c.version;
        ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_RESTART_LATER)));
        ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_RESTART_NOW)));
        uidriver::WaitUntil(
            [&] { return uidriver::CheckState(Item(dialog, IDC_RESTART_NOW)) == BST_CHECKED; });
        ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_FINISH)));
        ASSERT_TRUE(run.WaitForEnd()) << c.version;
        ASSERT_TRUE(WaitForCleanupCopies(60000));

        EXPECT_EQ(c.record, run.SeamRecord()) << c.version;
        EXPECT_FALSE(Exists(product.Folder())) << c.version;
    }
}

TEST(PurgekitEndToEnd, CancelBeforeNextEndsTheCleanupCopyAndChangesNothing) {
    CInstalledProduct product;
    CUninstallRun run(product);
    HWND dialog = run.Dialog();
    ASSERT_NE(nullptr, dialog);
    ASSERT_EQ(1u, run.NewTempCopies().size());
    ASSERT_TRUE(uidriver::WaitUntil([] { return CleanupCopyProcesses().size() == 1; }));

    ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_CANCEL)));
    ASSERT_TRUE(run.WaitForEnd());

    EXPECT_TRUE(CleanupCopyProcesses().empty());
    EXPECT_TRUE(run.NewTempCopies().empty());
    for (const std::string& item : product.Items())
        EXPECT_TRUE(Exists(item)) << item;
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, product.UninstallKey()));
    EXPECT_TRUE(RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"));
}

TEST(PurgekitEndToEnd, CancelAfterNextKeepsTheRemovalButSkipsTheFinalCleanup) {
    CInstalledProduct product(2);
    CUninstallRun run(product);
    HWND dialog = run.Dialog();
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(RunToFinishedState(dialog));

    ASSERT_TRUE(uidriver::PressKey(dialog, VK_ESCAPE));
    ASSERT_TRUE(run.WaitForEnd());

    EXPECT_TRUE(CleanupCopyProcesses().empty());
    EXPECT_TRUE(run.NewTempCopies().empty());
    EXPECT_FALSE(Exists(product.File("glider9k.exe")));
    EXPECT_FALSE(Exists(product.DriverFile()));
    EXPECT_FALSE(Exists(product.ProgramFolder()));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, product.UninstallKey()));
    EXPECT_FALSE(RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"));
    EXPECT_TRUE(Exists(product.File("purgekit.exe")));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey));
    EXPECT_EQ(2u, ReadRegDwordValue(product.FamilyKey(), "INSTALLCOUNT"));
}

TEST(PurgekitEndToEnd, ASecondStartWhileTheDialogIsOpenEndsAtOnce) {
    CInstalledProduct product;
    CUninstallRun first(product);
    HWND dialog = first.Dialog();
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(uidriver::WaitUntil([] { return CleanupCopyProcesses().size() == 1; }));

    CUninstallRun second(product);
    ASSERT_TRUE(second.WaitForEnd());
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(second.NewTempCopies().size() <= 1) << "only the first run's copy";
    EXPECT_TRUE(uidriver::IsVisible(dialog));
    EXPECT_EQ(1u, CleanupCopyProcesses().size());
    for (const std::string& item : product.Items())
        EXPECT_TRUE(Exists(item)) << item;

    ASSERT_TRUE(uidriver::CloseBySystemMenu(dialog));
    ASSERT_TRUE(first.WaitForEnd());
    EXPECT_TRUE(CleanupCopyProcesses().empty());
}

TEST(PurgekitEndToEnd, ACleanupCopyWithoutALiveDialogWindowEndsWithoutCleaning) {
    CInstalledProduct product;
    HWND stale = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::string staleHandle = std::to_string(reinterpret_cast<uintptr_t>(stale));
    DestroyWindow(stale);
    CTempFolder temp;
    std::string copy = temp.File("is-4A2B.tmp");
    ASSERT_TRUE(CopyFileA(product.File("purgekit.exe").c_str(), copy.c_str(), FALSE));
    struct Case {
        const char* what;
        std::string arguments;
        bool holdMutex;
    } cases[] = {
        {"empty command line", "", true},
        {"stale window", " " + staleHandle, true},
        {"junk", "x12", true},
        {"mutex access denied", "", false},
    };
    for (const Case& c : cases) {
        HANDLE mutex = c.holdMutex ? CreateMutexA(nullptr, FALSE, kRoleMutex) : nullptr;
        CEnvironmentGuard denied("PURGEKIT_SEAM_MUTEX", c.holdMutex ? "" : "denied");
        CTestProcess cleanup(copy, c.arguments);
        ASSERT_TRUE(cleanup.Started()) << c.what;
        EXPECT_TRUE(cleanup.WaitForEnd(30000)) << c.what;
        if (mutex)
            CloseHandle(mutex);
        for (const std::string& item : product.Items())
            EXPECT_TRUE(Exists(item)) << c.what << ": " << item;
        EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey)) << c.what;
        EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, product.FamilyKey())) << c.what;
    }
}

TEST(PurgekitEndToEnd, AMissingLogStopsWithTheMessageAndNeverFinishes) {
    CInstalledProduct product;
    ASSERT_TRUE(DeleteFileA(product.File("purgekit.log").c_str()));
    CUninstallRun run(product);
    HWND dialog = run.Dialog();
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_NEXT)));
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.owner = dialog;
    HWND box = uidriver::WaitForWindow(query);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Uninstall", uidriver::Text(box));
    EXPECT_NE(std::string::npos, uidriver::Text(GetDlgItem(box, 0xFFFF)).find("purgekit.log"));
    uidriver::PressKey(box, VK_RETURN);
    ASSERT_TRUE(uidriver::WaitForGone(box));

    EXPECT_FALSE(uidriver::WaitUntil([&] { return Visible(dialog, IDC_FINISH); }, 1500));
    EXPECT_FALSE(Visible(dialog, IDC_NEXT));
    EXPECT_FALSE(Visible(dialog, IDC_CANCEL));
    EXPECT_TRUE(Exists(product.File("glider9k.exe")));
    EXPECT_TRUE(RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"));
    ASSERT_TRUE(uidriver::PressKey(dialog, VK_ESCAPE));
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_TRUE(run.NewTempCopies().empty());
}

TEST(PurgekitEndToEnd, WithoutItsStringsFileTheUninstallerEndsWithoutAWindow) {
    CInstalledProduct product;
    ASSERT_TRUE(DeleteFileA(product.File("uninst.un2").c_str()));
    CUninstallRun run(product);

    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(0u, run.ExitCode());
    EXPECT_TRUE(run.NewTempCopies().empty());
    for (const std::string& item : product.Items())
        EXPECT_TRUE(Exists(item) || item == product.File("uninst.un2")) << item;
}

TEST(PurgekitEndToEnd, EscapeWhileTheHelperProgramRunsCancelsAfterTheRemoval) {
    CInstalledProduct product;
    ASSERT_TRUE(DeleteFileA(product.File("rmhelp32.dll").c_str()));
    CTempFolder signal;
    CEnvironmentGuard wait("RMHELP16_WAIT_FILE", signal.File("go"));
    CUninstallRun run(product, "win2k");
    HWND dialog = run.Dialog();
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(uidriver::Click(Item(dialog, IDC_NEXT)));
    ASSERT_TRUE(uidriver::WaitUntil([&] {
        return !RegKeyExists(HKEY_LOCAL_MACHINE, product.UninstallKey()) &&
               uidriver::IsVisible(Item(dialog, IDC_REGISTRY_LABEL));
    }));
    EXPECT_TRUE(uidriver::WaitUntil([&] { return !run.HelperRecord().empty(); }));
    EXPECT_FALSE(Visible(dialog, IDC_FINISH)) << "the helper program still runs";
    EXPECT_TRUE(Exists(product.File("rmhelp16.exe")));

    ASSERT_TRUE(uidriver::PressKey(dialog, VK_ESCAPE));
    ASSERT_TRUE(run.WaitForEnd());
    signal.Write("go", "");
    EXPECT_TRUE(uidriver::WaitUntil([] { return HelperProgramProcesses().empty(); }));

    EXPECT_EQ("Rmhelp16.CommandLine=\"" + product.File("RMHELP16.EXE") +
                  "\" Example Input Devices\r\n",
              run.HelperRecord());
    EXPECT_TRUE(CleanupCopyProcesses().empty());
    EXPECT_FALSE(RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kProductKey));
}
