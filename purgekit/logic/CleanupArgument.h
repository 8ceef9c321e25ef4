// The cleanup copy's command line: the dialog window's handle in decimal, nothing else.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Writes the handle value (its low 32 bits, which is all a window handle uses) in decimal.
// size must hold at least 11 bytes.
void FormatWindowArgument(char* out, size_t size, uint32_t handle);
// The number made of the leading decimal digits of a command line, blanks before them skipped.
// No digits, or more than 32 bits' worth, give 0: no window.
uint32_t ParseWindowArgument(const char* commandLine);
