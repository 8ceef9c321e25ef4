// Texts kept in heap blocks of exactly their length plus the terminator.
#include "common/logic/HeapText.h"
#include <stdlib.h>
#include <string.h>

char* NewText(const char* text, size_t length) {
    char* block = static_cast<char*>(malloc(length + 1));
    if (block) {
        memcpy(block, text, length);
        block[length] = '\0';
    }
    return block;
}

void FreeText(char*& text) {
    free(text);
    text = nullptr;
}
