// The platform calls that a test must never make for real: the role mutex (so a test can make it
// fail), the restart and the forced driver update. The test build links replacements that record
// the calls; the release build makes them.
#pragma once
#include <windows.h>

// The name of the mutex that marks a running dialog process.
extern const char kRoleMutexName[];

// Creates (or opens) the role mutex, not owned; lastError receives GetLastError() of the call.
// Answers the handle, null on failure; it stays open until the process ends.
HANDLE CreateRoleMutex(DWORD* lastError);
// Asks Windows to restart (EWX_REBOOT); answers at once.
bool RequestRestart();
// Installs the standard mouse driver of infPath for every present device with hardwareId.
bool ForceMouseDriver(const char* hardwareId, const char* infPath);
