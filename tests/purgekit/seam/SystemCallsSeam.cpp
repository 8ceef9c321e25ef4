// Test build only: the uninstaller's restart, role mutex and driver update replaced by recorders,
// so tests can watch them without restarting Wine or touching its devices. PURGEKIT_SEAM_LOG
// names a file that receives one line per call; PURGEKIT_SEAM_MUTEX=denied makes the mutex
// creation fail with access denied and no handle.
#include "purgekit/SystemCalls.h"
#include <string.h>

namespace {
bool Environment(const char* name, char* value, DWORD size) {
    DWORD length = GetEnvironmentVariableA(name, value, size);
    return length != 0 && length < size;
}

void Record(const char* first, const char* second, const char* third) {
    char path[MAX_PATH];
    if (!Environment("PURGEKIT_SEAM_LOG", path, sizeof path))
        return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* parts[] = {first, " ", second, " ", third, "\r\n"};
    for (const char* part : parts) {
        DWORD written = 0;
        WriteFile(file, part, static_cast<DWORD>(strlen(part)), &written, nullptr);
    }
    CloseHandle(file);
}

// Whether this process's token has the shutdown privilege enabled right now.
bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    LUID id;
    bool enabled = false;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &id)) {
        PRIVILEGE_SET set = {1, PRIVILEGE_SET_ALL_NECESSARY, {{id, 0}}};
        BOOL held = FALSE;
        enabled = PrivilegeCheck(token, &set, &held) && held;
    }
    CloseHandle(token);
    return enabled;
}
} // namespace

HANDLE CreateRoleMutex(DWORD* lastError) {
    char mode[16];
    if (Environment("PURGEKIT_SEAM_MUTEX", mode, sizeof mode) && strcmp(mode, "denied") == 0) {
        *lastError = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kRoleMutexName);
    *lastError = GetLastError();
    return mutex;
}

bool RequestRestart() {
    Record("restart", "shutdownPrivilege", ShutdownPrivilegeEnabled() ? "1" : "0");
    return true;
}

bool ForceMouseDriver(const char* hardwareId, const char* infPath) {
    Record("driver", hardwareId, infPath);
    return true;
}
