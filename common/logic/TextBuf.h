// Bounded copies and joins into fixed text buffers; every result is zero-terminated and cut to fit.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Size of every path buffer: at most 259 characters and the terminator.
const size_t kPathSize = 260;

// Each operation writes a terminated text of at most size - 1 bytes into dst and answers false
// when the result had to be cut (the cut text is still stored). size must be at least 1.
bool CopyText(char* dst, size_t size, const char* src);
bool AppendText(char* dst, size_t size, const char* src);
// "a\b" and "a\b\c", the way every path of the system is joined (no separator is normalised).
bool JoinPath(char* dst, size_t size, const char* a, const char* b);
bool JoinPath3(char* dst, size_t size, const char* a, const char* b, const char* c);
// Appends the decimal form of value.
bool AppendDecimal(char* dst, size_t size, uint64_t value);
// Copies text with its first occurrence of token replaced by value; without token, text as it is.
// The text is never interpreted as a format, so "%n" or "%s%s" in it stay plain characters.
bool ReplaceFirst(char* dst, size_t size, const char* text, const char* token, const char* value);

template <size_t N> bool CopyText(char (&dst)[N], const char* src) { return CopyText(dst, N, src); }
template <size_t N> bool AppendText(char (&dst)[N], const char* src) {
    return AppendText(dst, N, src);
}
template <size_t N> bool JoinPath(char (&dst)[N], const char* a, const char* b) {
    return JoinPath(dst, N, a, b);
}
template <size_t N> bool JoinPath3(char (&dst)[N], const char* a, const char* b, const char* c) {
    return JoinPath3(dst, N, a, b, c);
}
