// Registry access for both programs: a root and a current key path; every operation opens the key
// it needs, does one thing and closes it again, so no handle is held between calls.
#pragma once
#include "common/logic/TextBuf.h"
#include <windows.h>

class CRegistry {
  public:
    // Root HKEY_CURRENT_USER, current key the root itself.
    CRegistry();
    // Performs Close.
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // Takes root when it is one of HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
    // HKEY_USERS; answers false for any other handle and keeps the old root.
    bool SetRootKey(HKEY root);
    // Makes path (below the root, no leading backslash) the current key. An empty path selects
    // the root without a registry call. With create, the key and its missing parents are made.
    // The key is opened with full access; without create the status goes to m_lastError. On
    // false (also for a path longer than kKeyPathSize - 1) the current key is unchanged.
    bool SetKey(const char* path, bool create);
    // Whether path below root (the instance's root when null) opens with full access; a key that
    // exists but denies full access counts as missing. The current key is unchanged.
    bool KeyExists(const char* path, HKEY root = nullptr);
    // Deletes the key path below the root (not its subkeys one by one); answers true when it did
    // not exist. An empty path names no key and answers false. The current key is unchanged.
    bool DeleteKey(const char* path);
    // Deletes a value of the current key; false when the key or the value is missing.
    bool DeleteValue(const char* name);
    // Type code of a value of the current key (REG_SZ, REG_DWORD, ...), 0 when it cannot be read.
    // Records the status in m_lastError.
    DWORD GetValueType(const char* name);
    // A text value (REG_SZ, or REG_EXPAND_SZ unexpanded) of the current key, of at most
    // kTextSize - 1 characters. Answers the instance's own text area, valid until the next call
    // on this instance, or defaultText itself for any other type, a longer text or a failure.
    // Records the status in m_lastError.
    const char* GetString(const char* name, const char* defaultText);
    // A value of exactly four bytes (any type) of the current key, or defaultValue.
    DWORD GetDword(const char* name, DWORD defaultValue);
#ifndef REGISTRY_NO_BYTES
    // Copies a value of any type and at most kTextSize bytes into buffer (at least kTextSize
    // bytes) and answers the number of bytes; 0 on failure (buffer then unspecified).
    // Records the status in m_lastError.
    DWORD GetBytes(const char* name, unsigned char* buffer);
#endif
    // Stores value as REG_SZ with its terminating zero in the existing current key; answers false
    // and writes nothing when value has more than kTextSize - 1 characters.
    bool SetString(const char* name, const char* value);
    // Stores value as REG_DWORD in the existing current key.
    bool SetDword(const char* name, DWORD value);
    // Root back to HKEY_CURRENT_USER, current key the root; m_lastError keeps its value.
    void Close();

    // Size of the text and byte areas of value reads (a text of up to 254 characters).
    static const DWORD kTextSize = 255;
    // Size of the current key's path buffer (a path of up to 259 characters).
    static const size_t kKeyPathSize = kPathSize;

    // Status of the last open or query recorded by SetKey (without create), GetValueType,
    // GetString and GetBytes; 0 means success.
    LONG m_lastError;

  private:
    // Opens the current key with the given access; answers null on failure.
    HKEY OpenCurrent(REGSAM access, bool record);
    // Closes a key; after a write it is flushed first unless writes are lazy.
    void CloseKey(HKEY key, bool written);

    HKEY m_hRootKey;
    // Writes are left to the system's own flushing; nothing asks for a flush at present.
    bool m_lazyWrite;
    char m_strSubKey[kKeyPathSize];
    char m_text[kTextSize];
};
