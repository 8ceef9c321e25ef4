// Shared pieces of the uninstaller's tests.
#include "PurgekitFixture.h"
#include <stdlib.h>

std::string WorkingDir() {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

CEnvironmentGuard::CEnvironmentGuard(const char* name, const std::string& value) : m_name(name) {
    SetEnvironmentVariableA(name, value.c_str());
}

CEnvironmentGuard::~CEnvironmentGuard() {
    SetEnvironmentVariableA(m_name.c_str(), nullptr);
}

CTestProcess::CTestProcess(const std::string& program, const std::string& commandLine) {
    std::string line = commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_id = process.dwProcessId;
}

CTestProcess::~CTestProcess() {
    if (!m_process)
        return;
    if (Running()) {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
}

bool CTestProcess::Running() const {
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool CTestProcess::WaitForEnd(DWORD timeoutMs) {
    return m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

std::string LogBytes(const LogRecords& records) {
    std::string bytes;
    for (const auto& record : records) {
        bytes += static_cast<char>(record.first);
        bytes += record.second;
        bytes += '\0';
    }
    return bytes;
}

namespace {
bool WriteValue(HKEY root, const std::string& key, const char* name, DWORD type, const void* data,
                DWORD size) {
    HKEY handle;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}
} // namespace

bool WriteRegText(HKEY root, const std::string& key, const char* name, const std::string& value) {
    return WriteValue(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool WriteRegDword(HKEY root, const std::string& key, const char* name, DWORD value) {
    return WriteValue(root, key, name, REG_DWORD, &value, sizeof value);
}

std::string ReadRegText(HKEY root, const std::string& key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "<missing>";
    char text[1024];
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    LONG status =
        RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return "<missing>";
    text[size] = '\0';
    return text;
}

bool RegValueExists(HKEY root, const std::string& key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    LONG status = RegQueryValueExA(handle, name, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

namespace {
struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    ProcessWindows* found = reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == found->processId && IsWindowVisible(window))
        found->windows.push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> WindowsOfProcess(DWORD processId) {
    ProcessWindows found = {processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

CRegValueGuard::CRegValueGuard(HKEY root, const std::string& key, const char* name)
    : m_root(root), m_key(key), m_name(name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    char data[4096];
    DWORD size = sizeof data;
    m_existed = RegQueryValueExA(handle, name, nullptr, &m_type, reinterpret_cast<BYTE*>(data),
                                 &size) == ERROR_SUCCESS;
    if (m_existed)
        m_data.assign(data, size);
    RegCloseKey(handle);
}

CRegValueGuard::~CRegValueGuard() {
    HKEY handle;
    if (RegCreateKeyExA(m_root, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (m_existed)
        RegSetValueExA(handle, m_name.c_str(), 0, m_type,
                       reinterpret_cast<const BYTE*>(m_data.data()),
                       static_cast<DWORD>(m_data.size()));
    else
        RegDeleteValueA(handle, m_name.c_str());
    RegCloseKey(handle);
}

CNewKeyGuard::CNewKeyGuard(HKEY root, const std::string& path)
    : m_root(root), m_path(path), m_existed(RegKeyExists(root, path)) {}

CNewKeyGuard::~CNewKeyGuard() {
    if (!m_existed)
        DeleteKeyTree(m_root, m_path);
}

CFileGuard::CFileGuard(const std::string& path)
    : m_path(path), m_existed(FileExists(path)), m_content(ReadFileText(path)) {}

CFileGuard::~CFileGuard() {
    if (!m_existed) {
        DeleteFileA(m_path.c_str());
        return;
    }
    HANDLE file = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, m_content.data(), static_cast<DWORD>(m_content.size()), &written, nullptr);
    CloseHandle(file);
}

std::string SystemIni() {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\system.ini";
}

bool RanAndPassed(const ChildResult& result) {
    return result.finished && result.exitCode == 0 &&
           result.output.find("[  PASSED  ] 1 test.") != std::string::npos;
}
