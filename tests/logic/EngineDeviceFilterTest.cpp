// Filter-driver removal rules: key names of interface paths, the class GUID text, the first entry.
#include "setup/engine/logic/DeviceFilter.h"
#include <gtest/gtest.h>
#include <string>

TEST(EngineDeviceFilter, GuidTextOfTheUsbDeviceClass) {
    const uint8_t tail[8] = {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED};
    char text[kGuidTextSize];
    FormatGuidText(text, 0xA5DCBF10, 0x6530, 0x11D2, tail);
    EXPECT_STREQ("{A5DCBF10-6530-11D2-901F-00C04FB951ED}", text);
    const uint8_t zeros[8] = {};
    FormatGuidText(text, 0x1, 0xA, 0xB, zeros);
    EXPECT_STREQ("{00000001-000A-000B-0000-000000000000}", text);
}

TEST(EngineDeviceFilter, OnlyDotPathsBecomeKeyNames) {
    struct Case {
        const char* path;
        const char* key; // null: skipped
    } cases[] = {
        {"\\\\.\\usb#vid_1234&pid_0001#5&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}",
         "##.#usb#vid_1234&pid_0001#5&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"},
        {"\\\\?\\usb#vid_1234&pid_0001#5&1#{a5dcbf10}", nullptr},
        {"\\\\.", nullptr},
        {"\\\\.\\", "##.#"},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        char key[256] = "unchanged";
        EXPECT_EQ(c.key != nullptr, DeviceKeyName(key, sizeof key, c.path)) << c.path;
        EXPECT_STREQ(c.key ? c.key : "unchanged", key);
    }
}

TEST(EngineDeviceFilter, KeyNameThatDoesNotFitIsRefused) {
    std::string path = "\\\\.\\" + std::string(252, 'x');
    char key[256] = "unchanged";
    EXPECT_FALSE(DeviceKeyName(key, sizeof key, path.c_str()));
    EXPECT_STREQ("unchanged", key);
    path.pop_back();
    EXPECT_TRUE(DeviceKeyName(key, sizeof key, path.c_str()));
    EXPECT_EQ(255u, strlen(key));
}

TEST(EngineDeviceFilter, OnlyTheFirstEntryCounts) {
    struct Case {
        std::string bytes;
        bool match;
    } cases[] = {
        {std::string("qxrhmsys.sys\0\0", 14), true},
        {std::string("QXRHMSYS.SYS\0\0", 14), true},
        {std::string("QxRhMsYs.SyS\0other.sys\0\0", 24), true},
        {std::string("other.sys\0qxrhmsys.sys\0\0", 24), false},
        {std::string("qxrhmsys.sys"), true},
        {std::string("qxrhmsys.sy"), false},
        {std::string("qxrhmsys.sys2\0", 14), false},
        {std::string(), false},
    };
    for (const Case& c : cases) {
        const uint8_t* bytes = reinterpret_cast<const uint8_t*>(c.bytes.data());
        EXPECT_EQ(c.match, NamesFilterDriverFirst(bytes, c.bytes.size())) << c.bytes.c_str();
    }
}
