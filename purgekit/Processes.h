// Ending another process by its id.
#pragma once
#include <windows.h>

// Terminates the process with exitCode and waits up to 1000 ms for it to end. Answers 0 when it
// was terminated, -1 when it could not be opened or terminated (id 0 names no process).
int TerminateProcessById(DWORD processId, UINT exitCode);
