// Recursive deletion below a folder.
#include "purgekit/FolderTree.h"
#include "common/logic/TextBuf.h"
#include <windows.h>
#include <string.h>

namespace {
// Whether the last character of a text (multibyte-aware) is a backslash.
bool EndsWithBackslash(const char* text) {
    size_t length = strlen(text);
    if (length == 0)
        return false;
    const char* last = CharPrevA(text, text + length);
    return last == text + length - 1 && *last == '\\';
}

// folder + "\" (unless it ends with one) + name; false when it does not fit.
bool ChildPath(char* out, const char* folder, const char* name) {
    if (EndsWithBackslash(folder)) {
        bool whole = CopyText(out, kPathSize, folder);
        return AppendText(out, kPathSize, name) && whole;
    }
    return JoinPath(out, kPathSize, folder, name);
}

bool IsDotEntry(const char* name) {
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

void DeleteEntry(const char* folder, const WIN32_FIND_DATAA& entry) {
    char path[kPathSize];
    if (!ChildPath(path, folder, entry.cFileName))
        return;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path);
        return;
    }
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        DeleteFolderTree(path);
    RemoveDirectoryA(path);
}
} // namespace

void DeleteFolderTree(const char* folder) {
    char pattern[kPathSize];
    if (!folder[0] || !ChildPath(pattern, folder, "*.*"))
        return;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!IsDotEntry(entry.cFileName))
            DeleteEntry(folder, entry);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}
