// Driver-setup helpers, the "RebootFlags" check and the helpers' information files.
#include "setup/engine/DriverHelpers.h"
#include "common/App.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/logic/HelperCommand.h"

namespace {

const DWORD kShortPathSize = 256;
const UINT kQuietErrorMode = 0x8007;

typedef int(WINAPI* HelperSetupProc)(HWND mainWindow, const char* folder, int32_t* restartFlag);

// The helper's folder argument: the short form of the start-up folder, or its long form when the
// short one cannot be had.
void HelperFolder(char (&folder)[kPathSize]) {
    DWORD length = GetShortPathNameA(setupState.startFolder, folder, kShortPathSize);
    if (length == 0 || length >= kShortPathSize)
        CopyText(folder, setupState.startFolder);
}

// A nonzero "RebootFlags" value raises the restart flag; the key "SOFTWARE\RebootFlags" goes.
void CheckRebootFlags() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey("SOFTWARE", false) && registry.GetDword("RebootFlags", 0) != 0)
        setupState.restartFlag = 1;
    registry.DeleteKey("SOFTWARE\\RebootFlags");
}

void RunSetup16() {
    char program[kPathSize];
    char folder[kPathSize];
    char commandLine[kCommandLineSize];
    bool whole = JoinPath(program, setupState.sourceFolder, "SETUP16.EXE");
    HelperFolder(folder);
    whole = BuildHelperCommandLine(commandLine, program, folder, setupState.isWinMe != 0) && whole;
    SetErrorMode(kQuietErrorMode);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (whole && CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CheckRebootFlags();
}

void RunSetup32() {
    char library[kPathSize];
    char folder[kPathSize];
    if (!JoinPath(library, setupState.sourceFolder, "SETUP32.DLL") ||
        !JoinPath(folder, setupState.sourceFolder, "winnt"))
        return;
    HelperSetupProc setup = nullptr;
    const ProcSlot procs[] = {{"Setup", reinterpret_cast<FARPROC*>(&setup)}};
    HMODULE module = nullptr;
    if (LoadLibraryProcs(library, module, procs, 1))
        setup(theApp.MainWindow(), folder, &setupState.restartFlag);
    if (module)
        FreeLibrary(module);
}

// Copies one setupm.ini entry into another INI file under the same or another section and key.
void CopyEntry(const char* setupIni, const char* section, const char* key, const char* targetIni,
               const char* targetSection, const char* targetKey) {
    char value[kPathSize];
    GetPrivateProfileStringA(section, key, "", value, kPathSize, setupIni);
    WritePrivateProfileStringA(targetSection, targetKey, value, targetIni);
}

} // namespace

void RunDriverHelper() {
    if (setupState.isWin95 || setupState.isWin98 || setupState.isWinMe)
        RunSetup16();
    else if (setupState.isNtOther)
        RunSetup32();
}

void WriteHelperInfoFiles() {
    static const char* const kCopied[][2] = {
        {"Manufacture", "Manufacture"},
        {"Applications", "Main"},
        {"Applications", "IniFile"},
        {"Applications", "DllFile"},
    };
    static const char* const kStrings[] = {"Driver_Remove_Title", "Driver_Remove_Text",
                                           "Driver_Removing_Text"};
    char setupIni[kPathSize];
    char mouInfo[kPathSize];
    char tuning[kPathSize];
    if (!JoinPath(setupIni, setupState.sourceFolder, "setupm.ini"))
        return;
    if (JoinPath(mouInfo, setupState.targetFolder, "MouInfo.ini")) {
        for (const auto& entry : kCopied)
            CopyEntry(setupIni, entry[0], entry[1], mouInfo, entry[0], entry[1]);
        for (const char* name : kStrings)
            WritePrivateProfileStringA("Strings", name, name, mouInfo);
    }
    if (JoinPath(tuning, setupState.targetFolder, "TUNING.INI"))
        CopyEntry(setupIni, "Product", "VER", tuning, "Main", "VER");
}
