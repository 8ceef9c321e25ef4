// Terminating a process by id.
#include "purgekit/Processes.h"

int TerminateProcessById(DWORD processId, UINT exitCode) {
    if (processId == 0)
        return -1;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return -1;
    bool terminated = TerminateProcess(process, exitCode) != FALSE;
    WaitForSingleObject(process, 1000);
    CloseHandle(process);
    return terminated ? 0 : -1;
}
