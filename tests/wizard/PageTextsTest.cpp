// The texts of the pages: product name and display name put in, file texts shown as they are,
// absent texts leaving their controls empty, and the welcome page's styling.
#include "WizardRun.h"
#include "setup/core/SetupState.h"
#include "support/TempFolder.h"
#include <gtest/gtest.h>

using namespace uidriver;

namespace {

const char* const kLanguageCodes[] = {"chs", "cht", "deu", "nld", "enu",
                                      "FIN", "fra", "ita", "esp"};

// A medium whose texts hold printf conversions and leave some keys empty or missing.
class CTrickyMedium {
  public:
    CTrickyMedium() {
        m_folder.Write("setupm.ini", "[Product]\r\nProduct=Mouse %s%n Suite\r\n"
                                     "[Target]\r\nDir=Tricky\r\nFolder=Tricky Folder\r\n"
                                     "[Display Name]\r\nName=Tricky %x Mouse\r\n");
        std::string texts = "[MSG]\r\n2=Next\r\n13=Language\r\n"
                            "[DLG]\r\nP1T=Welcome %s%s\r\nP11=100% %n done\r\n"
                            "P3T=Destination\r\nP31=Install %P here; keep %n %s%s %x and %P\r\n"
                            "P32=\r\n";
        for (const char* code : kLanguageCodes)
            m_folder.Write(std::string("is-00001\\setuplan.") + code, texts);
    }
    const std::string& Path() const { return m_folder.Path(); }

  private:
    CTempFolder m_folder;
};

} // namespace

TEST(WizardPageTexts, DisplayAndProductNamesArePutInAndConversionsInFileTextsStayPlainText) {
    CTrickyMedium medium;
    RunWizard(medium.Path(), [&](CWizard& wizard) {
        wizard.Next();
        EXPECT_EQ("Welcome %s%s", wizard.PageTitle());
        EXPECT_EQ("Welcome %s%s", Text(wizard.Frame()));
        EXPECT_EQ("100% %n done", Text(wizard.Item(1003)));
        EXPECT_EQ("         Mouse %s%n Suite", Text(wizard.Item(1004)));
        wizard.Next();
        EXPECT_EQ("Install Tricky %x Mouse here; keep %n %s%s %x and %P", Text(wizard.Item(1003)));
    });
}

TEST(WizardPageTexts, AbsentTextsLeaveTheirControlsEmpty) {
    CTrickyMedium medium;
    RunWizard(medium.Path(), [&](CWizard& wizard) {
        EXPECT_EQ("", Text(wizard.FrameItem(1001)));
        EXPECT_EQ("", Text(wizard.FrameItem(1010)));
        EXPECT_EQ("Next", Text(wizard.FrameItem(1002)));
        wizard.Next();
        for (int id : {1005, 1006, 1007, 1008, 1009})
            EXPECT_EQ("", Text(wizard.Item(id))) << id;
        wizard.Next();
        EXPECT_EQ("", Text(wizard.Item(1005)));
        EXPECT_EQ("", Text(wizard.Item(1008)));
        wizard.Next();
        EXPECT_EQ("", wizard.PageTitle());
        EXPECT_EQ("", Text(wizard.Frame()));
        EXPECT_EQ("", Text(wizard.Item(1003)));
        wizard.Next();
        EXPECT_EQ("", Text(wizard.Item(1003)));
        wizard.Click(1010);
        HWND question = wizard.WaitForQuestion();
        ASSERT_NE(nullptr, question);
        for (int id : {IDOK, IDCANCEL, 1000, 1001, 1002})
            EXPECT_EQ("", Text(GetDlgItem(question, id))) << id;
        EXPECT_EQ("", Text(question));
    });
}

TEST(WizardPageTexts, TheWelcomePageShowsTheSampleTextsInTheirStyles) {
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        CMediumTexts texts(SampleMedium(), setupState.languageCode);
        wizard.Next();
        // Lines that are not made bold keep the weight of the dialog's font.
        struct Line {
            int id;
            std::string text;
            int height;
            int weight;
            COLORREF colour;
        } lines[] = {
            {1000, texts.Dlg("P1T"), -20, FW_BOLD, RGB(0, 0, 255)},
            {1003, texts.Dlg("P11"), -12, FW_DONTCARE, GetSysColor(COLOR_WINDOWTEXT)},
            {1004, "         Example Mouse Suite", -12, FW_BOLD, RGB(0, 0, 255)},
            {1005, texts.Dlg("P12"), -12, FW_DONTCARE, GetSysColor(COLOR_WINDOWTEXT)},
            {1006, texts.Dlg("P13"), -12, FW_DONTCARE, GetSysColor(COLOR_WINDOWTEXT)},
            {1007, texts.Dlg("P14"), -12, FW_DONTCARE, GetSysColor(COLOR_WINDOWTEXT)},
            {1008, texts.Dlg("P15"), -13, FW_BOLD, RGB(255, 0, 0)},
            {1009, texts.Dlg("P16"), -12, FW_DONTCARE, GetSysColor(COLOR_WINDOWTEXT)},
        };
        for (const Line& line : lines) {
            SCOPED_TRACE(line.id);
            HWND label = wizard.Item(line.id);
            EXPECT_EQ(line.text, Text(label));
            LabelFont font;
            ASSERT_TRUE(ReadLabelFont(label, font));
            EXPECT_EQ(line.height, font.height);
            EXPECT_EQ(line.weight, font.weight);
            COLORREF colour = 0;
            ASSERT_TRUE(ReadLabelTextColour(label, colour));
            EXPECT_EQ(line.colour, colour);
        }
    });
}

TEST(WizardPageTexts, TheDestinationAndReadyPagesShowTheSampleTexts) {
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        CMediumTexts texts(SampleMedium(), setupState.languageCode);
        wizard.Next();
        wizard.Next();
        std::string p31 = texts.Dlg("P31");
        size_t placeholder = p31.find("%P");
        ASSERT_NE(std::string::npos, placeholder);
        p31.replace(placeholder, 2, "Example Mouse Suite 2.1");
        EXPECT_EQ(p31, Text(wizard.Item(1003)));
        EXPECT_EQ(texts.Dlg("P32"), Text(wizard.Item(1005)));
        EXPECT_EQ(texts.Dlg("P33"), Text(wizard.Item(1008)));
        wizard.Next();
        EXPECT_EQ(texts.Dlg("P41"), Text(wizard.Item(1003)));
        EXPECT_EQ(texts.Dlg("P42"), Text(wizard.Item(1005)));
        EXPECT_EQ(texts.Dlg("P43"), Text(wizard.Item(1006)));
        wizard.Next();
        EXPECT_EQ(texts.Dlg("P51"), Text(wizard.Item(1003)));
        LabelFont font;
        ASSERT_TRUE(ReadLabelFont(wizard.Item(1000), font));
        EXPECT_EQ(-17, font.height);
    });
}
