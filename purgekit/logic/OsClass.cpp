// Classifying the platform version for the uninstaller.
#include "purgekit/logic/OsClass.h"

OsClass ClassifyVersion(uint32_t version) {
    uint32_t major = version & 0xFF;
    uint32_t minor = (version >> 8) & 0xFF;
    if (major > 5)
        return Unclassified;
    if (major == 5) {
        if (minor == 1)
            return V5_1;
        return minor == 0 ? V5_0 : Unclassified;
    }
    switch (minor) {
    case 0:
        return V4_0;
    case 1:
        return V4_1;
    case 90:
        return V4_90;
    default:
        return V4_Other;
    }
}
