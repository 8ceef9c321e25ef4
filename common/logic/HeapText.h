// Texts kept in heap blocks of exactly their length plus the terminator (no Windows calls).
#pragma once
#include <stddef.h>

// A fresh block holding the first length bytes of text and a terminator; null when memory runs out.
char* NewText(const char* text, size_t length);
// Releases text if present and marks it absent.
void FreeText(char*& text);
