// Stand-in for the maker's "RMHELP16.EXE" (outside the system): records its command line and
// ends; with RMHELP16_WAIT_FILE set it first waits until that file exists, so a test can hold
// the uninstaller in its waiting state.
#include "HelperRecord.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RecordLine(kUninstallHelperRecord, "Rmhelp16", "CommandLine", GetCommandLineA());
    char waitFile[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("RMHELP16_WAIT_FILE", waitFile, MAX_PATH);
    if (length != 0 && length < MAX_PATH) {
        for (int tries = 0; tries < 600 && GetFileAttributesA(waitFile) == INVALID_FILE_ATTRIBUTES;
             ++tries)
            Sleep(100);
    }
    return 0;
}
