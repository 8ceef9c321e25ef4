// Stand-in for the maker's "SETUP32.DLL" (outside the system): its entry point "Setup" records
// the main window, the folder, the restart flag's address and value, and writes the flag when a
// test asks through SETUP_HELPER_RESTARTFLAG.
#include "HelperRecord.h"
#include <stdint.h>
#include <stdio.h>

extern "C" int WINAPI Setup(HWND mainWindow, const char* folder, int32_t* restartFlag) {
    char number[32];
    snprintf(number, sizeof number, "%llu",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(mainWindow)));
    RecordLine(kSetupHelperRecord, "Setup32", "Window", number);
    RecordLine(kSetupHelperRecord, "Setup32", "Folder", folder ? folder : "(null)");
    snprintf(number, sizeof number, "%llx",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(restartFlag)));
    RecordLine(kSetupHelperRecord, "Setup32", "FlagAddress", number);
    snprintf(number, sizeof number, "%ld", restartFlag ? static_cast<long>(*restartFlag) : 0L);
    RecordLine(kSetupHelperRecord, "Setup32", "FlagValue", number);
    long value = 0;
    if (restartFlag && InstructionNumber("SETUP_HELPER_RESTARTFLAG", value))
        *restartFlag = static_cast<int32_t>(value);
    return 0;
}
