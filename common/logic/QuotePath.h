// Quoting and unquoting of a path in place, for command lines handed to other programs.
#pragma once
#include <stddef.h>

// path is a buffer of kPathSize bytes holding a terminated text.
// quote true: a path that contains a blank and does not start with a double quote is put between
// double quotes; any other path is left as it is, and so is a path whose quoted form would not
// fit in the buffer (it is never cut).
// quote false: a path that starts with a double quote loses it, and loses a closing double quote
// at its end too; any other path is left as it is.
void QuotePath(char* path, bool quote);
