// The link label on real windows: font description, colours, painting, blinking and clicks.
#include "TestIds.h"
#include "common/Dialog.h"
#include "common/LinkLabel.h"
#include "common/logic/LabelMetrics.h"
#include "support/TestSupport.h"
#include "DialogScript.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string.h>

using namespace uidriver;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);

// The label test dialog (a bold dialog font) with its title bound as a label; records clicks.
class CLabelDialog : public CDialog {
  public:
    CLabelDialog() : CDialog(IDD_LABELS) {}
    CLinkLabel m_title;
    std::vector<std::pair<int, UINT>> m_notifications;

  protected:
    void DoDataExchange(CDataExchange& dx) override { dx.Control(IDC_LABEL, m_title); }
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override {
        m_notifications.push_back({id, header->code});
        result = 0;
        return true;
    }
};

class LinkLabel : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(nullptr)); }
    // A static child of the dialog of width x height pixels, created without a font.
    HWND AddStatic(int width, int height, DWORD style = SS_LEFT, const char* text = "") {
        return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 40, width,
                               height, m_dialog.Handle(), (HMENU)(INT_PTR)m_nextId++, nullptr,
                               nullptr);
    }
    std::vector<COLORREF> Capture(const CLinkLabel& label, int& width, int& height) {
        return CaptureClient(label.Handle(), width, height);
    }
    static int ScreenDpi() {
        HDC screen = GetDC(nullptr);
        int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dpi;
    }
    CLabelDialog m_dialog;
    int m_nextId = 2000;
};

bool Contains(const std::vector<COLORREF>& pixels, COLORREF colour) {
    for (COLORREF pixel : pixels)
        if (pixel == colour)
            return true;
    return false;
}

// Lowest row (from the top) that holds a pixel of colour, -1 when none does.
int LastRowWith(const std::vector<COLORREF>& pixels, int width, COLORREF colour) {
    int last = -1;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == colour)
            last = (int)i / width;
    return last;
}

struct PointCase {
    int points;
    int height;
};

class LabelPointSize : public LinkLabel, public testing::WithParamInterface<PointCase> {};

TEST_P(LabelPointSize, GivesTheScreenHeightOfThePoints) {
    ASSERT_EQ(96, ScreenDpi());
    m_dialog.m_title.SetPointSize(GetParam().points);
    LabelFont font;
    ASSERT_TRUE(ReadLabelFont(m_dialog.m_title.Handle(), font));
    EXPECT_EQ(GetParam().height, font.height);
    EXPECT_EQ(0, m_dialog.m_title.FontDescription().lfWidth);
    LOGFONTA made = {};
    ASSERT_NE(nullptr, m_dialog.m_title.Font());
    GetObjectA(m_dialog.m_title.Font(), sizeof made, &made);
    EXPECT_EQ(GetParam().height, made.lfHeight);
}

INSTANTIATE_TEST_SUITE_P(At96Dpi, LabelPointSize,
                         testing::Values(PointCase{9, -12}, PointCase{15, -20},
                                         PointCase{16, -21}));

TEST_F(LinkLabel, StartsWithTheDialogFont) {
    LabelFont font;
    ASSERT_TRUE(ReadLabelFont(m_dialog.m_title.Handle(), font));
    EXPECT_EQ("MS Shell Dlg", font.face);
    EXPECT_EQ(700, font.weight);
    EXPECT_EQ(-11, font.height);
}

TEST_F(LinkLabel, BoldOffGivesNormalWeightNotTheDialogs) {
    m_dialog.m_title.SetBold(true);
    EXPECT_EQ(700, m_dialog.m_title.FontDescription().lfWeight);
    m_dialog.m_title.SetBold(false);
    EXPECT_EQ(400, m_dialog.m_title.FontDescription().lfWeight);
}

TEST_F(LinkLabel, ChainedSettersAllApplyToTheOneLabel) {
    CLinkLabel& same = m_dialog.m_title.SetItalic(true)
                           .SetPointSize(16)
                           .SetBold(true)
                           .SetCaption("Title text")
                           .SetForeground(kBlue);
    EXPECT_EQ(&m_dialog.m_title, &same);
    LabelFont font;
    ASSERT_TRUE(ReadLabelFont(same.Handle(), font));
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(-21, font.height);
    EXPECT_EQ(700, font.weight);
    EXPECT_EQ("Title text", Text(same.Handle()));
    COLORREF colour = 0;
    ASSERT_TRUE(ReadLabelTextColour(same.Handle(), colour));
    EXPECT_EQ(kBlue, colour);
    same.SetItalic(false);
    EXPECT_FALSE(same.FontDescription().lfItalic);
}

TEST_F(LinkLabel, DrawsItsTextInTheForegroundColour) {
    m_dialog.m_title.SetBold(true).SetCaption("WWWW").SetForeground(kRed);
    int width, height;
    std::vector<COLORREF> pixels = Capture(m_dialog.m_title, width, height);
    COLORREF ink = 0;
    ASSERT_FALSE(pixels.empty());
    EXPECT_TRUE(Contains(pixels, kRed));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pixels[0]);
    ASSERT_TRUE(ReadInkColour(m_dialog.m_title.Handle(), ink));
    EXPECT_EQ(kRed, ink);
}

TEST_F(LinkLabel, SolidBackgroundFillsAndSeeThroughFillsNothing) {
    m_dialog.m_title.SetBackground(kGreen);
    int width, height;
    std::vector<COLORREF> pixels = Capture(m_dialog.m_title, width, height);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(kGreen, pixels[0]);
    EXPECT_EQ(kGreen, pixels.back());
    m_dialog.m_title.SetSeeThrough(true);
    pixels = Capture(m_dialog.m_title, width, height);
    EXPECT_EQ(RGB(0, 0, 0), pixels[0]);
    EXPECT_TRUE(GetWindowLongA(m_dialog.m_title.Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(LinkLabel, FaceNamesLongerThan31CharactersAreCut) {
    const char* longName = "An Extraordinarily Long Font Face Name Of 48 Chr";
    m_dialog.m_title.SetFace(longName, ANSI_CHARSET);
    const LOGFONTA& font = m_dialog.m_title.FontDescription();
    EXPECT_EQ(31u, strlen(font.lfFaceName));
    EXPECT_EQ(0, strncmp(longName, font.lfFaceName, 31));
    EXPECT_EQ(ANSI_CHARSET, font.lfCharSet);
}

TEST_F(LinkLabel, ControlWithoutFontKeepsTheDescriptionTheLabelHas) {
    CLinkLabel label;
    label.SetPointSize(16).SetItalic(true).SetFace("Times New Roman");
    HWND plain = AddStatic(100, 20);
    ASSERT_EQ(0, SendMessageA(plain, WM_GETFONT, 0, 0));
    ASSERT_TRUE(label.AttachWindow(plain));
    EXPECT_EQ(-21, label.FontDescription().lfHeight);
    EXPECT_TRUE(label.FontDescription().lfItalic);
    EXPECT_STREQ("Times New Roman", label.FontDescription().lfFaceName);
    EXPECT_NE(nullptr, label.Font());
}

struct GradientCase {
    int width;
    int bands;
    int firstBandWidth;
    int lastBandLeft;
};

class LabelGradient : public LinkLabel, public testing::WithParamInterface<GradientCase> {};

TEST_P(LabelGradient, PaintsTheBandsAcrossTheWidth) {
    CLinkLabel label;
    ASSERT_TRUE(label.AttachWindow(AddStatic(GetParam().width, 10)));
    label.SetBackground(kRed, kBlue, true);
    int width, height;
    std::vector<COLORREF> pixels = Capture(label, width, height);
    ASSERT_EQ(GetParam().width, width);
    std::vector<int> runStarts;
    for (int x = 0; x < width; ++x)
        if (x == 0 || pixels[(size_t)x] != pixels[(size_t)x - 1])
            runStarts.push_back(x);
    ASSERT_EQ((size_t)GetParam().bands, runStarts.size());
    EXPECT_EQ(GetParam().firstBandWidth, runStarts[1]);
    EXPECT_EQ(GetParam().lastBandLeft, runStarts.back());
    EXPECT_EQ(kRed, pixels[0]);
    EXPECT_EQ(pixels[0], pixels[(size_t)(height - 1) * width]);
}

INSTANTIATE_TEST_SUITE_P(Widths, LabelGradient,
                         testing::Values(GradientCase{50, 50, 1, 49},
                                         GradientCase{250, 100, 2, 198}));

TEST_F(LinkLabel, LeftNoWrapStyleKeepsOneLineWhereThePlainStyleWraps) {
    const char* text = "WWWW WWWW WWWW WWWW";
    CLinkLabel wrapping, single;
    ASSERT_TRUE(wrapping.AttachWindow(AddStatic(60, 60, SS_LEFT)));
    ASSERT_TRUE(single.AttachWindow(AddStatic(60, 60, SS_LEFTNOWORDWRAP)));
    for (CLinkLabel* label : {&wrapping, &single})
        label->SetFace("Arial").SetPointSize(9).SetCaption(text).SetForeground(kRed);
    int width, height;
    std::vector<COLORREF> wrapped = Capture(wrapping, width, height);
    int wrappedRows = LastRowWith(wrapped, width, kRed);
    std::vector<COLORREF> oneLine = Capture(single, width, height);
    int singleRows = LastRowWith(oneLine, width, kRed);
    EXPECT_GT(singleRows, 0);
    EXPECT_GT(wrappedRows, singleRows + 8);
}

TEST_F(LinkLabel, BlinkingTextVanishesInTheOffPhaseAndStopsWhenOff) {
    CLinkLabel& label = m_dialog.m_title;
    label.SetCaption("WWWW").SetForeground(kRed).BlinkText(true);
    EXPECT_EQ(1, label.BlinkMode());
    EXPECT_EQ(0, label.BlinkPhase());
    int width, height;
    std::vector<COLORREF> pixels = Capture(label, width, height);
    EXPECT_FALSE(Contains(pixels, kRed));
    EXPECT_TRUE(Contains(pixels, RGB(0, 0, 0)));
    SendMessageA(label.Handle(), WM_TIMER, CLinkLabel::kBlinkTimer, 0);
    EXPECT_EQ(1, label.BlinkPhase());
    EXPECT_TRUE(Contains(Capture(label, width, height), kRed));
    SendMessageA(label.Handle(), WM_TIMER, CLinkLabel::kBlinkTimer, 0);
    label.BlinkText(true);
    EXPECT_EQ(0, label.BlinkPhase());
    EXPECT_TRUE(WaitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return label.BlinkPhase() == 1;
    }));
    label.BlinkText(false);
    EXPECT_EQ(0, label.BlinkMode());
    EXPECT_FALSE(KillTimer(label.Handle(), CLinkLabel::kBlinkTimer));
    EXPECT_TRUE(Contains(Capture(label, width, height), kRed));
}

TEST_F(LinkLabel, BlinkingBackgroundAlternatesWithTheDefaultBackground) {
    CLinkLabel& label = m_dialog.m_title;
    label.SetBackground(kGreen).BlinkBackground(true);
    EXPECT_EQ(2, label.BlinkMode());
    int width, height;
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Capture(label, width, height)[0]);
    SendMessageA(label.Handle(), WM_TIMER, CLinkLabel::kBlinkTimer, 0);
    EXPECT_EQ(kGreen, Capture(label, width, height)[0]);
    SendMessageA(label.Handle(), WM_TIMER, CLinkLabel::kBlinkTimer, 0);
    label.BlinkBackground(false);
    EXPECT_EQ(2, label.BlinkMode());
    EXPECT_EQ(kGreen, Capture(label, width, height)[0]);
}

TEST_F(LinkLabel, StoppingTheBlinkThroughTheBackgroundLeavesTheTextVisible) {
    CLinkLabel& label = m_dialog.m_title;
    label.SetCaption("WWWW").SetForeground(kRed).BlinkText(true).BlinkBackground(false);
    EXPECT_EQ(1, label.BlinkMode());
    int width, height;
    EXPECT_TRUE(Contains(Capture(label, width, height), kRed));
}

TEST_F(LinkLabel, EmbossedTextIsDrawnASecondTimeInTheEmbossColour) {
    m_dialog.m_title.SetCaption("WWWW").SetForeground(kRed);
    int width, height;
    EXPECT_FALSE(Contains(Capture(m_dialog.m_title, width, height), kGreen));
    m_dialog.m_title.SetEmbossColour(kGreen).SetEmbossed(true, true);
    EXPECT_TRUE(Contains(Capture(m_dialog.m_title, width, height), kGreen));
}

TEST_F(LinkLabel, AngledTextStandsUpright) {
    CLinkLabel label;
    ASSERT_TRUE(label.AttachWindow(AddStatic(120, 120)));
    label.SetFace("Arial").SetPointSize(12).SetCaption("WWWWWW").SetForeground(kRed);
    label.SetAngle(90, true);
    EXPECT_EQ(900, label.FontDescription().lfEscapement);
    int width, height;
    std::vector<COLORREF> pixels = Capture(label, width, height);
    int left = width, right = -1, top = height, bottom = -1;
    for (int i = 0; i < width * height; ++i)
        if (pixels[(size_t)i] == kRed) {
            left = std::min(left, i % width);
            right = std::max(right, i % width);
            top = std::min(top, i / width);
            bottom = std::max(bottom, i / width);
        }
    ASSERT_GE(right, 0);
    EXPECT_GT(bottom - top, 2 * (right - left));
}

TEST_F(LinkLabel, ClickNotifiesTheParentWhenAskedTo) {
    m_dialog.m_title.SetHyperlink(true, true);
    EXPECT_TRUE(GetWindowLongA(m_dialog.m_title.Handle(), GWL_STYLE) & SS_NOTIFY);
    SendMessageA(m_dialog.m_title.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(m_dialog.m_title.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(1u, m_dialog.m_notifications.size());
    EXPECT_EQ(IDC_LABEL, m_dialog.m_notifications[0].first);
    EXPECT_EQ(CLinkLabel::kClickNotification, m_dialog.m_notifications[0].second);
    m_dialog.m_title.SetHyperlink(false);
    EXPECT_FALSE(GetWindowLongA(m_dialog.m_title.Handle(), GWL_STYLE) & SS_NOTIFY);
}

TEST_F(LinkLabel, ClickOpensTheTextThroughTheShell) {
    const std::string type = ".fwlinktest";
    const std::string progId = "FrameworkLinkTest";
    CRegKeyGuard typeKey(HKEY_CLASSES_ROOT, type);
    CRegKeyGuard progIdKey(HKEY_CLASSES_ROOT, progId);
    std::string command = "\"" + ModulePath() + "\" --open-marker \"%1\"";
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueA(HKEY_CLASSES_ROOT, type.c_str(), REG_SZ, progId.c_str(),
                                          (DWORD)progId.size()));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueA(HKEY_CLASSES_ROOT, (progId + "\\shell\\open\\command").c_str(), REG_SZ,
                           command.c_str(), (DWORD)command.size()));
    CTempFolder folder;
    std::string target = folder.Write("page" + type, "link target");
    m_dialog.m_title.SetCaption(target.c_str()).SetHyperlink(true);
    ClickWithMouse(m_dialog.m_title.Handle(), 2, 2);
    MSG msg;
    bool opened = WaitUntil([&] {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return GetFileAttributesA((target + ".opened").c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(m_dialog.m_notifications.empty());
}

TEST_F(LinkLabel, HyperlinkCursorIsShownOverTheLabel) {
    HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    HWND window = m_dialog.m_title.Handle();
    m_dialog.m_title.SetHyperlinkCursor(cross);
    EXPECT_EQ(TRUE, SendMessageA(window, WM_SETCURSOR, (WPARAM)window, MAKELPARAM(HTCLIENT, 0)));
    EXPECT_EQ(cross, GetCursor());
}

TEST_F(LinkLabel, BorderSettersChangeTheStyles) {
    HWND window = m_dialog.m_title.Handle();
    m_dialog.m_title.SetSunkenEdge(true).SetThinBorder(true);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_BORDER);
    m_dialog.m_title.SetSunkenEdge(false).SetThinBorder(false);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_BORDER);
}

} // namespace
