// Runs the progress window, and with it the installation, modally over the wizard.
#pragma once
#include <windows.h>

// Answers when the progress window has closed.
int RunProgressWindow(HWND owner);
