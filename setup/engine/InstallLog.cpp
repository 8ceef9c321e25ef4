// The install log writer.
#include "setup/engine/InstallLog.h"
#include <string.h>

CInstallLog InstallLog;

CInstallLog::~CInstallLog() {
    Close();
}

bool CInstallLog::Open(const char* path) {
    Close();
    m_file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void CInstallLog::Append(LogRecordType type, const char* text) {
    if (!IsOpen())
        return;
    const uint8_t typeByte = type;
    const uint8_t end = 0;
    Write(&typeByte, 1);
    Write(text, static_cast<DWORD>(strlen(text)));
    Write(&end, 1);
}

void CInstallLog::Close() {
    if (!IsOpen())
        return;
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

void CInstallLog::Write(const void* data, DWORD size) {
    DWORD written = 0;
    WriteFile(m_file, data, size, &written, nullptr);
}
