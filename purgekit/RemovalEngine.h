// The removal in the dialog process: replaying the install log.
#pragma once
#include <windows.h>

// Replays "purgekit.log" of the working directory (the installation folder): deletes each listed
// file, folder, startup value, shortcut and uninstall key in file order, showing and repainting
// the progress label of each kind in dialog as it is reached; then restores the standard mouse
// drivers and deletes the startup values. When the log cannot be read it shows the file-error
// message over dialog, changes nothing and answers false.
bool RunRemoval(HWND dialog);
