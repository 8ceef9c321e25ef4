// Detection of the running Windows version and the NT product options.
#include "setup/core/OsVersion.h"
#include "setup/core/logic/ProductOptions.h"
#include <windows.h>
#include <stdlib.h>

static const char kProductOptions[] = "System\\CurrentControlSet\\Control\\ProductOptions";

static bool IsLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}

static HKEY OpenProductOptions() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductOptions, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

bool ReadProductType(int32_t& code) {
    HKEY key = OpenProductOptions();
    if (!key)
        return false;
    char text[100];
    DWORD size = sizeof text;
    DWORD type = 0;
    LONG status =
        RegQueryValueExA(key, "ProductType", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ || size == 0)
        return false;
    if (text[size - 1] != '\0') {
        if (size >= sizeof text)
            return false;
        text[size] = '\0';
    }
    return ProductTypeCode(text, code);
}

bool HasProductSuite(const char* name) {
    if (GetVersion() & 0x80000000)
        return false;
    HKEY key = OpenProductOptions();
    if (!key)
        return false;
    bool found = false;
    DWORD size = 0;
    if (RegQueryValueExA(key, "ProductSuite", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS &&
        size > 0) {
        char* list = static_cast<char*>(malloc(size));
        DWORD type = 0;
        if (list &&
            RegQueryValueExA(key, "ProductSuite", nullptr, &type, reinterpret_cast<BYTE*>(list),
                             &size) == ERROR_SUCCESS &&
            type == REG_MULTI_SZ)
            found = SuiteListContains(list, size, name, IsLeadByte);
        free(list);
    }
    RegCloseKey(key);
    return found;
}

// The extended query, looked up so that a system without it still answers the short one.
static void QueryVersion(OsAnswers& answers) {
    typedef BOOL(WINAPI * VersionQuery)(OSVERSIONINFOA*);
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    VersionQuery query = reinterpret_cast<VersionQuery>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetVersionExA")));
    answers.hasExtendedQuery = query != nullptr;
    answers.shortVersion = GetVersion();
    if (!query)
        return;
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    answers.extendedQueryOk = query(&version) != FALSE;
    answers.major = version.dwMajorVersion;
    answers.minor = version.dwMinorVersion;
    answers.build = version.dwBuildNumber;
    answers.platformId = version.dwPlatformId;
}

bool GetOsInfo(OsInfo& info) {
    if (!GetModuleHandleA("KERNEL32.DLL"))
        return false;
    OsAnswers answers = {};
    QueryVersion(answers);
    bool nt = answers.extendedQueryOk && answers.platformId == VER_PLATFORM_WIN32_NT;
    if (nt) {
        answers.terminalServer = HasProductSuite("Terminal Server");
        answers.enterprise = !answers.terminalServer && HasProductSuite("Enterprise");
    }
    if (nt || !answers.hasExtendedQuery)
        ReadProductType(answers.productType);
    return BuildOsInfo(answers, info);
}
