// What the uninstaller does with each install log record, and which progress label it shows.
#pragma once
#include "common/logic/LogRecords.h"
#include <stddef.h>

enum RecordAction {
    ACTION_NONE,          // an unknown type byte: the text is passed over
    ACTION_DELETE_FILE,   // installed files and shortcut files
    ACTION_REMOVE_FOLDER, // folders and the Start-menu program folder (only when empty)
    ACTION_DELETE_RUN_VALUE,
    ACTION_DELETE_KEY,
};

RecordAction ActionForRecord(uint8_t type);
// Control id of the progress label that a record of this type shows, 0 for none.
int ProgressLabelForRecord(uint8_t type);
// Copies the record's text as a terminated path or name into out. Answers false, leaving out
// empty, when the text is empty, does not fit whole or holds a zero byte: such a record names
// nothing the installation made, and a cut text could name something else.
bool RecordText(const LogRecord& record, char* out, size_t size);
// Whether a key path names one product's entry below the Uninstall key, the only key the
// installation records ("Software\Microsoft\windows\CurrentVersion\Uninstall\" and a name, any
// letter case). Windows 95 deletes a key with all its subkeys, so nothing above that level may
// be taken from the log.
bool IsUninstallEntryKey(const char* path);
