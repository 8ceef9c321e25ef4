// The install log writer: the record of every item the installation made, for the uninstaller.
#pragma once
#include "common/logic/LogRecords.h"
#include <windows.h>

class CInstallLog {
  public:
    CInstallLog() = default;
    ~CInstallLog();
    CInstallLog(const CInstallLog&) = delete;
    CInstallLog& operator=(const CInstallLog&) = delete;

    // Creates the file at path for writing, emptying an existing one (an open log is closed
    // first). Answers false when it cannot be created: the log is then closed and appending does
    // nothing, so the installation goes on without a record.
    bool Open(const char* path);
    // Appends one record: the type byte, the text's bytes, one zero byte. Does nothing while the
    // log is closed; a failing write is not reported.
    void Append(LogRecordType type, const char* text);
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    // Closes the file when it is open; otherwise does nothing.
    void Close();

  private:
    void Write(const void* data, DWORD size);

    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// The one install log of the library: opened by the install worker, closed when the progress
// window object is destroyed, and at the latest when the library is unloaded.
extern CInstallLog InstallLog;
