// Privilege steps of the uninstaller's start-up and restart.
#include "purgekit/Privileges.h"
#include "purgekit/OsVersion.h"
#include "purgekit/RemovalState.h"

namespace {
HANDLE OpenOwnToken() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return nullptr;
    return token;
}

bool Adjusted(BOOL result) {
    return result && GetLastError() == ERROR_SUCCESS;
}
} // namespace

int EnableDebugPrivilege() {
    ClassifyWindows();
    OsClass osClass = removalState.osClass;
    if (osClass == V4_Other || osClass == V4_1 || osClass == V4_90)
        return 0;
    HANDLE token = OpenOwnToken();
    if (!token)
        return 1;
    bool enabled = SetTokenPrivilege(token, SE_DEBUG_NAME, true);
    CloseHandle(token);
    return enabled ? 0 : 1;
}

bool SetTokenPrivilege(HANDLE token, const char* privilege, bool enable) {
    LUID id;
    if (!LookupPrivilegeValueA(nullptr, privilege, &id))
        return false;
    TOKEN_PRIVILEGES query = {1, {{id, 0}}};
    TOKEN_PRIVILEGES previous = {};
    DWORD size = sizeof previous;
    if (!Adjusted(AdjustTokenPrivileges(token, FALSE, &query, sizeof query, &previous, &size)))
        return false;
    previous.PrivilegeCount = 1;
    previous.Privileges[0].Luid = id;
    if (enable)
        previous.Privileges[0].Attributes |= SE_PRIVILEGE_ENABLED;
    else
        previous.Privileges[0].Attributes &= ~static_cast<DWORD>(SE_PRIVILEGE_ENABLED);
    return Adjusted(AdjustTokenPrivileges(token, FALSE, &previous, size, nullptr, nullptr));
}

bool EnableShutdownPrivilege() {
    HANDLE token = OpenOwnToken();
    if (!token)
        return false;
    LUID id;
    bool enabled = false;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &id)) {
        TOKEN_PRIVILEGES privileges = {1, {{id, SE_PRIVILEGE_ENABLED}}};
        enabled = Adjusted(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
    }
    CloseHandle(token);
    return enabled;
}
