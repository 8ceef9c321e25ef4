// Ending the running programs of the product before their files are deleted.
#pragma once
#include "common/logic/TextBuf.h"
#include <windows.h>

// What the window enumeration looks for and what it found.
struct WindowSearch {
    HWND window;              // the first matching window, null while none is found
    DWORD processId;          // the process that owns it
    char fragment[kPathSize]; // title fragment, upper-cased by the search
};

// For each title fragment of the stop list, terminates the process of the first top-level window
// whose title contains it in any letter case (exit code 0). This process's own windows never
// match. Answers 0.
int StopMouseUtility();
// The enumeration step: stores the window and its process in the search (given as param) and
// answers FALSE (stop) when the window belongs to another process and its title contains the
// fragment, ignoring case; answers TRUE (go on) otherwise, always for an untitled window.
BOOL CALLBACK FindWindowByTitle(HWND window, LPARAM param);
