// The wizard's part of DOINSTALL: the background window, the frame and its pages, run modally.
#pragma once

// Builds the background window (which owns the wizard frame and makes itself the application's
// main window), runs it modally and destroys it again with the frame and every page; answers the
// modal result: 2 (left), 6 (restart now), 12 (restart later), -1 when no window could be shown.
int RunWizard();
