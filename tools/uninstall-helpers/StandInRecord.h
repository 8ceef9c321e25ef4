// Stand-in support (the maker's uninstall helpers are outside the system): the record file the
// stand-ins append to and the instructions a test gives them, both through environment variables.
#pragma once
#include <windows.h>

// "UNINSTALL_HELPER_RECORD": Windows path of a text file; each stand-in appends one line
// "<Helper>.<Field>=<value>" (CR LF ended) per thing it received. Unset: nothing is recorded.
void RecordLine(const char* helper, const char* field, const char* value);
// The decimal number in the environment variable; false when it is unset or not a number.
bool InstructionNumber(const char* variable, long& value);
