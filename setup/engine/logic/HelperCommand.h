// The command line that starts the 16-bit driver-setup helper of Windows 95, 98 and Me.
#pragma once
#include <stddef.h>

// Room for a quoted path, a blank and a folder argument with its suffix.
const size_t kCommandLineSize = 600;

// commandLine := programPath (put in double quotes when it holds a blank and is not quoted yet),
// one blank, folder, and "\winme" when winMe is set. Answers false when the result had to be cut.
bool BuildHelperCommandLine(char (&commandLine)[kCommandLineSize], const char* programPath,
                            const char* folder, bool winMe);
