// Bounded copies and joins: results always terminated, cut at the buffer's end, reported when cut.
#include "common/logic/TextBuf.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

TEST(TextBuf, CopyCutsAt259AndReportsTheCut) {
    char buf[kPathSize];
    std::string long_text(300, 'x');
    EXPECT_FALSE(CopyText(buf, long_text.c_str()));
    EXPECT_EQ(std::string(259, 'x'), buf);
    EXPECT_TRUE(CopyText(buf, std::string(259, 'y').c_str()));
    EXPECT_EQ(std::string(259, 'y'), buf);
}

TEST(TextBuf, JoinsWithBackslashesAndNoNormalising) {
    struct Case {
        const char* a;
        const char* b;
        const char* c;
        const char* joined;
    } cases[] = {
        {"C:\\Program Files", "Radored", nullptr, "C:\\Program Files\\Radored"},
        {"", "K1", nullptr, "\\K1"},
        {"D:\\", "x", nullptr, "D:\\\\x"},
        {"\\K1", "D1", "", "\\K1\\D1\\"},
        {"a", "is-00001", "setuplan.enu", "a\\is-00001\\setuplan.enu"},
    };
    for (const Case& c : cases) {
        char buf[kPathSize];
        if (c.c)
            EXPECT_TRUE(JoinPath3(buf, c.a, c.b, c.c));
        else
            EXPECT_TRUE(JoinPath(buf, c.a, c.b));
        EXPECT_STREQ(c.joined, buf);
    }
}

TEST(TextBuf, JoinCutsAtTheBufferEndWhereverTheOverflowFalls) {
    std::string part(200, 'p');
    char buf[kPathSize];
    EXPECT_FALSE(JoinPath(buf, part.c_str(), part.c_str()));
    EXPECT_EQ(259u, strlen(buf));
    EXPECT_EQ('\\', buf[200]);
    char small[4];
    EXPECT_FALSE(JoinPath3(small, "ab", "cd", "ef"));
    EXPECT_STREQ("ab\\", small);
}

TEST(TextBuf, ReplaceFirstNeverFormats) {
    struct Case {
        const char* text;
        const char* joined;
    } cases[] = {
        {"Setup will install %s into this folder", "Setup will install Glide into this folder"},
        {"%s first", "Glide first"},
        {"no placeholder", "no placeholder"},
        {"%n%x %s%s", "%n%x Glide%s"},
    };
    for (const Case& c : cases) {
        char buf[kPathSize];
        EXPECT_TRUE(ReplaceFirst(buf, sizeof buf, c.text, "%s", "Glide"));
        EXPECT_STREQ(c.joined, buf);
    }
    char small[8];
    EXPECT_FALSE(ReplaceFirst(small, sizeof small, "ab%scd", "%s", "XYZW"));
    EXPECT_STREQ("abXYZWc", small);
}

TEST(TextBuf, AppendDecimal) {
    char buf[32] = "id ";
    EXPECT_TRUE(AppendDecimal(buf, sizeof buf, 0));
    EXPECT_TRUE(AppendDecimal(buf, sizeof buf, 4294967296ull));
    EXPECT_STREQ("id 04294967296", buf);
}
