// Removes a test's registry key tree before and after the test.
#include "support/RegKeyGuard.h"

bool DeleteKeyTree(HKEY root, const std::string& path) {
    if (path.empty())
        return false;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return true;
    char name[256];
    DWORD length = sizeof name;
    while (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
        if (!DeleteKeyTree(key, name))
            break;
        length = sizeof name;
    }
    RegCloseKey(key);
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

CRegKeyGuard::CRegKeyGuard(HKEY root, const std::string& path) : m_root(root), m_path(path) {
    DeleteKeyTree(m_root, m_path);
}

CRegKeyGuard::~CRegKeyGuard() {
    DeleteKeyTree(m_root, m_path);
}
