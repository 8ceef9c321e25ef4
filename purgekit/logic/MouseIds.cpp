// The product's mouse ids, the device and class key names, and the standard driver's texts.
#include "purgekit/logic/MouseIds.h"
#include "common/logic/TextBuf.h"

const MouseIdTable mouseIdTable = {
    {"1F3A", "1F3B", "1F3C"},
    {"0101", "0102", "0103", "0201", "0202", "0203", "0301", "0302", "0303", "0304", "0110"},
};

namespace {
// Product index of each pair, vendor by vendor.
const struct {
    int vendor;
    int product;
} kPairs[kMousePairCount] = {
    {0, 0}, {0, 1}, {0, 2}, {0, 10}, {1, 3}, {1, 4}, {1, 5}, {2, 6}, {2, 7}, {2, 8}, {2, 9},
};

const MouseTexts kStandardTexts = {"Microsoft", "PS/2 Compatible Mouse", "HID-compliant mouse"};
// "(標準滑鼠類型)" and "PS/2 相容性滑鼠連接埠" in code page 950.
const MouseTexts kChineseTexts = {
    "(\xBC\xD0\xB7\xC7\xB7\xC6\xB9\xAB\xC3\xFE\xAB\xAC)",
    "PS/2 \xAC\xDB\xAE\x65\xA9\xCA\xB7\xC6\xB9\xAB\xB3\x73\xB1\xB5\xB0\xF0",
    "HID-compliant mouse",
};

void AppendIds(char* out, size_t size, const char* vendor, const char* product) {
    AppendText(out, size, "VID_");
    AppendText(out, size, vendor);
    AppendText(out, size, "&PID_");
    AppendText(out, size, product);
}

void AppendFourDigits(char* out, size_t size, int index) {
    char digits[5] = {
        static_cast<char>('0' + index / 1000 % 10), static_cast<char>('0' + index / 100 % 10),
        static_cast<char>('0' + index / 10 % 10), static_cast<char>('0' + index % 10), '\0'};
    AppendText(out, size, digits);
}
} // namespace

MouseIdPair MousePair(const MouseIdTable& table, size_t index) {
    return {table.vendors[kPairs[index].vendor], table.products[kPairs[index].product]};
}

void CompositeDeviceKey(const MouseIdTable& table, char* out, size_t size) {
    const char* v = table.vendors[0];
    const char* p = table.products[10];
    CopyText(out, size, "Enum\\HID\\");
    AppendIds(out, size, v, p);
    AppendText(out, size, "&MI_01\\0000USB&");
    AppendIds(out, size, v, p);
    AppendText(out, size, "&MI_01&1USB&");
    AppendIds(out, size, v, p);
    AppendText(out, size, "&INST_0");
}

void HidDeviceKey(const MouseIdPair& pair, int instance, char* out, size_t size) {
    CopyText(out, size, "Enum\\HID\\");
    AppendIds(out, size, pair.vendor, pair.product);
    AppendText(out, size, "\\0000USB&");
    AppendIds(out, size, pair.vendor, pair.product);
    AppendText(out, size, "&INST_");
    AppendDecimal(out, size, static_cast<uint64_t>(instance));
}

void MouseClassKey(ClassKeyFamily family, int index, char* out, size_t size) {
    CopyText(out, size,
             family == CLASS_SERVICES ? "SYSTEM\\CurrentControlSet\\Services\\Class\\Mouse\\"
                                      : "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96F-E325-"
                                        "11CE-BFC1-08002BE10318}\\");
    AppendFourDigits(out, size, index);
}

const MouseTexts& MouseTextsFor(uint16_t languageId) {
    bool chinese = languageId == 0x0404 || languageId == 0x0C04 || languageId == 0x1004;
    return chinese ? kChineseTexts : kStandardTexts;
}
