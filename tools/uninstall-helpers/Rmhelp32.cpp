// Stand-in for the maker's "RMHELP32.DLL" (outside the system): its function "Rmhelp32" records
// what it receives and writes the restart flag when a test asks through RMHELP_RESTARTFLAG.
#include "HelperRecord.h"
#include <stdint.h>
#include <stdio.h>

extern "C" LONG WINAPI Rmhelp32(void* dialog, const char* manufacturer, LONG* restartFlag) {
    char number[32];
    snprintf(number, sizeof number, "%s", dialog ? "given" : "null");
    RecordLine(kUninstallHelperRecord, "Rmhelp32", "Dialog", number);
    RecordLine(kUninstallHelperRecord, "Rmhelp32", "Manufacturer",
               manufacturer ? manufacturer : "(null)");
    snprintf(number, sizeof number, "%ld", restartFlag ? static_cast<long>(*restartFlag) : -1L);
    RecordLine(kUninstallHelperRecord, "Rmhelp32", "FlagValue", number);
    long value = 0;
    if (restartFlag && InstructionNumber("RMHELP_RESTARTFLAG", value))
        *restartFlag = static_cast<LONG>(value);
    return 0;
}
