// Parsing "uninst.un2": one key=value entry per line, in the system's ANSI code page, unconverted.
#include "purgekit/logic/RemovalTexts.h"
#include "common/logic/HeapText.h"
#include <string.h>

namespace {
const char* const kKeyNames[RS_COUNT] = {
    "P1T", "P1",  "P2",  "P3",        "P4",      "P5",       "P6",
    "P2T", "P22", "P23", "FINISHBTN", "NEXTBTN", "ABORTBTN",
};

// The "=" byte never occurs as the second byte of a double-byte character in the East Asian
// code pages, so the first "=" byte is the first "=" character.
void StoreLine(RemovalStrings& strings, const char* line, size_t length) {
    const char* equals = static_cast<const char*>(memchr(line, '=', length));
    RemovalKey key;
    if (!equals || !FindRemovalKey(line, static_cast<size_t>(equals - line), &key))
        return;
    const char* value = equals + 1;
    FreeText(strings.text[key]);
    strings.text[key] = NewText(value, length - static_cast<size_t>(value - line));
}
} // namespace

const char* RemovalKeyName(RemovalKey key) {
    return kKeyNames[key];
}

bool FindRemovalKey(const char* key, size_t length, RemovalKey* found) {
    for (int i = 0; i < RS_COUNT; ++i) {
        if (strlen(kKeyNames[i]) == length && memcmp(kKeyNames[i], key, length) == 0) {
            *found = static_cast<RemovalKey>(i);
            return true;
        }
    }
    return false;
}

void ParseRemovalStrings(RemovalStrings& strings, const char* data, size_t size) {
    const char* end = data + size;
    const char* line = data;
    while (line < end) {
        const char* newline =
            static_cast<const char*>(memchr(line, '\n', static_cast<size_t>(end - line)));
        const char* stop = newline ? newline : end;
        size_t length = static_cast<size_t>(stop - line);
        if (newline && length > 0 && line[length - 1] == '\r')
            --length;
        StoreLine(strings, line, length);
        line = newline ? newline + 1 : end;
    }
}

void FreeRemovalTexts(RemovalStrings& strings) {
    for (char*& text : strings.text)
        FreeText(text);
}

const char* RemovalText(const RemovalStrings& strings, RemovalKey key) {
    return strings.text[key] ? strings.text[key] : "";
}
