// Start-up of both uninstaller roles, the cleanup copy's launch, and the restart after Finish.
#include "purgekit/RemovalApp.h"
#include "common/App.h"
#include "common/Registry.h"
#include "purgekit/FinalCleanup.h"
#include "purgekit/Privileges.h"
#include "purgekit/Processes.h"
#include "purgekit/RemovalDlg.h"
#include "purgekit/RemovalState.h"
#include "purgekit/RemovalStrings.h"
#include "purgekit/SystemCalls.h"
#include "purgekit/logic/CleanupArgument.h"
#include <stdlib.h>
#include <time.h>

namespace {
// The dialog window named by the cleanup copy's command line, or null.
HWND WindowFromCommandLine() {
    int32_t value = static_cast<int32_t>(ParseWindowArgument(GetCommandLineA()));
    return reinterpret_cast<HWND>(static_cast<intptr_t>(value));
}

void ReadInstallFolder() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey(kProductKey, false))
        CopyText(removalState.installFolder, registry.GetString("AppPath", ""));
}
} // namespace

int CRemovalApp::StartUp() {
    if (!LoadRemovalStrings()) {
        FreeRemovalStrings();
        return 0;
    }
    DWORD error = 0;
    HANDLE mutex = CreateRoleMutex(&error);
    bool cleanupRole = (mutex && error == ERROR_ALREADY_EXISTS) || error == ERROR_ACCESS_DENIED;
    if (cleanupRole)
        RunCleanupProcess();
    else
        RunDialogProcess();
    FreeRemovalStrings();
    return 0;
}

void CRemovalApp::NameTempCopy() {
    char folder[kPathSize];
    m_tempCopyPath[0] = '\0';
    DWORD length = GetTempPathA(kPathSize, folder);
    if (length == 0 || length >= kPathSize)
        return;
    srand(static_cast<unsigned>(time(nullptr)));
    UINT unique = static_cast<UINT>(rand() & 0x7FFF);
    if (!GetTempFileNameA(folder, "is-0000.tmp", unique, m_tempCopyPath))
        m_tempCopyPath[0] = '\0';
}

void CRemovalApp::CopyProgram() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey(kProductKey, false)) {
        CopyText(removalState.installFolder, registry.GetString("AppPath", ""));
        if (!removalState.installFolder[0] ||
            !JoinPath(removalState.pathScratch, removalState.installFolder, "purgekit.exe"))
            removalState.pathScratch[0] = '\0';
        CopyText(removalState.productName, registry.GetString("ProductName", ""));
    }
    if (removalState.pathScratch[0] && m_tempCopyPath[0])
        CopyFileA(removalState.pathScratch, m_tempCopyPath, FALSE);
}

void CRemovalApp::RunDialogProcess() {
    if (EnableDebugPrivilege() == 1)
        return;
    NameTempCopy();
    CopyProgram();
    INT_PTR result;
    {
        CRemovalDlg dialog(*this);
        result = dialog.DoModal();
    }
    theApp.SetMainWindow(nullptr);
    if (result == IDOK && removalState.restartNow) {
        Restart();
    } else if (result == IDCANCEL) {
        TerminateProcessById(removalState.cleanupProcessId, 0);
        if (m_tempCopyPath[0])
            DeleteFileA(m_tempCopyPath);
    }
}

void CRemovalApp::Restart() {
    OsClass osClass = removalState.osClass;
    if ((osClass == V5_0 || osClass == V4_0) && !EnableShutdownPrivilege())
        return;
    RequestRestart();
}

void CRemovalApp::RunCleanupProcess() {
    removalState.savedWorkingDir = static_cast<char*>(calloc(kPathSize, 1));
    ReadInstallFolder();
    DWORD processId = 0;
    if (HWND window = WindowFromCommandLine())
        GetWindowThreadProcessId(window, &processId);
    HANDLE dialogProcess = processId ? OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId) : nullptr;
    if (dialogProcess) {
        WaitForSingleObject(dialogProcess, INFINITE);
        CloseHandle(dialogProcess);
        FinalCleanup();
    }
    free(removalState.savedWorkingDir);
    removalState.savedWorkingDir = nullptr;
}

void CRemovalApp::LaunchCleanupCopy() {
    if (!m_tempCopyPath[0])
        return;
    char commandLine[kPathSize];
    FormatWindowArgument(commandLine, sizeof commandLine,
                         static_cast<uint32_t>(reinterpret_cast<uintptr_t>(theApp.MainWindow())));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(m_tempCopyPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    removalState.cleanupProcessId = process.dwProcessId;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
