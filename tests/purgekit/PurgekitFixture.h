// Shared pieces of the uninstaller's tests: install log bytes, registry values, files, guards
// that put them back, and programs started for a test.
#pragma once
#include "support/TestSupport.h"
#include <windows.h>
#include <stdint.h>
#include <string>
#include <utility>
#include <vector>

// Restores the working directory at destruction; declare it after the test's folders, so that
// none of them is the working directory when it is removed.
class CWorkingDirGuard {
  public:
    CWorkingDirGuard() { GetCurrentDirectoryA(MAX_PATH, m_folder); }
    ~CWorkingDirGuard() { SetCurrentDirectoryA(m_folder); }
    CWorkingDirGuard(const CWorkingDirGuard&) = delete;
    CWorkingDirGuard& operator=(const CWorkingDirGuard&) = delete;

  private:
    char m_folder[MAX_PATH];
};

// The working directory.
std::string WorkingDir();

// Sets an environment variable of this process for one test, restoring its absence afterwards.
class CEnvironmentGuard {
  public:
    CEnvironmentGuard(const char* name, const std::string& value);
    ~CEnvironmentGuard();
    CEnvironmentGuard(const CEnvironmentGuard&) = delete;
    CEnvironmentGuard& operator=(const CEnvironmentGuard&) = delete;

  private:
    std::string m_name;
};

// A program started for a test; terminated (if still running) at destruction.
class CTestProcess {
  public:
    // Starts program with commandLine (the whole line, program name included when wanted).
    CTestProcess(const std::string& program, const std::string& commandLine);
    ~CTestProcess();
    CTestProcess(const CTestProcess&) = delete;
    CTestProcess& operator=(const CTestProcess&) = delete;

    bool Started() const { return m_process != nullptr; }
    DWORD Id() const { return m_id; }
    bool Running() const;
    // Waits for the end; false at the timeout.
    bool WaitForEnd(DWORD timeoutMs);

  private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

// Keeps a registry value as it was: saved at construction, written back (or deleted again when it
// was missing) at destruction.
class CRegValueGuard {
  public:
    CRegValueGuard(HKEY root, const std::string& key, const char* name);
    ~CRegValueGuard();
    CRegValueGuard(const CRegValueGuard&) = delete;
    CRegValueGuard& operator=(const CRegValueGuard&) = delete;

  private:
    HKEY m_root;
    std::string m_key;
    std::string m_name;
    bool m_existed = false;
    DWORD m_type = 0;
    std::string m_data;
};

// Deletes a key tree at destruction when it did not exist at construction: for parent keys that
// creating a test's keys makes on the way.
class CNewKeyGuard {
  public:
    CNewKeyGuard(HKEY root, const std::string& path);
    ~CNewKeyGuard();
    CNewKeyGuard(const CNewKeyGuard&) = delete;
    CNewKeyGuard& operator=(const CNewKeyGuard&) = delete;

  private:
    HKEY m_root;
    std::string m_path;
    bool m_existed;
};

// A file as it was, written back (or deleted again when it was missing) at destruction.
class CFileGuard {
  public:
    explicit CFileGuard(const std::string& path);
    ~CFileGuard();
    CFileGuard(const CFileGuard&) = delete;
    CFileGuard& operator=(const CFileGuard&) = delete;

  private:
    std::string m_path;
    bool m_existed;
    std::string m_content;
};

// "system.ini" in the Windows folder.
std::string SystemIni();

typedef std::vector<std::pair<uint8_t, std::string>> LogRecords;
// The bytes of an install log: each record its type byte, its text and a zero byte.
std::string LogBytes(const LogRecords& records);

// Writes a text value (creating the key) under root; false on failure.
bool WriteRegText(HKEY root, const std::string& key, const char* name, const std::string& value);
bool WriteRegDword(HKEY root, const std::string& key, const char* name, DWORD value);
// A text value, or "<missing>" when the key or value cannot be read.
std::string ReadRegText(HKEY root, const std::string& key, const char* name);
bool RegValueExists(HKEY root, const std::string& key, const char* name);
bool RegKeyExists(HKEY root, const std::string& key);
// Whether a child run of one test of this program ran it and it passed (a filter that matches
// nothing passes too, with no test run).
bool RanAndPassed(const ChildResult& result);

// The visible top-level windows of a process (titled or not).
std::vector<HWND> WindowsOfProcess(DWORD processId);
