// Recording the files of the system drive and the registry for a before/after comparison.
#include "MachineSnapshot.h"
#include <windows.h>
#include <stdio.h>

namespace {
void WalkFolder(const std::string& folder, std::set<std::string>& lines) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            lines.insert("D " + path);
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                WalkFolder(path, lines);
        } else {
            unsigned long long size =
                (static_cast<unsigned long long>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
            lines.insert("F " + path + " " + std::to_string(size));
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

std::string Hex(const BYTE* data, DWORD size) {
    std::string text;
    char pair[4];
    for (DWORD i = 0; i < size; ++i) {
        snprintf(pair, sizeof pair, "%02X", data[i]);
        text += pair;
    }
    return text;
}

void WalkKey(HKEY key, const std::string& path, std::set<std::string>& lines) {
    lines.insert("K " + path);
    DWORD subkeys = 0;
    DWORD values = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return; // a key that cannot be listed, such as Wine's performance texts
    std::vector<BYTE> data(1 << 16);
    for (DWORD index = 0; index < values; ++index) {
        char name[16384];
        DWORD nameSize = sizeof name;
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data.data(), &dataSize) ==
            ERROR_SUCCESS)
            lines.insert("V " + path + " " + name + " " + std::to_string(type) + " " +
                         Hex(data.data(), dataSize));
    }
    for (DWORD index = 0; index < subkeys; ++index) {
        char name[1024];
        DWORD nameSize = sizeof name;
        HKEY child;
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS &&
            RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            WalkKey(child, path + "\\" + name, lines);
            RegCloseKey(child);
        }
    }
}
} // namespace

CMachineSnapshot CMachineSnapshot::Take() {
    CMachineSnapshot snapshot;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    WalkFolder(std::string(windows, 2), snapshot.m_lines);
    WalkKey(HKEY_LOCAL_MACHINE, "HKLM", snapshot.m_lines);
    WalkKey(HKEY_CURRENT_USER, "HKCU", snapshot.m_lines);
    return snapshot;
}

std::vector<std::string> CMachineSnapshot::Added(const CMachineSnapshot& after) const {
    std::vector<std::string> lines;
    for (const std::string& line : after.m_lines)
        if (!m_lines.count(line))
            lines.push_back(line);
    return lines;
}

std::vector<std::string> CMachineSnapshot::Removed(const CMachineSnapshot& after) const {
    return after.Added(*this);
}
