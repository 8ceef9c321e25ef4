// Reading the NT product type and product suite texts.
#include "setup/core/logic/ProductOptions.h"
#include <string.h>

static char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

static bool EqualNoCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (UpperAscii(*a) != UpperAscii(*b))
            return false;
    return *a == *b;
}

bool ProductTypeCode(const char* text, int32_t& code) {
    static const struct {
        const char* name;
        int32_t code;
    } types[] = {{"WINNT", 2}, {"SERVERNT", 6}, {"LANMANNT", 7}, {"LANSECNT", 8}};
    for (const auto& type : types) {
        if (EqualNoCase(text, type.name)) {
            code = type.code;
            return true;
        }
    }
    return false;
}

typedef bool (*LeadByteTest)(unsigned char);

// Length of the character at text (1 or 2), never reaching past end.
static size_t CharLength(const char* text, const char* end, LeadByteTest isLeadByte) {
    return isLeadByte(static_cast<unsigned char>(*text)) && text + 1 < end ? 2 : 1;
}

// Whether name starts at text, character by character, within [text, end).
static bool StartsWith(const char* text, const char* end, const char* name,
                       LeadByteTest isLeadByte) {
    while (*name) {
        if (text >= end)
            return false;
        size_t length = CharLength(text, end, isLeadByte);
        if (length == 2) {
            if (text[0] != name[0] || name[1] == '\0' || text[1] != name[1])
                return false;
        } else if (UpperAscii(*text) != UpperAscii(*name)) {
            return false;
        }
        text += length;
        name += length;
    }
    return true;
}

static bool EntryContains(const char* entry, const char* end, const char* name,
                          LeadByteTest isLeadByte) {
    for (const char* at = entry; at < end; at += CharLength(at, end, isLeadByte))
        if (StartsWith(at, end, name, isLeadByte))
            return true;
    return false;
}

bool SuiteListContains(const char* list, size_t size, const char* name, LeadByteTest isLeadByte) {
    const char* end = list + size;
    for (const char* entry = list; entry < end && *entry;) {
        const char* zero =
            static_cast<const char*>(memchr(entry, '\0', static_cast<size_t>(end - entry)));
        const char* entryEnd = zero ? zero : end;
        if (EntryContains(entry, entryEnd, name, isLeadByte))
            return true;
        entry = entryEnd + 1;
    }
    return false;
}
