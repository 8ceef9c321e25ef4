// The language table, the default from the system language identifier, and the result codes.
#include "setup/core/logic/InstallResult.h"
#include "setup/core/logic/Languages.h"
#include <gtest/gtest.h>

namespace {

TEST(CoreLanguages, TableInListOrder) {
    const char* codes[] = {"chs", "cht", "deu", "nld", "enu", "FIN", "fra", "ita", "esp"};
    for (int32_t i = 0; i < kLanguageCount; ++i)
        EXPECT_STREQ(codes[i], LanguageCode(i)) << i;
    EXPECT_STREQ("Chinese (Simplified)", LanguageName(0));
    EXPECT_STREQ("Finnish", LanguageName(5));
    EXPECT_STREQ("Spanish(Traditional Sort)", LanguageName(8));
    EXPECT_EQ(nullptr, LanguageCode(-1));
    EXPECT_EQ(nullptr, LanguageCode(9));
    EXPECT_EQ(nullptr, LanguageName(9));
    EXPECT_STREQ("fra", LanguageCode(kFirstRunLanguage));
}

TEST(CoreLanguages, DefaultFromTheSystemLanguage) {
    struct Case {
        uint16_t id;
        const char* code;
    } cases[] = {
        {0x0404, "cht"}, {0x0407, "deu"}, {0x040A, "esp"}, {0x040B, "FIN"}, {0x040C, "fra"},
        {0x0410, "ita"}, {0x0413, "nld"}, {0x0804, "chs"}, {0x0807, "deu"}, {0x080A, "esp"},
        {0x080C, "fra"}, {0x0810, "ita"}, {0x0813, "nld"}, {0x0C04, "cht"}, {0x0C07, "deu"},
        {0x0C0A, "esp"}, {0x0C0C, "fra"}, {0x1004, "cht"}, {0x100C, "fra"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.code, LanguageCode(DefaultLanguageIndex(c.id, 4))) << std::hex << c.id;
}

TEST(CoreLanguages, UnlistedLanguageKeepsTheCurrentIndex) {
    for (uint16_t id : {0x0409, 0x0809, 0x0411, 0x0000, 0xFFFF}) {
        EXPECT_EQ(kFirstRunLanguage, DefaultLanguageIndex(id, kFirstRunLanguage)) << id;
        EXPECT_EQ(4, DefaultLanguageIndex(id, 4)) << id;
    }
}

TEST(CoreInstallResult, ModalResultToLauncherCode) {
    struct Case {
        int modal;
        bool nt;
        int32_t expected;
    } cases[] = {
        {2, false, 2},    {2, true, 2}, {12, false, 12}, {12, true, 12}, {6, false, 6},
        {6, true, 65542}, {0, true, 0}, {-1, false, 0},  {1, false, 0},  {65542, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, InstallResult(c.modal, c.nt)) << c.modal << " " << c.nt;
}

} // namespace
