// "Icons" lines: the three fields, the name placeholder filled without formatting, no comma.
#include "setup/engine/logic/IconsEntry.h"
#include <gtest/gtest.h>
#include <string>

TEST(EngineIconsEntry, SplitsAtTheFirstTwoCommas) {
    struct Case {
        const char* value;
        const char* file;
        const char* name;
        const char* icon;
    } cases[] = {
        {"glider9k.exe,Mouse Tool", "glider9k.exe", "Mouse Tool", ""},
        {"glider9k.exe,Notifier,res\\notify.ico", "glider9k.exe", "Notifier", "res\\notify.ico"},
        {" a.exe , b , c,d", " a.exe ", " b ", " c,d"},
        {"a.exe,", "a.exe", "", ""},
        {",b", "", "b", ""},
    };
    for (const Case& c : cases) {
        IconsEntry entry;
        ASSERT_TRUE(ParseIconsEntry(entry, c.value, "Product")) << c.value;
        EXPECT_STREQ(c.file, entry.file);
        EXPECT_STREQ(c.name, entry.name);
        EXPECT_STREQ(c.icon, entry.icon);
    }
}

TEST(EngineIconsEntry, FillsTheNamePlaceholderWithoutFormatting) {
    struct Case {
        const char* value;
        const char* product;
        const char* name;
    } cases[] = {
        {"g.exe,%s Help,tool.ico", "Mouse Suite", "Mouse Suite Help"},
        {"g.exe,%s", "Mouse Suite", "Mouse Suite"},
        {"g.exe,%s and %s", "P", "P and %s"},
        {"g.exe,100% %n %d", "P", "100% %n %d"},
        {"g.exe,%s", "%s%n", "%s%n"},
        {"g.exe,No placeholder", "P", "No placeholder"},
    };
    for (const Case& c : cases) {
        IconsEntry entry;
        ASSERT_TRUE(ParseIconsEntry(entry, c.value, c.product));
        EXPECT_STREQ(c.name, entry.name) << c.value;
    }
}

TEST(EngineIconsEntry, FilledNameIsCutAt259) {
    std::string product(300, 'p');
    IconsEntry entry;
    ASSERT_TRUE(ParseIconsEntry(entry, "g.exe,x%s", product.c_str()));
    EXPECT_EQ("x" + std::string(258, 'p'), entry.name);
}

TEST(EngineIconsEntry, ValueWithoutACommaIsRefused) {
    IconsEntry entry;
    EXPECT_FALSE(ParseIconsEntry(entry, "glider9k.exe", "P"));
    EXPECT_FALSE(ParseIconsEntry(entry, "", "P"));
}
