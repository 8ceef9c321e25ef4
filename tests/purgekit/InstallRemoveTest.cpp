// The whole life of the sample product under Wine: installed from the sample medium through the
// wizard as a user installs it, then removed by the installed purgekit.exe started as Windows
// starts it, with Finish and restart later; the machine's files and registry are compared before
// the installation and after the removal.
#include "MachineSnapshot.h"
#include "PurgekitFixture.h"
#include "purgekit/resource.h"
#include "tools/uidriver/UiDriver.h"
#include "wizard/WizardRun.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <string.h>

namespace {
const int kWizardRestartLater = 1015;
const int kWizardRestartNow = 1016;
const int kWizardFinish = 1010;
const char kUninstallKey[] =
    "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Example Mouse Suite";

// Ids of running processes whose program file name has the temporary copy's form "is-*.tmp".
std::vector<DWORD> CleanupCopyProcesses() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        std::string name = entry.szExeFile;
        if (name.size() > 7 && _strnicmp(name.c_str(), "is-", 3) == 0 &&
            _stricmp(name.c_str() + name.size() - 4, ".tmp") == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

std::set<std::string> TempCopies() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::set<std::string> copies;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((std::string(folder) + "is-*.tmp").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return copies;
    do
        copies.insert(std::string(folder) + entry.cFileName);
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return copies;
}

// Installs through the wizard, keeping every page as it comes, and finishes with restart later.
int InstallThroughTheWizard() {
    return RunWizard(SampleMedium(), [](CWizard& wizard) {
        for (int page = 0; page < 4; ++page)
            wizard.Next();
        wizard.Next();
        EXPECT_TRUE(uidriver::WaitUntil(
            [&] { return uidriver::IsVisible(wizard.FrameItem(kWizardRestartNow)); }, 60000));
        wizard.Settle();
        wizard.Click(kWizardRestartLater);
        wizard.Click(kWizardFinish);
    });
}

// Starts the uninstall entry's command as Windows does and answers the process (null on failure).
HANDLE StartUninstaller(DWORD& processId) {
    std::string command = ReadRegText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    processId = process.dwProcessId;
    return process.hProcess;
}

// Removes through the uninstaller's dialog: Next, restart later, Finish.
void RemoveThroughTheUninstaller(HANDLE process, DWORD processId) {
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.processId = processId;
    query.itemId = IDC_NEXT;
    HWND dialog = uidriver::WaitForWindow(query, 30000);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Example Mouse Suite", uidriver::Text(uidriver::FindItem(dialog, IDC_PRODUCT_NAME)));
    ASSERT_TRUE(uidriver::Click(uidriver::FindItem(dialog, IDC_NEXT)));
    HWND later = uidriver::FindItem(dialog, IDC_RESTART_LATER);
    ASSERT_TRUE(uidriver::WaitUntil(
        [&] {
            return uidriver::CheckState(uidriver::FindItem(dialog, IDC_RESTART_NOW)) == BST_CHECKED;
        },
        30000));
    ASSERT_TRUE(uidriver::Click(later));
    uidriver::WaitUntil([&] { return uidriver::CheckState(later) == BST_CHECKED; });
    ASSERT_TRUE(uidriver::Click(uidriver::FindItem(dialog, IDC_FINISH)));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 30000));
    ASSERT_TRUE(uidriver::WaitUntil([] { return CleanupCopyProcesses().empty(); }, 60000));
}

// Changed snapshot lines, without what Wine keeps of its own: the keys of each display session
// (video driver, cached system parameters) and the host menu entries that Wine's desktop
// integration makes for every shortcut saved in the Start menu and keeps after it is deleted.
std::string Changes(const std::vector<std::string>& lines) {
    const char* const notTheProduct[] = {
        "HKLM\\System\\CurrentControlSet\\Control\\Video\\",
        "HKCU\\Software\\Wine\\Temporary System Parameters",
        "HKCU\\Software\\Wine\\MenuFiles ",
    };
    std::string text;
    for (const std::string& line : lines) {
        bool skip = false;
        for (const char* prefix : notTheProduct)
            skip = skip || line.compare(2, strlen(prefix), prefix) == 0;
        if (!skip)
            text += line + "\n";
    }
    return text;
}
} // namespace

TEST(PurgekitInstallRemove, NothingOfTheProductRemainsButTheTemporaryCopy) {
    std::set<std::string> copiesBefore = TempCopies();
    CFileGuard systemIni(SystemIni());
    CMachineSnapshot before = CMachineSnapshot::Take();
    {
        CTempFolder records;
        CEnvironmentGuard seam("PURGEKIT_SEAM_LOG", records.File("seam.txt"));
        CEnvironmentGuard helpers("UNINSTALL_HELPER_RECORD", records.File("helpers.txt"));
        CNewKeyGuard version(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\purgekit.exe");
        WriteRegText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\purgekit.exe", "Version",
                     "winxp");

        EXPECT_EQ(12, InstallThroughTheWizard());
        ASSERT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

        DWORD processId = 0;
        HANDLE process = StartUninstaller(processId);
        ASSERT_NE(nullptr, process);
        RemoveThroughTheUninstaller(process, processId);
        CloseHandle(process);
        EXPECT_EQ("", ReadFileText(records.File("seam.txt")));
        EXPECT_NE(std::string::npos,
                  ReadFileText(records.File("helpers.txt")).find("Rmhelp32.Manufacturer="));
    }
    std::set<std::string> copies = TempCopies();
    size_t newCopies = 0;
    for (const std::string& copy : copies) {
        if (copiesBefore.count(copy))
            continue;
        ++newCopies;
        DeleteFileA(copy.c_str());
    }
    EXPECT_EQ(1u, newCopies) << "the temporary copy stays after Finish";

    CMachineSnapshot after = CMachineSnapshot::Take();
    std::string left = Changes(before.Added(after));
    std::string gone = Changes(before.Removed(after));
    printf("left over after the removal:\n%s", left.empty() ? "(nothing)\n" : left.c_str());
    printf("gone although there before:\n%s", gone.empty() ? "(nothing)\n" : gone.c_str());
    EXPECT_EQ("", left);
    EXPECT_EQ("", gone);
}
