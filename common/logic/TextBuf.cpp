// Bounded text copies and joins for fixed buffers.
#include "common/logic/TextBuf.h"
#include <string.h>

bool AppendText(char* dst, size_t size, const char* src) {
    size_t used = strnlen(dst, size - 1);
    size_t room = size - 1 - used;
    size_t len = strlen(src);
    size_t take = len < room ? len : room;
    memcpy(dst + used, src, take);
    dst[used + take] = '\0';
    return take == len;
}

bool CopyText(char* dst, size_t size, const char* src) {
    dst[0] = '\0';
    return AppendText(dst, size, src);
}

bool JoinPath(char* dst, size_t size, const char* a, const char* b) {
    bool whole = CopyText(dst, size, a);
    whole = AppendText(dst, size, "\\") && whole;
    return AppendText(dst, size, b) && whole;
}

bool JoinPath3(char* dst, size_t size, const char* a, const char* b, const char* c) {
    bool whole = JoinPath(dst, size, a, b);
    whole = AppendText(dst, size, "\\") && whole;
    return AppendText(dst, size, c) && whole;
}

bool AppendDecimal(char* dst, size_t size, uint64_t value) {
    char digits[24];
    size_t n = sizeof digits - 1;
    digits[n] = '\0';
    do {
        digits[--n] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return AppendText(dst, size, digits + n);
}

bool ReplaceFirst(char* dst, size_t size, const char* text, const char* token, const char* value) {
    const char* hit = *token ? strstr(text, token) : nullptr;
    if (!hit)
        return CopyText(dst, size, text);
    size_t head = static_cast<size_t>(hit - text);
    size_t take = head < size - 1 ? head : size - 1;
    memcpy(dst, text, take);
    dst[take] = '\0';
    bool whole = take == head;
    whole = AppendText(dst, size, value) && whole;
    return AppendText(dst, size, hit + strlen(token)) && whole;
}
