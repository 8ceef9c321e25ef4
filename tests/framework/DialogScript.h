// Test helpers of the framework tests: a modal run on the test's thread driven by a script on a
// second thread, and a recording of what reached the objects under test.
#pragma once
#include "common/Dialog.h"
#include <functional>
#include <string>
#include <vector>

// Runs dialog modally; script gets its window (found by caption on this thread) and drives it
// from a second thread. A dialog the script leaves open is ended (the test then fails).
INT_PTR RunModalWithScript(CDialog& dialog, const char* caption,
                           const std::function<void(HWND)>& script);

// Names of the objects that saw something, in order (written on the dialog's thread only).
using Trace = std::vector<std::string>;

// The test program's own module handle and path, for templates and child processes.
std::string ModulePath();

// Body of the child process that the cross-process driver test starts.
int RunDialogProcess();

// Body of the program registered for the hyperlink test's file type: writes path + ".opened".
int MarkOpened(const char* path);
