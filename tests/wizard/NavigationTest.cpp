// Moving through the wizard with Back, Next and Cancel, the keys, the exit question and closing.
#include "WizardRun.h"
#include "setup/core/SetupState.h"
#include <gtest/gtest.h>

using namespace uidriver;

namespace {

const int kBack = 1001, kNext = 1002, kCancel = 1010, kBrowser = 1003;
const int kRestartLater = 1015, kRestartNow = 1016;

// The title key of each page the wizard can reach without installing.
const char* const kTitleKeys[] = {nullptr, "P1T", "P3T", "P4T", "P5T"};

std::string ExpectedTitle(const CMediumTexts& texts, int step) {
    return step == 0 ? texts.Msg("13") : texts.Dlg(kTitleKeys[step]);
}

void ExpectStep(const CWizard& wizard, const CMediumTexts& texts, int step) {
    SCOPED_TRACE("step " + std::to_string(step));
    EXPECT_EQ(step, wizard.Step());
    EXPECT_EQ(ExpectedTitle(texts, step), wizard.PageTitle());
    EXPECT_EQ(ExpectedTitle(texts, step), Text(wizard.Frame()));
    EXPECT_EQ(step > 0, IsEnabled(wizard.FrameItem(kBack)));
    EXPECT_TRUE(IsVisible(wizard.FrameItem(kBack)));
    EXPECT_TRUE(IsVisible(wizard.FrameItem(kNext)));
    EXPECT_TRUE(IsEnabled(wizard.FrameItem(kNext)));
    EXPECT_EQ(texts.Msg("1"), Text(wizard.FrameItem(kBack)));
    EXPECT_EQ(texts.Msg("2"), Text(wizard.FrameItem(kNext)));
    EXPECT_EQ(texts.Msg("4"), Text(wizard.FrameItem(kCancel)));
    EXPECT_FALSE(IsVisible(wizard.FrameItem(kBrowser)));
    EXPECT_FALSE(IsVisible(wizard.FrameItem(kRestartLater)));
    EXPECT_FALSE(IsVisible(wizard.FrameItem(kRestartNow)));
    EXPECT_EQ(nullptr, wizard.Question());
}

CMediumTexts SampleTexts() {
    CMediumTexts texts(SampleMedium(), setupState.languageCode);
    EXPECT_NE("", texts.Msg("2")) << "the sample medium has no texts for "
                                  << setupState.languageCode;
    return texts;
}

} // namespace

TEST(WizardNavigation, NextAndBackWalkThePagesInOrderWithTheButtonStatesOfEachStep) {
    int result = RunWizard(SampleMedium(), [](CWizard& wizard) {
        CMediumTexts texts = SampleTexts();
        ExpectStep(wizard, texts, 0);
        EXPECT_EQ(kNext, FocusedId(wizard.Frame()));
        for (int step = 1; step <= 4; ++step) {
            wizard.Next();
            ExpectStep(wizard, texts, step);
        }
        for (int step = 3; step >= 0; --step) {
            wizard.Back();
            ExpectStep(wizard, texts, step);
        }
        EXPECT_EQ(kNext, FocusedId(wizard.Frame()));
    });
    EXPECT_EQ(2, result);
}

TEST(WizardNavigation, BackOnTheWelcomePageRestoresTheButtonTextsAfterTheyChanged) {
    RunWizard(SampleMedium(), [](CWizard& wizard) {
        wizard.Next();
        for (int id : {kBack, kNext, kCancel})
            SetWindowTextA(wizard.FrameItem(id), "changed");
        wizard.Back();
        ExpectStep(wizard, SampleTexts(), 0);
    });
}

TEST(WizardNavigation, EnterOnAFocusedButtonActsAsItsClickAndEscapeDoesNothing) {
    int result = RunWizard(SampleMedium(), [](CWizard& wizard) {
        CMediumTexts texts = SampleTexts();
        auto pressOn = [&](int id, WORD key) {
            wizard.Focus(wizard.FrameItem(id));
            EXPECT_EQ(id, FocusedId(wizard.Frame()));
            wizard.Press(wizard.FrameItem(id), key);
        };
        pressOn(kNext, VK_RETURN);
        ExpectStep(wizard, texts, 1);
        EXPECT_EQ(kNext, FocusedId(wizard.Frame()));
        pressOn(kNext, VK_RETURN);
        ExpectStep(wizard, texts, 2);
        for (int id : {kNext, kBack, kCancel}) {
            pressOn(id, VK_ESCAPE);
            ExpectStep(wizard, texts, 2);
            EXPECT_TRUE(IsVisible(wizard.Frame()));
        }
        pressOn(kBack, VK_RETURN);
        ExpectStep(wizard, texts, 1);
        EXPECT_EQ(kBack, FocusedId(wizard.Frame()));
        pressOn(kCancel, VK_RETURN);
        HWND question = wizard.WaitForQuestion();
        ASSERT_NE(nullptr, question);
        Click(GetDlgItem(question, IDOK));
        EXPECT_TRUE(WaitForGone(question));
        ExpectStep(wizard, texts, 1);
    });
    EXPECT_EQ(2, result);
}

TEST(WizardNavigation, EnterAndEscapeOnTheBackgroundMoveTheFocusToTheFrame) {
    RunWizard(SampleMedium(), [](CWizard& wizard) {
        for (WORD key : {VK_RETURN, VK_ESCAPE}) {
            // Recorded on the wizard's thread right before and after the key, before anything
            // else (a repaint) can move the focus.
            HWND before = nullptr, after = nullptr;
            std::function<void()> focusBackground = [&] {
                SetFocus(wizard.Background());
                before = GetFocus();
            };
            std::function<void()> recordFocus = [&] { after = GetFocus(); };
            wizard.QueueOnUiThread(focusBackground);
            ASSERT_TRUE(PressKey(wizard.Background(), key));
            wizard.OnUiThread(recordFocus);
            EXPECT_EQ(wizard.Background(), before) << key;
            EXPECT_TRUE(after == wizard.Frame() || IsChild(wizard.Frame(), after)) << key;
            EXPECT_TRUE(IsVisible(wizard.Background()));
            EXPECT_EQ(0, wizard.Step());
            EXPECT_EQ(nullptr, wizard.Question());
        }
    });
}

TEST(WizardNavigation, TheExitQuestionShowsItsTextsAndStaysOnItsFirstButtonAndEnter) {
    // The run ends when the driver's clean-up closes the background.
    int result = RunWizard(SampleMedium(), [](CWizard& wizard) {
        CMediumTexts texts = SampleTexts();
        wizard.Next();
        struct Stay {
            const char* how;
            std::function<void(HWND)> answer;
        } stays[] = {
            {"first button", [](HWND question) { Click(GetDlgItem(question, IDOK)); }},
            {"Enter", [](HWND question) { PressKeyOnFocus(question, VK_RETURN); }},
        };
        for (const Stay& stay : stays) {
            SCOPED_TRACE(stay.how);
            wizard.Click(kCancel);
            HWND question = wizard.WaitForQuestion();
            ASSERT_NE(nullptr, question);
            EXPECT_EQ(texts.Msg("20"), Text(question));
            EXPECT_EQ(texts.Msg("23"), Text(GetDlgItem(question, 1000)));
            EXPECT_EQ(texts.Msg("24"), Text(GetDlgItem(question, 1001)));
            EXPECT_EQ(texts.Msg("25"), Text(GetDlgItem(question, 1002)));
            EXPECT_EQ(texts.Msg("21"), Text(GetDlgItem(question, IDOK)));
            EXPECT_EQ(texts.Msg("22"), Text(GetDlgItem(question, IDCANCEL)));
            EXPECT_FALSE(IsEnabled(wizard.Frame()));
            stay.answer(question);
            EXPECT_TRUE(WaitForGone(question));
            ExpectStep(wizard, texts, 1);
            EXPECT_TRUE(IsEnabled(wizard.Frame()));
        }
    });
    EXPECT_EQ(2, result);
}

TEST(WizardNavigation, LeavingThroughTheExitQuestionEndsWithTwo) {
    struct Leave {
        const char* how;
        std::function<void(HWND)> answer;
    } leaves[] = {
        {"second button", [](HWND question) { Click(GetDlgItem(question, IDCANCEL)); }},
        {"Escape", [](HWND question) { PressKeyOnFocus(question, VK_ESCAPE); }},
        {"close box", [](HWND question) { CloseBySystemMenu(question); }},
    };
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.how);
        bool left = false;
        int result = RunWizard(SampleMedium(), [&](CWizard& wizard) {
            wizard.Next();
            wizard.Next();
            wizard.Click(kCancel);
            HWND question = wizard.WaitForQuestion();
            ASSERT_NE(nullptr, question);
            leave.answer(question);
            left = WaitForGone(wizard.Background());
        });
        EXPECT_TRUE(left);
        EXPECT_EQ(2, result);
    }
}

TEST(WizardNavigation, ClosingTheBackgroundEndsWithTwoWithoutAQuestion) {
    bool asked = false;
    int result = RunWizard(SampleMedium(), [&](CWizard& wizard) {
        wizard.Next();
        CloseBySystemMenu(wizard.Background());
        WaitUntil([&] { return !IsWindow(wizard.Background()) || wizard.Question() != nullptr; });
        asked = wizard.Question() != nullptr;
    });
    EXPECT_FALSE(asked);
    EXPECT_EQ(2, result);
}
