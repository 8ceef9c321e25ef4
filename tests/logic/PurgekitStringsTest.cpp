// The uninstaller's strings file parser: key matching, values with "=", duplicates, line ends.
#include "purgekit/logic/RemovalTexts.h"
#include <gtest/gtest.h>
#include <string>

namespace {
struct Parsed {
    RemovalStrings strings = {};
    explicit Parsed(const std::string& file) {
        ParseRemovalStrings(strings, file.data(), file.size());
    }
    ~Parsed() { FreeRemovalTexts(strings); }
    bool Absent(RemovalKey key) const { return strings.text[key] == nullptr; }
    std::string Text(RemovalKey key) const { return RemovalText(strings, key); }
};
} // namespace

TEST(PurgekitStrings, ReadsEveryKey) {
    std::string file;
    for (int key = 0; key < RS_COUNT; ++key)
        file += std::string(RemovalKeyName(static_cast<RemovalKey>(key))) + "=text " +
                std::to_string(key) + "\r\n";
    Parsed parsed(file);
    for (int key = 0; key < RS_COUNT; ++key)
        EXPECT_EQ("text " + std::to_string(key), parsed.Text(static_cast<RemovalKey>(key)));
}

TEST(PurgekitStrings, EntryEdgeCases) {
    struct Case {
        const char* what;
        std::string file;
        RemovalKey key;
        bool absent;
        std::string text;
    } cases[] = {
        {"blank before =", "NEXTBTN =Next\n", RS_NEXTBTN, true, ""},
        {"blank after = stays", "NEXTBTN= Next \n", RS_NEXTBTN, false, " Next "},
        {"value keeps =", "P1=a=b==c\n", RS_P1, false, "a=b==c"},
        {"last duplicate wins", "P2=first\r\nP2=second\r\n", RS_P2, false, "second"},
        {"empty value is present", "P3=\n", RS_P3, false, ""},
        {"key case matters", "p1t=x\n", RS_P1T, true, ""},
        {"line without =", "P1T\nP4=x\n", RS_P1T, true, ""},
        {"prefix of a key", "P=x\nP1TX=y\n", RS_P1T, true, ""},
        {"LF only", "P4=a\nP5=b", RS_P5, false, "b"},
        {"last line without line end", "P5=end", RS_P5, false, "end"},
        {"CR inside a line stays", "P6=a\rb\n", RS_P6, false, "a\rb"},
        {"empty lines", "\n\r\n\nP22=x\n\n", RS_P22, false, "x"},
        {"code page bytes unconverted", "P23=\xA7\x5F\xA1\x41=\n", RS_P23, false,
         "\xA7\x5F\xA1\x41="},
        {"zero byte in a key", std::string("P1T\0=x\n", 7), RS_P1T, true, ""},
    };
    for (const Case& c : cases) {
        Parsed parsed(c.file);
        EXPECT_EQ(c.absent, parsed.Absent(c.key)) << c.what;
        EXPECT_EQ(c.text, parsed.Text(c.key)) << c.what;
    }
}

TEST(PurgekitStrings, LongLinesAndNoKnownKey) {
    std::string value(100000, 'v');
    Parsed parsed("junk line\n" + std::string(70000, 'k') + "=x\nABORTBTN=" + value + "\n");
    EXPECT_EQ(value, parsed.Text(RS_ABORTBTN));
    for (int key = 0; key < RS_COUNT; ++key) {
        EXPECT_EQ(key != RS_ABORTBTN, parsed.Absent(static_cast<RemovalKey>(key))) << key;
    }
}

TEST(PurgekitStrings, FreeAndReparseReplaceTexts) {
    RemovalStrings strings = {};
    FreeRemovalTexts(strings);
    std::string first = "P1T=one\n";
    ParseRemovalStrings(strings, first.data(), first.size());
    std::string second = "P1T=two\nP2T=x\n";
    ParseRemovalStrings(strings, second.data(), second.size());
    EXPECT_STREQ("two", strings.text[RS_P1T]);
    FreeRemovalTexts(strings);
    for (char* text : strings.text)
        EXPECT_EQ(nullptr, text);
    EXPECT_STREQ("", RemovalText(strings, RS_P1T));
}
