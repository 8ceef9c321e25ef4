// Stand-in support (the maker's setup and uninstall helpers are outside the system): the record
// file the stand-ins append to and the instructions a test gives them, both through environment
// variables.
#pragma once
#include <windows.h>

// Record files of the two groups of stand-ins: Windows paths of text files named by these
// environment variables.
const char kSetupHelperRecord[] = "SETUP_HELPER_RECORD";
const char kUninstallHelperRecord[] = "UNINSTALL_HELPER_RECORD";

// Appends one line "<Helper>.<Field>=<value>" (CR LF ended) to the file named by the environment
// variable recordVariable. Unset: nothing is recorded.
void RecordLine(const char* recordVariable, const char* helper, const char* field,
                const char* value);
// The decimal number in the environment variable; false when it is unset or not a number.
bool InstructionNumber(const char* variable, long& value);
