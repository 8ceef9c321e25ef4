// The language page: its list, the default row per system language, and switching the language.
#include "WizardRun.h"
#include "setup/core/SetupState.h"
#include "support/ChildRun.h"
#include <gtest/gtest.h>
#include <cstdlib>

using namespace uidriver;

namespace {

const int kTitle = 1000, kList = 1014, kBack = 1001, kNext = 1002, kCancel = 1010;
const int kEnglishRow = 4;

// Height of a title drawn at 16 and 15 points on a 96 dpi screen.
const int kHeight16Points = -21;
const int kHeight15Points = -20;

LabelFont TitleFont(const CWizard& wizard) {
    LabelFont font;
    EXPECT_TRUE(ReadLabelFont(wizard.Item(kTitle), font));
    return font;
}

} // namespace

TEST(WizardLanguagePage, ListsTheNineLanguagesInTableOrderAndSelectsTheCurrentOne) {
    RunWizard(SampleMedium(), [](CWizard& wizard) {
        std::vector<std::string> expected = {"Chinese (Simplified)",
                                             "Chinese (Traditional)",
                                             "Deutsch",
                                             "Dutch",
                                             "English",
                                             "Finnish",
                                             "French",
                                             "Italian",
                                             "Spanish(Traditional Sort)"};
        EXPECT_EQ(expected, ListItems(wizard.Item(kList)));
        EXPECT_EQ(setupState.languageIndex, ListSelection(wizard.Item(kList)));
        LabelFont font = TitleFont(wizard);
        EXPECT_EQ(kHeight16Points, font.height);
        EXPECT_EQ(FW_BOLD, font.weight);
        EXPECT_TRUE(font.italic);
        COLORREF colour = 0;
        EXPECT_TRUE(ReadLabelTextColour(wizard.Item(kTitle), colour));
        EXPECT_EQ(RGB(0, 0, 255), colour);
    });
}

TEST(WizardLanguagePage, ChoosingEnglishRelabelsEverythingAtOnceInEnglish) {
    RunWizard(SampleMedium(), [](CWizard& wizard) {
        CMediumTexts english(SampleMedium(), "enu");
        ASSERT_NE(kEnglishRow, setupState.languageIndex)
            << "the run must start in another language";
        ASSERT_TRUE(SelectListRow(wizard.Item(kList), kEnglishRow));
        wizard.Settle();
        EXPECT_STREQ("enu", setupState.languageCode);
        EXPECT_EQ(kEnglishRow, setupState.languageIndex);
        EXPECT_EQ(english.Msg("10"), Text(wizard.Background()));
        EXPECT_EQ(english.Msg("13"), Text(wizard.Frame()));
        EXPECT_EQ(english.Msg("13"), Text(wizard.Item(kTitle)));
        EXPECT_EQ(english.Msg("1"), Text(wizard.FrameItem(kBack)));
        EXPECT_EQ(english.Msg("2"), Text(wizard.FrameItem(kNext)));
        EXPECT_EQ(english.Msg("4"), Text(wizard.FrameItem(kCancel)));
        EXPECT_EQ(9u, ListItems(wizard.Item(kList)).size());
        EXPECT_EQ(kEnglishRow, ListSelection(wizard.Item(kList)));
        EXPECT_EQ(kHeight15Points, TitleFont(wizard).height);

        wizard.Next();
        EXPECT_EQ(english.Dlg("P1T"), wizard.PageTitle());
        EXPECT_EQ(english.Dlg("P11"), Text(wizard.Item(1003)));
        wizard.Back();
        EXPECT_EQ(kHeight16Points, TitleFont(wizard).height);
        EXPECT_EQ(kEnglishRow, ListSelection(wizard.Item(kList)));
        EXPECT_EQ(english.Msg("13"), Text(wizard.Item(kTitle)));
    });
}

// Run in a child process under a system language; EXPECTED_ROW names the row it must start on.
TEST(WizardLanguageChild, DISABLED_StartsOnTheRowOfTheSystemLanguage) {
    const char* expected = getenv("EXPECTED_ROW");
    ASSERT_NE(nullptr, expected);
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        EXPECT_EQ(atoi(expected), ListSelection(wizard.Item(kList)));
    });
}

TEST(WizardLanguagePage, StartsOnTheRowOfTheSystemLanguage) {
    struct Case {
        const char* locale;
        int row;
    } cases[] = {
        {"en_US.UTF-8", 6}, // not in the table: the first run starts in French
        {"de_CH.UTF-8", 2},
        {"zh_SG.UTF-8", 1},
        {"fi_FI.UTF-8", 5},
    };
    for (const Case& c : cases) {
        ChildOptions options;
        options.locale = c.locale;
        options.environment = {{"EXPECTED_ROW", std::to_string(c.row)},
                               {"MEDIUM_DIR", SampleMedium()}};
        ChildResult child = RunTestInChild(
            "WizardLanguageChild.DISABLED_StartsOnTheRowOfTheSystemLanguage", options);
        EXPECT_TRUE(child.finished) << c.locale;
        EXPECT_EQ(0u, child.exitCode) << c.locale << "\n" << child.output;
    }
}
