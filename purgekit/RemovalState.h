// The process-wide state of one uninstaller process (dialog process or cleanup process).
#pragma once
#include "common/logic/TextBuf.h"
#include "purgekit/logic/OsClass.h"
#include "purgekit/logic/RemovalTexts.h"
#include <windows.h>

struct RemovalState {
    // AppPath of HKLM "Software\ZephyrPoint"; empty when the key or the value is missing.
    char installFolder[kPathSize];
    // ProductName of the same key (dialog process only).
    char productName[kPathSize];
    // Scratch path: the copy's source, then the installation folder (the vendor helpers are
    // found there); in the cleanup process the temporary folder.
    char pathScratch[kPathSize];
    // A working directory saved for restoring later (heap, kPathSize bytes; null while absent).
    char* savedWorkingDir;
    // Whether Finish restarts Windows.
    int32_t restartNow;
    // 1 while the vendor-helper thread works; written whole by either thread, polled by the
    // dialog's thread.
    volatile LONG helperRunning;
    // Process id of the started cleanup copy, 0 while none was started.
    DWORD cleanupProcessId;
    OsClass osClass;
    RemovalStrings strings;
};

extern RemovalState removalState;

// The dialog text of key, "" while it is absent.
inline const char* Text(RemovalKey key) {
    return RemovalText(removalState.strings, key);
}

// HKLM "Software\ZephyrPoint", where the installation recorded where it lives.
extern const char kProductKey[];
