// Registry access for both programs; every operation opens and closes its own key.
#include "common/Registry.h"
#include "common/logic/TextBuf.h"
#include <string.h>

static const char* OrEmpty(const char* text) {
    return text ? text : "";
}

CRegistry::CRegistry()
    : m_lastError(0), m_hRootKey(HKEY_CURRENT_USER), m_lazyWrite(true), m_strSubKey(), m_text() {}

CRegistry::~CRegistry() {
    Close();
}

void CRegistry::Close() {
    m_strSubKey[0] = '\0';
    m_hRootKey = HKEY_CURRENT_USER;
    m_lazyWrite = true;
}

bool CRegistry::SetRootKey(HKEY root) {
    if (root != HKEY_CLASSES_ROOT && root != HKEY_CURRENT_USER && root != HKEY_LOCAL_MACHINE &&
        root != HKEY_USERS)
        return false;
    m_hRootKey = root;
    return true;
}

bool CRegistry::SetKey(const char* path, bool create) {
    path = OrEmpty(path);
    if (!*path) {
        m_strSubKey[0] = '\0';
        return true;
    }
    if (strlen(path) >= kKeyPathSize)
        return false;
    HKEY key;
    if (create) {
        if (RegCreateKeyExA(m_hRootKey, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return false;
    } else {
        m_lastError = RegOpenKeyExA(m_hRootKey, path, 0, KEY_ALL_ACCESS, &key);
        if (m_lastError != ERROR_SUCCESS)
            return false;
    }
    CopyText(m_strSubKey, path);
    CloseKey(key, true);
    return true;
}

bool CRegistry::KeyExists(const char* path, HKEY root) {
    HKEY key;
    if (RegOpenKeyExA(root ? root : m_hRootKey, OrEmpty(path), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool CRegistry::DeleteKey(const char* path) {
    if (!path || !*path)
        return false;
    if (!KeyExists(path))
        return true;
    return RegDeleteKeyA(m_hRootKey, path) == ERROR_SUCCESS;
}

HKEY CRegistry::OpenCurrent(REGSAM access, bool record) {
    HKEY key;
    LONG status = RegOpenKeyExA(m_hRootKey, m_strSubKey, 0, access, &key);
    if (record)
        m_lastError = status;
    return status == ERROR_SUCCESS ? key : nullptr;
}

void CRegistry::CloseKey(HKEY key, bool written) {
    if (written && !m_lazyWrite)
        RegFlushKey(key);
    RegCloseKey(key);
}

bool CRegistry::DeleteValue(const char* name) {
    HKEY key = OpenCurrent(KEY_SET_VALUE, false);
    if (!key)
        return false;
    bool deleted = RegDeleteValueA(key, name) == ERROR_SUCCESS;
    RegCloseKey(key);
    return deleted;
}

DWORD CRegistry::GetValueType(const char* name) {
    HKEY key = OpenCurrent(KEY_QUERY_VALUE, true);
    if (!key)
        return 0;
    DWORD type = 0;
    m_lastError = RegQueryValueExA(key, name, nullptr, &type, nullptr, nullptr);
    RegCloseKey(key);
    return m_lastError == ERROR_SUCCESS ? type : 0;
}

const char* CRegistry::GetString(const char* name, const char* defaultText) {
    DWORD type = GetValueType(name);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return defaultText;
    HKEY key = OpenCurrent(KEY_READ, true);
    if (!key)
        return defaultText;
    DWORD size = kTextSize;
    m_lastError =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(m_text), &size);
    RegCloseKey(key);
    if (m_lastError != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return defaultText;
    // A value stored without its terminator is whole only when the terminator still fits.
    if (size == 0 || m_text[size - 1] != '\0') {
        if (size >= kTextSize)
            return defaultText;
        m_text[size] = '\0';
    }
    return m_text;
}

DWORD CRegistry::GetDword(const char* name, DWORD defaultValue) {
    HKEY key = OpenCurrent(KEY_READ, false);
    if (!key)
        return defaultValue;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG status =
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && size == sizeof value ? value : defaultValue;
}

#ifndef REGISTRY_NO_BYTES
DWORD CRegistry::GetBytes(const char* name, unsigned char* buffer) {
    GetValueType(name);
    HKEY key = OpenCurrent(KEY_READ, true);
    if (!key)
        return 0;
    unsigned char area[kTextSize];
    DWORD size = sizeof area;
    m_lastError = RegQueryValueExA(key, name, nullptr, nullptr, area, &size);
    RegCloseKey(key);
    if (m_lastError != ERROR_SUCCESS)
        return 0;
    memcpy(buffer, area, size);
    return size;
}
#endif

bool CRegistry::SetString(const char* name, const char* value) {
    if (!value || strlen(value) >= kTextSize)
        return false;
    HKEY key = OpenCurrent(KEY_WRITE, false);
    if (!key)
        return false;
    bool stored = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                 static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
    CloseKey(key, stored);
    return stored;
}

bool CRegistry::SetDword(const char* name, DWORD value) {
    HKEY key = OpenCurrent(KEY_WRITE, false);
    if (!key)
        return false;
    bool stored = RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value) == ERROR_SUCCESS;
    CloseKey(key, stored);
    return stored;
}
