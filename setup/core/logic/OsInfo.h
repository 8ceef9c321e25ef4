// Classification of the running Windows from what its version queries answer (no Windows calls).
#pragma once
#include <stdint.h>

// Platform codes of an OsInfo record.
enum PlatformCode {
    PLATFORM_WIN32S = 0,
    PLATFORM_WIN9X = 1,
    PLATFORM_NT = 2, // product type "WINNT", or none recognised
    PLATFORM_WIN32S_REPORTED = 3,
    PLATFORM_NT_SERVER = 6,
    PLATFORM_NT_LANMAN = 7,
    PLATFORM_NT_LANSEC = 8,
    PLATFORM_CE = 9,
    PLATFORM_TERMINAL_SERVER = 10, // reported view only
    PLATFORM_ENTERPRISE = 11,
};

// The version numbers in two views: the branch of the classification reads platformCode, the
// predicates read the reported view.
struct OsInfo {
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t buildNumber; // low 16 bits; 0 from the short query
    int32_t platformCode;
    uint32_t reportedMajor;
    uint32_t reportedMinor;
    uint32_t reportedBuild;
    int32_t reportedPlatform;
};

// What the system answered, as the version detection gathers it.
struct OsAnswers {
    bool hasExtendedQuery; // GetVersionExA exists
    bool extendedQueryOk;  // and succeeded, filling the four numbers below
    uint32_t major;
    uint32_t minor;
    uint32_t build;
    uint32_t platformId;
    uint32_t shortVersion; // GetVersion: low byte major, second byte minor
    bool terminalServer;   // an entry of the NT product suite contains "Terminal Server"
    bool enterprise;       // ... "Enterprise"
    int32_t productType;   // code of the NT product type (2, 6, 7, 8); 0 when there is none
};

// The classes of Windows the setup tells apart; at most one is set.
enum OsFlag { OS_NONE, OS_WIN95, OS_WIN98, OS_WINME, OS_WINXP, OS_WIN2000, OS_NT_OTHER };

// Fills info from the answers; false when the version cannot be determined (failed extended
// query, unknown platform identifier, short query without a product type). info is always set.
bool BuildOsInfo(const OsAnswers& answers, OsInfo& info);
// The class of a filled record; OS_NONE when it belongs to none.
OsFlag ClassifyOs(const OsInfo& info);

bool IsWin95(const OsInfo& info);
bool IsWin95Sp1(const OsInfo& info);
bool IsWin95Osr2(const OsInfo& info);
bool IsWin98(const OsInfo& info);
bool IsWin98Sp1(const OsInfo& info);
bool IsWin9xLater(const OsInfo& info);
bool IsNt5(const OsInfo& info);
