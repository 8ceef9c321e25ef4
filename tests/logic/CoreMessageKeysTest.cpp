// Key names of the message file, buffer sizes, the product placeholder and heap texts.
#include "common/logic/HeapText.h"
#include "setup/core/logic/MessageKeys.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

TEST(CoreMessageKeys, NamesAreUniqueAndInKeyOrder) {
    std::set<std::string> msg, dlg;
    for (int key = 0; key < MSG_COUNT; ++key)
        msg.insert(MsgKeyName(static_cast<MsgKey>(key)));
    for (int key = 0; key < DLG_COUNT; ++key)
        dlg.insert(DlgKeyName(static_cast<DlgKey>(key)));
    EXPECT_EQ(static_cast<size_t>(MSG_COUNT), msg.size());
    EXPECT_EQ(static_cast<size_t>(DLG_COUNT), dlg.size());
    EXPECT_STREQ("1", MsgKeyName(MSG_1));
    EXPECT_STREQ("13", MsgKeyName(MSG_13));
    EXPECT_STREQ("306", MsgKeyName(MSG_306));
    EXPECT_STREQ("P1T", DlgKeyName(DLG_P1T));
    EXPECT_STREQ("P51", DlgKeyName(DLG_P51));
    EXPECT_STREQ("PWHEEL52", DlgKeyName(DLG_PWHEEL52));
    EXPECT_STREQ("PF5", DlgKeyName(DLG_PF5));
}

TEST(CoreMessageKeys, OnlyP51HasTheLongBuffer) {
    for (int key = 0; key < DLG_COUNT; ++key) {
        DlgKey dlg = static_cast<DlgKey>(key);
        EXPECT_EQ(dlg == DLG_P51 ? 520u : 260u, DlgTextSize(dlg)) << DlgKeyName(dlg);
        EXPECT_EQ(dlg == DLG_P31 || dlg == DLG_PF1, HasProductPlaceholder(dlg)) << DlgKeyName(dlg);
    }
}

TEST(CoreMessageKeys, FirstProductPlaceholderBecomesAText) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Setup will install %P into this folder", "Setup will install %s into this folder"},
        {"%P is ready", "%s is ready"},
        {"%P and %P", "%s and %P"},
        {"no placeholder", "no placeholder"},
        {"100%", "100%"},
        {"%p stays", "%p stays"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        ConvertProductPlaceholder(&text[0]);
        EXPECT_EQ(c.expected, text) << c.text;
    }
}

TEST(CoreHeapText, CopiesExactlyAndFreesToAbsent) {
    char* text = NewText("abcdef", 3);
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ("abc", text);
    FreeText(text);
    EXPECT_EQ(nullptr, text);
    FreeText(text);
    char* empty = NewText("", 0);
    ASSERT_NE(nullptr, empty);
    EXPECT_STREQ("", empty);
    FreeText(empty);
}

} // namespace
