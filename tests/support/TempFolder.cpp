// A temporary folder for one test, removed with its contents afterwards.
#include "support/TempFolder.h"
#include <windows.h>
#include <stdio.h>

static void CreateFolders(const std::string& path) {
    for (size_t pos = path.find('\\', 3); pos != std::string::npos; pos = path.find('\\', pos + 1))
        CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

CTempFolder::CTempFolder() {
    char base[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, base);
    if (length == 0 || length >= MAX_PATH)
        lstrcpyA(base, "C:\\");
    static unsigned serial;
    for (;;) {
        char name[64];
        snprintf(name, sizeof name, "ts-%lu-%u", GetCurrentProcessId(), ++serial);
        m_path = std::string(base) + name;
        if (CreateDirectoryA(m_path.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            CreateFolders(m_path);
            return;
        }
    }
}

CTempFolder::~CTempFolder() {
    DeleteFolderTree(m_path);
}

std::string CTempFolder::File(const std::string& relative) const {
    return m_path + "\\" + relative;
}

std::string CTempFolder::Write(const std::string& relative, const std::string& content) const {
    std::string path = File(relative);
    size_t slash = path.rfind('\\');
    CreateFolders(path.substr(0, slash));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

bool DeleteFolderTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteFolderTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) ||
           GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileText(const std::string& path) {
    std::string content;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        content.append(chunk, got);
    CloseHandle(file);
    return content;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
