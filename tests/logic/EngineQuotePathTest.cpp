// Quoting and unquoting of helper paths: which paths change and which stay, and the buffer's end.
#include "common/logic/QuotePath.h"
#include "common/logic/TextBuf.h"
#include <gtest/gtest.h>
#include <string>

TEST(QuotePath, QuotesOnlyUnquotedPathsWithBlanks) {
    struct Case {
        const char* path;
        const char* quoted;
    } cases[] = {
        {"C:\\Program Files\\SETUP16.EXE", "\"C:\\Program Files\\SETUP16.EXE\""},
        {"C:\\MEDIUM\\SETUP16.EXE", "C:\\MEDIUM\\SETUP16.EXE"},
        {"\"C:\\Program Files\\x.exe\"", "\"C:\\Program Files\\x.exe\""},
        {"\"C:\\half quoted", "\"C:\\half quoted"},
        {"", ""},
        {" ", "\" \""},
    };
    for (const Case& c : cases) {
        char buf[kPathSize];
        CopyText(buf, c.path);
        QuotePath(buf, true);
        EXPECT_STREQ(c.quoted, buf) << c.path;
    }
}

TEST(QuotePath, UnquotesALeadingQuoteAndAClosingOne) {
    struct Case {
        const char* path;
        const char* unquoted;
    } cases[] = {
        {"\"C:\\Program Files\\x.exe\"", "C:\\Program Files\\x.exe"},
        {"\"C:\\open only", "C:\\open only"},
        {"C:\\closing only\"", "C:\\closing only\""},
        {"\"", ""},
        {"\"\"", ""},
        {"plain", "plain"},
    };
    for (const Case& c : cases) {
        char buf[kPathSize];
        CopyText(buf, c.path);
        QuotePath(buf, false);
        EXPECT_STREQ(c.unquoted, buf) << c.path;
    }
}

TEST(QuotePath, LeavesAPathWhoseQuotedFormWouldNotFit) {
    for (size_t length : {257u, 258u, 259u}) {
        std::string path = "C:\\a b" + std::string(length - 6, 'x');
        char buf[kPathSize];
        CopyText(buf, path.c_str());
        QuotePath(buf, true);
        if (length == 257u)
            EXPECT_EQ("\"" + path + "\"", buf);
        else
            EXPECT_EQ(path, buf) << length;
    }
}
