// Key names of the language message file and the product placeholder.
#include "setup/core/logic/MessageKeys.h"
#include <string.h>

namespace {

const char* const kMsgNames[MSG_COUNT] = {
    "1",  "2",  "4",  "7",  "8",  "10",  "11",  "12",  "13",  "20",
    "21", "22", "23", "24", "25", "301", "302", "303", "304", "306",
};

const char* const kDlgNames[DLG_COUNT] = {
    "P1T", "P11", "P12", "P13",     "P14",      "P15",      "P16",     "P2T",      "P21",
    "P3T", "P31", "P32", "P33",     "P4T",      "P41",      "P42",     "P43",      "P5T",
    "P51", "P7T", "P71", "PWHEEL3", "PWHEEL31", "PWHEEL32", "PWHEEL5", "PWHEEL51", "PWHEEL52",
    "PFT", "PF1", "PF2", "PF3",     "PF4",      "PF5",
};

} // namespace

const char* MsgKeyName(MsgKey key) {
    return key < MSG_COUNT ? kMsgNames[key] : "";
}

const char* DlgKeyName(DlgKey key) {
    return key < DLG_COUNT ? kDlgNames[key] : "";
}

size_t DlgTextSize(DlgKey key) {
    return key == DLG_P51 ? kLongTextSize : kPathSize;
}

bool HasProductPlaceholder(DlgKey key) {
    return key == DLG_P31 || key == DLG_PF1;
}

void ConvertProductPlaceholder(char* text) {
    char* placeholder = strstr(text, "%P");
    if (placeholder)
        placeholder[1] = 's';
}
