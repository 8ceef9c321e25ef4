// The uninstaller's dialog texts and the parser of its strings file "uninst.un2".
#pragma once
#include <stddef.h>

// The thirteen keys of the strings file, in the order of RemovalKeyName.
enum RemovalKey {
    RS_P1T,
    RS_P1,
    RS_P2,
    RS_P3,
    RS_P4,
    RS_P5,
    RS_P6,
    RS_P2T,
    RS_P22,
    RS_P23,
    RS_FINISHBTN,
    RS_NEXTBTN,
    RS_ABORTBTN,
    RS_COUNT
};

// Each text a heap block of its exact length plus the terminator, owned here; null while absent.
struct RemovalStrings {
    char* text[RS_COUNT];
};

// The key as it stands in the file ("P1T", "NEXTBTN", ...).
const char* RemovalKeyName(RemovalKey key);
// Answers whether the length bytes at key are exactly one of the thirteen keys (byte for byte,
// case-sensitive, nothing trimmed) and stores which in found; found is unchanged otherwise.
bool FindRemovalKey(const char* key, size_t length, RemovalKey* found);
// Reads every line of a strings file held in memory into strings. Lines end with LF or CR LF and
// may have any length; a line is key "=" value split at its first "="; lines without "=" or with
// an unknown key are ignored; a later line replaces the text of an earlier one with the same key.
// A text whose copy cannot be allocated stays absent.
void ParseRemovalStrings(RemovalStrings& strings, const char* data, size_t size);
// Releases every text and marks it absent; harmless on a table that holds nothing.
void FreeRemovalTexts(RemovalStrings& strings);
// The text of key, or "" while it is absent.
const char* RemovalText(const RemovalStrings& strings, RemovalKey key);
