// The maker's uninstall helpers, run on a thread of their own on Windows 2000 and XP.
#pragma once
#include <windows.h>

// Thread procedure; dialog is the uninstaller's dialog object, handed to the helper library as
// an opaque value. Sets helperRunning to 1, reads the manufacturer from "MouInfo.ini", and on
// Windows 2000 and XP calls "Rmhelp32" of "RMHELP32.DLL" in the installation folder (setting
// HKLM "Software" "RebootFlags" to the byte 1 when it asks for a restart), or runs
// "RMHELP16.EXE" and waits for it when the library cannot be loaded. Sets helperRunning to 0 as
// its last action and answers 0.
DWORD WINAPI RunVendorHelper(LPVOID dialog);
