// The progress window's entry point for the wizard frame.
#include "setup/wizard/ProgressWindow.h"
#include "setup/wizard/ProgressDialog.h"

int RunProgressWindow(HWND owner) {
    CProgressDialog dialog(owner);
    return static_cast<int>(dialog.DoModal());
}
