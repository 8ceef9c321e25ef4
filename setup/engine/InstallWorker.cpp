// The install worker thread, its payload table and the shared folder and library helpers.
#include "setup/engine/InstallWorker.h"
#include "setup/core/SetupState.h"
#include "setup/engine/DriverHelpers.h"
#include "setup/engine/FilterDriver.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/UninstallRegistration.h"
#include "setup/engine/logic/FolderPath.h"
#include <process.h>
#include <string.h>

volatile LONG workerRunning = 0;

const char* const PayloadFiles[PAYLOAD_COUNT] = {
    "tuning.lrd",  "glider9k.exe", "device.bmp",      "tuning.dat",   "glihook9.dll",
    "brand.bmp",   "mtable.dat",   "res\\notify.ico", "rmhelp32.dll", "rmhelp16.exe",
    "rollRes.dll", "langsel.dll",  "tuning.ini",      "purgekit.exe", "purgekit.log",
};

namespace {

const unsigned kWorkerStackSize = 65536;
const char kDriverFile[] = "QXRHMSYS.SYS";
const char kResFolder[] = "RES";
const char kVariantFolder[] = "4D";

struct CopyRule {
    bool makeFolder; // make the target's folders first
    bool record;     // append a file record when the copy was made
};

// Copies the payload files first..last from sourceFolder into the target folder, overwriting.
// A file whose paths do not fit, or that is missing or cannot be copied, is skipped.
void CopyPayload(const char* sourceFolder, int first, int last, CopyRule rule) {
    for (int i = first; i <= last; ++i) {
        char source[kPathSize];
        char target[kPathSize];
        if (!JoinPath(source, sourceFolder, PayloadFiles[i]) ||
            !JoinPath(target, setupState.targetFolder, PayloadFiles[i]))
            continue;
        if (rule.makeFolder)
            EnsureDirectory(target, true);
        if (CopyFileA(source, target, FALSE) && rule.record)
            InstallLog.Append(LOG_FILE, target);
    }
}

// The filter-driver file comes from the start-up folder (not the medium folder) and goes into the
// system drivers folder; without the Windows folder it is not copied.
void CopyFilterDriverFile() {
    char windows[kPathSize];
    UINT length = GetWindowsDirectoryA(windows, kPathSize);
    if (length == 0 || length >= kPathSize)
        return;
    char source[kPathSize];
    char drivers[kPathSize];
    char target[kPathSize];
    if (!JoinPath(source, setupState.startFolder, kDriverFile) ||
        !JoinPath3(drivers, windows, "system32", "Drivers") ||
        !JoinPath(target, drivers, kDriverFile))
        return;
    if (CopyFileA(source, target, FALSE))
        InstallLog.Append(LOG_FILE, target);
}

void OpenInstallLog() {
    char path[kPathSize];
    if (JoinPath(path, setupState.targetFolder, PayloadFiles[PAYLOAD_LOG]))
        InstallLog.Open(path);
}

void CopyFiles(const char* resFolder) {
    const CopyRule recorded = {true, true};
    const CopyRule plain = {false, true};
    const CopyRule unrecorded = {false, false};
    CopyPayload(setupState.sourceFolder, PAYLOAD_FIRST_PROGRAM, PAYLOAD_FIRST_VARIANT - 1,
                recorded);
    CopyFilterDriverFile();
    CopyPayload(setupState.sourceFolder, PAYLOAD_FIRST_HELPER, PAYLOAD_FIRST_LANGUAGE - 1,
                unrecorded);
    EnsureDirectory(resFolder, false);
    char variant[kPathSize];
    if (JoinPath(variant, setupState.sourceFolder, kVariantFolder))
        CopyPayload(variant, PAYLOAD_FIRST_VARIANT, PAYLOAD_FIRST_HELPER - 1, plain);
    char language[kPathSize];
    const char* code = setupState.languageCode ? setupState.languageCode : "";
    if (JoinPath(language, setupState.sourceFolder, code))
        CopyPayload(language, PAYLOAD_FIRST_LANGUAGE, PAYLOAD_UNINSTALLER - 1, plain);
}

} // namespace

void StartInstallWorker(void* window) {
    workerRunning = 1;
    uintptr_t thread = _beginthreadex(nullptr, kWorkerStackSize, InstallWorker, window, 0, nullptr);
    if (thread)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    else
        InstallWorker(window);
}

unsigned __stdcall InstallWorker(void*) {
    workerRunning = 1;
    RemoveFilterDriverEntries();
    RunDriverHelper();
    EnsureDirectory(setupState.targetFolder, false);
    OpenInstallLog();
    char resFolder[kPathSize];
    JoinPath(resFolder, setupState.targetFolder, kResFolder);
    CopyFiles(resFolder);
    InstallLog.Append(LOG_FOLDER, resFolder);
    PlaceUninstaller();
    InstallLog.Append(LOG_FOLDER, setupState.targetFolder);
    WriteHelperInfoFiles();
    workerRunning = 0;
    return 0;
}

bool EnsureDirectory(const char* path, bool isFile) {
    char folder[kPathSize];
    for (size_t cut = FirstFolderCut(path); cut != kNoCut && cut < kPathSize;
         cut = NextFolderCut(path, cut)) {
        memcpy(folder, path, cut);
        folder[cut] = '\0';
        CreateDirectoryA(folder, nullptr);
    }
    if (!isFile) {
        CreateDirectoryA(path, nullptr);
        CopyText(folder, path);
    } else {
        size_t parent = ParentLength(path);
        if (parent == kNoCut)
            return true;
        CopyText(folder, path);
        if (parent < kPathSize)
            folder[parent] = '\0';
    }
    DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool LoadLibraryProcs(const char* path, HMODULE& module, const ProcSlot* procs, int count) {
    module = LoadLibraryA(path);
    if (!module)
        return false;
    for (int i = 0; i < count; ++i) {
        FARPROC proc = GetProcAddress(module, procs[i].name);
        if (!proc)
            return false;
        *procs[i].slot = proc;
    }
    return true;
}
