// A whole file read into memory, for the strings file and the install log.
#pragma once
#include <windows.h>
#include <stddef.h>

class CFileData {
  public:
    CFileData() = default;
    ~CFileData();
    CFileData(const CFileData&) = delete;
    CFileData& operator=(const CFileData&) = delete;

    // Reads the file whole. Answers false when it cannot be opened or read (LastError() tells
    // why); the data held before is released either way.
    bool Read(const char* path);
    const char* Data() const { return m_data; }
    size_t Size() const { return m_size; }
    // The platform's error code of the failed open or read, 0 after a successful one.
    DWORD LastError() const { return m_lastError; }

  private:
    void Release();

    char* m_data = nullptr;
    size_t m_size = 0;
    DWORD m_lastError = 0;
};
