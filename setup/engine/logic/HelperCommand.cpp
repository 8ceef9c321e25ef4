// Command line of the 16-bit driver-setup helper.
#include "setup/engine/logic/HelperCommand.h"
#include "common/logic/QuotePath.h"
#include "common/logic/TextBuf.h"

bool BuildHelperCommandLine(char (&commandLine)[kCommandLineSize], const char* programPath,
                            const char* folder, bool winMe) {
    char program[kPathSize];
    bool whole = CopyText(program, programPath);
    QuotePath(program, true);
    whole = CopyText(commandLine, program) && whole;
    whole = AppendText(commandLine, " ") && whole;
    whole = AppendText(commandLine, folder) && whole;
    if (winMe)
        whole = AppendText(commandLine, "\\winme") && whole;
    return whole;
}
