// Classification of the running Windows from what its version queries answer.
#include "setup/core/logic/OsInfo.h"

static void CopyToReported(OsInfo& info) {
    info.reportedMajor = info.majorVersion;
    info.reportedMinor = info.minorVersion;
    info.reportedBuild = info.buildNumber;
    info.reportedPlatform = info.platformCode;
}

static void SetPlatform(OsInfo& info, int32_t code) {
    info.platformCode = code;
    info.reportedPlatform = code;
}

// Without GetVersionExA only NT answers usefully, and only through its product type.
static bool BuildFromShortQuery(const OsAnswers& answers, OsInfo& info) {
    info.majorVersion = answers.shortVersion & 0xFF;
    info.minorVersion = (answers.shortVersion >> 8) & 0xFF;
    info.buildNumber = 0;
    info.platformCode = PLATFORM_NT;
    CopyToReported(info);
    if (answers.productType == 0)
        return false;
    SetPlatform(info, answers.productType);
    return true;
}

static bool PlatformOf(uint32_t platformId, int32_t& code) {
    static const int32_t codes[] = {PLATFORM_WIN32S, PLATFORM_WIN9X, PLATFORM_NT, PLATFORM_CE};
    if (platformId >= sizeof codes / sizeof codes[0])
        return false;
    code = codes[platformId];
    return true;
}

bool BuildOsInfo(const OsAnswers& answers, OsInfo& info) {
    info = OsInfo();
    if (!answers.hasExtendedQuery)
        return BuildFromShortQuery(answers, info);
    if (!answers.extendedQueryOk || !PlatformOf(answers.platformId, info.platformCode))
        return false;
    info.majorVersion = answers.major;
    info.minorVersion = answers.minor;
    info.buildNumber = answers.build & 0xFFFF;
    if (info.platformCode == PLATFORM_WIN32S) {
        info.reportedMajor = 3;
        info.reportedMinor = 10;
        info.reportedBuild = 0;
        info.reportedPlatform = PLATFORM_WIN32S_REPORTED;
        return true;
    }
    CopyToReported(info);
    if (info.platformCode != PLATFORM_NT)
        return true;
    if (answers.terminalServer)
        info.reportedPlatform = PLATFORM_TERMINAL_SERVER;
    else if (answers.enterprise)
        SetPlatform(info, PLATFORM_ENTERPRISE);
    else if (answers.productType != 0)
        SetPlatform(info, answers.productType);
    return true;
}

static bool Is9x4(const OsInfo& info) {
    return info.reportedPlatform == PLATFORM_WIN9X && info.reportedMajor == 4;
}

bool IsWin95(const OsInfo& info) {
    return Is9x4(info) && info.reportedMinor == 0 && info.reportedBuild == 950;
}

bool IsWin95Sp1(const OsInfo& info) {
    return Is9x4(info) && info.reportedBuild >= 951 && info.reportedBuild <= 1080;
}

bool IsWin95Osr2(const OsInfo& info) {
    return Is9x4(info) && info.reportedMinor < 10 && info.reportedBuild >= 1081;
}

bool IsWin98(const OsInfo& info) {
    return Is9x4(info) && info.reportedMinor == 10 && info.reportedBuild == 1998;
}

bool IsWin98Sp1(const OsInfo& info) {
    return Is9x4(info) && info.reportedMinor == 10 && info.reportedBuild >= 1999 &&
           info.reportedBuild <= 2182;
}

bool IsWin9xLater(const OsInfo& info) {
    return (info.reportedPlatform == PLATFORM_WIN9X && info.reportedMajor > 4) ||
           (info.reportedMajor == 4 && info.reportedBuild >= 2183);
}

bool IsNt5(const OsInfo& info) {
    switch (info.reportedPlatform) {
    case PLATFORM_NT:
    case PLATFORM_NT_SERVER:
    case PLATFORM_NT_LANMAN:
    case PLATFORM_NT_LANSEC:
        return info.reportedMajor == 5;
    default:
        return false;
    }
}

static OsFlag Classify9x(const OsInfo& info) {
    if (IsWin95(info) || IsWin95Sp1(info) || IsWin95Osr2(info))
        return OS_WIN95;
    if (IsWin98(info) || IsWin98Sp1(info))
        return OS_WIN98;
    if (!IsWin9xLater(info))
        return OS_NONE;
    // Of the later builds only the two known releases are classified.
    if (info.reportedBuild == 2222)
        return OS_WIN98;
    return info.reportedBuild == 3000 ? OS_WINME : OS_NONE;
}

OsFlag ClassifyOs(const OsInfo& info) {
    switch (info.platformCode) {
    case PLATFORM_WIN9X:
        return Classify9x(info);
    case PLATFORM_NT:
    case PLATFORM_NT_SERVER:
    case PLATFORM_NT_LANMAN:
    case PLATFORM_NT_LANSEC:
        if (!IsNt5(info))
            return OS_NT_OTHER;
        return info.reportedBuild == 2600 ? OS_WINXP : OS_WIN2000;
    case PLATFORM_TERMINAL_SERVER:
    case PLATFORM_ENTERPRISE:
        return OS_NT_OTHER;
    default:
        return OS_NONE;
    }
}
