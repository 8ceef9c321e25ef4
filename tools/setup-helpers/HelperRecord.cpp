// Stand-in support (the maker's setup and uninstall helpers are outside the system): record file
// and instructions.
#include "HelperRecord.h"
#include <stdlib.h>
#include <string.h>

void RecordLine(const char* recordVariable, const char* helper, const char* field,
                const char* value) {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(recordVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* parts[] = {helper, ".", field, "=", value, "\r\n"};
    for (const char* part : parts) {
        DWORD written = 0;
        WriteFile(file, part, static_cast<DWORD>(strlen(part)), &written, nullptr);
    }
    CloseHandle(file);
}

bool InstructionNumber(const char* variable, long& value) {
    char text[32];
    DWORD length = GetEnvironmentVariableA(variable, text, sizeof text);
    if (length == 0 || length >= sizeof text)
        return false;
    char* end = nullptr;
    value = strtol(text, &end, 10);
    return end != text && *end == '\0';
}
