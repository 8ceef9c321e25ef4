// Classification of Windows versions from the answers of the version queries, including what
// Wine cannot show: no extended query, Win32s, CE, product suites, product type spellings.
#include "setup/core/logic/OsInfo.h"
#include "setup/core/logic/ProductOptions.h"
#include <gtest/gtest.h>
#include <string>

namespace {

OsAnswers Extended(uint32_t major, uint32_t minor, uint32_t build, uint32_t platformId) {
    OsAnswers answers = {};
    answers.hasExtendedQuery = true;
    answers.extendedQueryOk = true;
    answers.major = major;
    answers.minor = minor;
    answers.build = build;
    answers.platformId = platformId;
    return answers;
}

OsAnswers Nt(uint32_t major, uint32_t minor, uint32_t build, int32_t productType = 2) {
    OsAnswers answers = Extended(major, minor, build, 2);
    answers.productType = productType;
    return answers;
}

OsFlag Classify(const OsAnswers& answers) {
    OsInfo info;
    return BuildOsInfo(answers, info) ? ClassifyOs(info) : OS_NONE;
}

TEST(CoreOsInfo, ClassifiesEachVersion) {
    OsAnswers terminalXp = Nt(5, 1, 2600);
    terminalXp.terminalServer = true;
    OsAnswers enterprise2k = Nt(5, 0, 2195);
    enterprise2k.enterprise = true;
    OsAnswers enterpriseNt4 = Nt(4, 0, 1381);
    enterpriseNt4.enterprise = true;
    OsAnswers failedQuery = Nt(5, 1, 2600);
    failedQuery.extendedQueryOk = false;
    struct Case {
        const char* what;
        OsAnswers answers;
        OsFlag expected;
    } cases[] = {
        {"95", Extended(4, 0, 950, 1), OS_WIN95},
        {"95 build in the high word", Extended(4, 0, 0x040003B6, 1), OS_WIN95},
        {"95 SP1", Extended(4, 0, 1080, 1), OS_WIN95},
        {"95 OSR2", Extended(4, 0, 1111, 1), OS_WIN95},
        {"98", Extended(4, 10, 1998, 1), OS_WIN98},
        {"98 SP1", Extended(4, 10, 2182, 1), OS_WIN98},
        {"98 SE", Extended(4, 10, 2222, 1), OS_WIN98},
        {"Me", Extended(4, 90, 3000, 1), OS_WINME},
        {"unknown later 9x build", Extended(4, 10, 2500, 1), OS_NONE},
        {"XP", Nt(5, 1, 2600), OS_WINXP},
        {"2000", Nt(5, 0, 2195), OS_WIN2000},
        {"Server 2003", Nt(5, 2, 3790, 6), OS_WIN2000},
        {"XP as a server product", Nt(5, 1, 2600, 7), OS_WINXP},
        {"NT 4", Nt(4, 0, 1381), OS_NT_OTHER},
        {"Vista", Nt(6, 0, 6002), OS_NT_OTHER},
        {"NT without a product type", Nt(5, 0, 2195, 0), OS_WIN2000},
        {"XP terminal server", terminalXp, OS_NT_OTHER},
        {"2000 enterprise", enterprise2k, OS_NT_OTHER},
        {"NT 4 enterprise", enterpriseNt4, OS_NT_OTHER},
        {"Win32s", Extended(3, 10, 0, 0), OS_NONE},
        {"Windows CE", Extended(4, 0, 950, 3), OS_NONE},
        {"unknown platform", Extended(5, 1, 2600, 4), OS_NONE},
        {"failed extended query", failedQuery, OS_NONE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Classify(c.answers)) << c.what;
}

TEST(CoreOsInfo, ShortQueryNeedsAProductType) {
    OsAnswers answers = {};
    answers.shortVersion = 0x05650004; // NT 4.0
    answers.terminalServer = true;     // never consulted on this path
    OsInfo info;
    EXPECT_FALSE(BuildOsInfo(answers, info));

    answers.productType = 6;
    ASSERT_TRUE(BuildOsInfo(answers, info));
    EXPECT_EQ(4u, info.majorVersion);
    EXPECT_EQ(0u, info.minorVersion);
    EXPECT_EQ(0u, info.buildNumber);
    EXPECT_EQ(6, info.platformCode);
    EXPECT_EQ(6, info.reportedPlatform);
    EXPECT_EQ(OS_NT_OTHER, ClassifyOs(info));

    answers.shortVersion = 0x00000005; // NT 5.0 without a build number
    ASSERT_TRUE(BuildOsInfo(answers, info));
    EXPECT_EQ(OS_WIN2000, ClassifyOs(info));
}

TEST(CoreOsInfo, ReportedViewOfWin32sAndTerminalServer) {
    OsInfo info;
    ASSERT_TRUE(BuildOsInfo(Extended(1, 30, 7, 0), info));
    EXPECT_EQ(PLATFORM_WIN32S, info.platformCode);
    EXPECT_EQ(1u, info.majorVersion);
    EXPECT_EQ(PLATFORM_WIN32S_REPORTED, info.reportedPlatform);
    EXPECT_EQ(3u, info.reportedMajor);
    EXPECT_EQ(10u, info.reportedMinor);
    EXPECT_EQ(0u, info.reportedBuild);

    OsAnswers terminal = Nt(5, 0, 2195, 6);
    terminal.terminalServer = true;
    terminal.enterprise = true;
    ASSERT_TRUE(BuildOsInfo(terminal, info));
    EXPECT_EQ(PLATFORM_NT, info.platformCode);
    EXPECT_EQ(PLATFORM_TERMINAL_SERVER, info.reportedPlatform);

    ASSERT_TRUE(BuildOsInfo(Extended(4, 0, 950, 3), info));
    EXPECT_EQ(PLATFORM_CE, info.platformCode);
}

TEST(CoreOsInfo, PredicatesAtTheirEdges) {
    OsInfo info = {};
    info.reportedPlatform = PLATFORM_WIN9X;
    info.reportedMajor = 4;
    info.reportedBuild = 950;
    EXPECT_TRUE(IsWin95(info));
    info.reportedBuild = 951;
    EXPECT_FALSE(IsWin95(info));
    EXPECT_TRUE(IsWin95Sp1(info));
    info.reportedBuild = 1081;
    EXPECT_FALSE(IsWin95Sp1(info));
    EXPECT_TRUE(IsWin95Osr2(info));
    info.reportedMinor = 10;
    EXPECT_FALSE(IsWin95Osr2(info));
    info.reportedBuild = 1999;
    EXPECT_TRUE(IsWin98Sp1(info));
    info.reportedBuild = 2183;
    EXPECT_FALSE(IsWin98Sp1(info));
    EXPECT_TRUE(IsWin9xLater(info));
    info.reportedMajor = 5;
    info.reportedBuild = 0;
    EXPECT_TRUE(IsWin9xLater(info));
    info.reportedPlatform = PLATFORM_NT_LANSEC;
    EXPECT_TRUE(IsNt5(info));
    info.reportedPlatform = PLATFORM_ENTERPRISE;
    EXPECT_FALSE(IsNt5(info));
}

TEST(CoreProductOptions, ProductTypeInAnyCase) {
    struct Case {
        const char* text;
        bool known;
        int32_t code;
    } cases[] = {
        {"WinNT", true, 2},      {"WINNT", true, 2},    {"ServerNT", true, 6},
        {"lanmannt", true, 7},   {"LanSecNt", true, 8}, {"SERVER", false, 0},
        {"WINNTX", false, 0},    {"", false, 0},        {"W\x81NNT", false, 0},
        {"serverNT ", false, 0},
    };
    for (const Case& c : cases) {
        int32_t code = -1;
        EXPECT_EQ(c.known, ProductTypeCode(c.text, code)) << c.text;
        EXPECT_EQ(c.known ? c.code : -1, code) << c.text;
    }
}

bool NoLeadBytes(unsigned char) {
    return false;
}
bool ChineseLeadBytes(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

bool Contains(const std::string& list, const char* name,
              bool (*isLeadByte)(unsigned char) = NoLeadBytes) {
    return SuiteListContains(list.data(), list.size(), name, isLeadByte);
}

TEST(CoreProductOptions, SuiteEntriesAreSearchedInAnyCase) {
    using namespace std::string_literals;
    EXPECT_TRUE(Contains("Small Business\0Terminal Server\0\0"s, "Terminal Server"));
    EXPECT_TRUE(Contains("TERMINAL SERVER\0\0"s, "Terminal Server"));
    EXPECT_TRUE(Contains("Microsoft terminal server edition\0\0"s, "Terminal Server"));
    EXPECT_TRUE(Contains("Enterprise\0\0"s, "Enterprise"));
    EXPECT_FALSE(Contains("Terminal\0Server\0\0"s, "Terminal Server"));
    EXPECT_FALSE(Contains("Small Business\0\0"s, "Enterprise"));
    // The list ends at the first empty entry.
    EXPECT_FALSE(Contains("Small Business\0\0Enterprise\0\0"s, "Enterprise"));
    EXPECT_FALSE(Contains(""s, "Enterprise"));
}

TEST(CoreProductOptions, SuiteListWithoutTerminatorsEndsAtItsSize) {
    std::string list = "Enterprise";
    EXPECT_TRUE(Contains(list, "Enterprise"));
    EXPECT_FALSE(Contains(list.substr(0, 9), "Enterprise"));
}

TEST(CoreProductOptions, DoubleByteCharactersAreNotTakenForLetters) {
    using namespace std::string_literals;
    // "\x81" leads a character whose trail byte happens to be 'E'.
    std::string hidden = "\x81"
                         "Enterprise\0\0"s;
    EXPECT_TRUE(Contains(hidden, "Enterprise", NoLeadBytes));
    EXPECT_FALSE(Contains(hidden, "Enterprise", ChineseLeadBytes));
    EXPECT_TRUE(Contains("\x81\x40 Enterprise\0\0"s, "enterprise", ChineseLeadBytes));
    // A lead byte as the entry's last byte does not reach into the next entry.
    EXPECT_FALSE(Contains("\x81\0Enterprise"s,
                          "\x81"
                          "E",
                          ChineseLeadBytes));
}

} // namespace
