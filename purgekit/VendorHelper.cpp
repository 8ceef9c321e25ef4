// Calling the maker's uninstall helper library, or its program.
#include "purgekit/VendorHelper.h"
#include "common/logic/QuotePath.h"
#include "common/logic/TextBuf.h"
#include "purgekit/RemovalState.h"

namespace {
typedef LONG(WINAPI* RmhelpProc)(LPVOID dialog, const char* manufacturer, LONG* restartFlag);

void MarkRestartNeeded() {
    HKEY software;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS, &software) !=
        ERROR_SUCCESS)
        return;
    const BYTE one = 1;
    RegSetValueExA(software, "RebootFlags", 0, REG_BINARY, &one, 1);
    RegCloseKey(software);
}

void CallLibrary(HMODULE library, LPVOID dialog, const char* manufacturer) {
    RmhelpProc rmhelp =
        reinterpret_cast<RmhelpProc>(reinterpret_cast<void*>(GetProcAddress(library, "Rmhelp32")));
    if (!rmhelp)
        return;
    LONG restartFlag = 0;
    rmhelp(dialog, manufacturer, &restartFlag);
    if (restartFlag != 0)
        MarkRestartNeeded();
}

void RunProgram(const char* manufacturer) {
    char program[kPathSize];
    if (!JoinPath(program, removalState.pathScratch, "RMHELP16.EXE"))
        return;
    QuotePath(program, true);
    char commandLine[2 * kPathSize + 2];
    bool whole = CopyText(commandLine, program);
    whole = AppendText(commandLine, " ") && whole;
    if (!(AppendText(commandLine, manufacturer) && whole))
        return;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void RunHelper(LPVOID dialog, const char* manufacturer) {
    char library[kPathSize];
    HMODULE module = nullptr;
    if (JoinPath(library, removalState.pathScratch, "RMHELP32.DLL"))
        module = LoadLibraryA(library);
    if (!module) {
        RunProgram(manufacturer);
        return;
    }
    CallLibrary(module, dialog, manufacturer);
    FreeLibrary(module);
}
} // namespace

DWORD WINAPI RunVendorHelper(LPVOID dialog) {
    InterlockedExchange(&removalState.helperRunning, 1);
    char ini[kPathSize];
    char manufacturer[kPathSize] = "";
    if (JoinPath(ini, removalState.installFolder, "MouInfo.ini")) {
        QuotePath(ini, false);
        GetPrivateProfileStringA("Manufacture", "Manufacture", "", manufacturer,
                                 sizeof manufacturer, ini);
    }
    bool knownFolder = removalState.pathScratch[0] != '\0';
    if (knownFolder && (removalState.osClass == V5_0 || removalState.osClass == V5_1))
        RunHelper(dialog, manufacturer);
    InterlockedExchange(&removalState.helperRunning, 0);
    return 0;
}
