// The progress window's entry point.
#include "setup/wizard/ProgressWindow.h"

int RunProgressWindow(HWND) { return 0; }
