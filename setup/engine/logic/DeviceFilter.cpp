// Key names, GUID text and "LowerFilters" test of the filter-driver entry removal.
#include "setup/engine/logic/DeviceFilter.h"
#include "common/logic/TextBuf.h"
#include <string.h>

namespace {

const char kDriverName[] = "qxrhmsys.sys";

char* PutHex(char* out, uint32_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i)
        *out++ = kDigits[(value >> (4 * i)) & 0xF];
    return out;
}

char LowerAscii(uint8_t c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

} // namespace

void FormatGuidText(char (&text)[kGuidTextSize], uint32_t data1, uint16_t data2, uint16_t data3,
                    const uint8_t (&data4)[8]) {
    char* out = text;
    *out++ = '{';
    out = PutHex(out, data1, 8);
    *out++ = '-';
    out = PutHex(out, data2, 4);
    *out++ = '-';
    out = PutHex(out, data3, 4);
    *out++ = '-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            *out++ = '-';
        out = PutHex(out, data4[i], 2);
    }
    *out++ = '}';
    *out = '\0';
}

bool DeviceKeyName(char* keyName, size_t size, const char* devicePath) {
    if (strncmp(devicePath, "\\\\.\\", 4) != 0 || strlen(devicePath) >= size)
        return false;
    CopyText(keyName, size, "##.#");
    AppendText(keyName, size, devicePath + 4);
    return true;
}

bool NamesFilterDriverFirst(const uint8_t* bytes, size_t count) {
    size_t length = 0;
    while (length < count && bytes[length] != 0)
        ++length;
    if (length != sizeof kDriverName - 1)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (LowerAscii(bytes[i]) != kDriverName[i])
            return false;
    }
    return true;
}
