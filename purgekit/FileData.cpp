// Reading a whole file into a heap block.
#include "purgekit/FileData.h"
#include <stdlib.h>

CFileData::~CFileData() {
    Release();
}

void CFileData::Release() {
    free(m_data);
    m_data = nullptr;
    m_size = 0;
}

bool CFileData::Read(const char* path) {
    Release();
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_lastError = GetLastError();
        return false;
    }
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    m_lastError = size == INVALID_FILE_SIZE ? GetLastError() : NO_ERROR;
    if (high != 0)
        m_lastError = ERROR_NOT_ENOUGH_MEMORY;
    DWORD read = 0;
    if (m_lastError == NO_ERROR) {
        m_data = static_cast<char*>(malloc(size ? size : 1));
        if (!m_data)
            m_lastError = ERROR_NOT_ENOUGH_MEMORY;
        else if (!ReadFile(file, m_data, size, &read, nullptr) || read != size)
            m_lastError = ERROR_READ_FAULT;
    }
    CloseHandle(file);
    if (m_lastError != NO_ERROR) {
        Release();
        return false;
    }
    m_size = size;
    return true;
}
