// The release build's restart, role mutex and driver update (the test build replaces this file).
#include "purgekit/SystemCalls.h"

const char kRoleMutexName[] = "DIZUZUZARUZUZEROR";

#ifndef PURGEKIT_TEST_SEAMS
// newdev.dll's export, declared here because the headers offer it only to newer API levels.
extern "C" BOOL WINAPI UpdateDriverForPlugAndPlayDevicesA(HWND parent, LPCSTR hardwareId,
                                                          LPCSTR infPath, DWORD flags,
                                                          PBOOL rebootRequired);

HANDLE CreateRoleMutex(DWORD* lastError) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kRoleMutexName);
    *lastError = GetLastError();
    return mutex;
}

bool RequestRestart() {
    return ExitWindowsEx(EWX_REBOOT, 0) != FALSE;
}

bool ForceMouseDriver(const char* hardwareId, const char* infPath) {
    const DWORD kInstallFlagForce = 1;
    BOOL rebootRequired = FALSE;
    return UpdateDriverForPlugAndPlayDevicesA(nullptr, hardwareId, infPath, kInstallFlagForce,
                                              &rebootRequired) != FALSE;
}
#endif
