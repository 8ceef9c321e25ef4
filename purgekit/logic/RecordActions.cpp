// The uninstaller's table of install log record types.
#include "purgekit/logic/RecordActions.h"
#include "purgekit/resource.h"
#include <string.h>

RecordAction ActionForRecord(uint8_t type) {
    switch (type) {
    case LOG_FILE:
    case LOG_SHORTCUT:
        return ACTION_DELETE_FILE;
    case LOG_FOLDER:
    case LOG_PROGRAM_FOLDER:
        return ACTION_REMOVE_FOLDER;
    case LOG_RUN_VALUE:
        return ACTION_DELETE_RUN_VALUE;
    case LOG_UNINSTALL_KEY:
        return ACTION_DELETE_KEY;
    default:
        return ACTION_NONE;
    }
}

int ProgressLabelForRecord(uint8_t type) {
    switch (type) {
    case LOG_FILE:
        return IDC_FILES_LABEL;
    case LOG_FOLDER:
        return IDC_FOLDERS_LABEL;
    case LOG_RUN_VALUE:
        return IDC_STARTUP_LABEL;
    case LOG_PROGRAM_FOLDER:
        return IDC_PROGRAM_FOLDER_LABEL;
    case LOG_UNINSTALL_KEY:
        return IDC_REGISTRY_LABEL;
    default:
        return 0;
    }
}

bool RecordText(const LogRecord& record, char* out, size_t size) {
    out[0] = '\0';
    if (record.length == 0 || record.length >= size || memchr(record.text, 0, record.length))
        return false;
    memcpy(out, record.text, record.length);
    out[record.length] = '\0';
    return true;
}

bool IsUninstallEntryKey(const char* path) {
    static const char kPrefix[] = "software\\microsoft\\windows\\currentversion\\uninstall\\";
    size_t n = sizeof kPrefix - 1;
    for (size_t i = 0; i < n; ++i) {
        char c = path[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kPrefix[i])
            return false;
    }
    return path[n] != '\0' && path[n] != '\\';
}
