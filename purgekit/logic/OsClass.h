// The uninstaller's own Windows version classes, on which its steps branch.
#pragma once
#include <stdint.h>

enum OsClass {
    Unclassified, // 5.2 and later, and every major version above 5
    V4_0,         // 4.0: Windows 95 and Windows NT 4.0 alike
    V4_1,
    V4_90,    // Windows Me
    V4_Other, // every other version below 5, Windows 98 (4.10) among them
    V5_0,     // Windows 2000
    V5_1,     // Windows XP
};

// The class of a GetVersion() value: major version in the low byte, minor in the next; the
// platform-family bit is not looked at. Versions after 5.1 have no class of their own.
OsClass ClassifyVersion(uint32_t version);
