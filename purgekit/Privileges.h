// Enabling the privileges the uninstaller needs on the NT family: debugging other processes
// (to end the mouse utility) and shutting the system down (to restart).
#pragma once
#include <windows.h>

// Classifies Windows, then enables the debug privilege where the class has tokens. Answers 0 when
// the process may go on, 1 when it must end (no token, or the privilege is not held).
int EnableDebugPrivilege();
// Enables (or disables) one privilege of token. Answers true when the change was made without
// error; a privilege that the token does not hold answers false.
bool SetTokenPrivilege(HANDLE token, const char* privilege, bool enable);
// Enables the shutdown privilege of this process. Answers false when any step fails.
bool EnableShutdownPrivilege();
