// The background's gradient table and painting, and the coloured edit, on real windows.
#include "WizardRun.h"
#include "common/App.h"
#include "common/Dialog.h"
#include "setup/resources/resource.h"
#include "setup/wizard/EditEx.h"
#include "setup/wizard/GradientBands.h"
#include <gtest/gtest.h>

using namespace uidriver;

namespace {

const COLORREF kBlue = RGB(0, 0, 255);

// A table for the gradient of the background, destroyed with the test.
struct BandsOwner {
    GradientBands* table = GradientBands::Create();
    ~BandsOwner() {
        if (table != nullptr)
            table->Destroy();
    }
};

// A hidden dialog with an edit of the folder edit's id, to attach a CEditEx to.
class CEditHost : public CDialog {
  public:
    CEditHost() : CDialog(IDD_EXIT_CONFIRM) {
        theApp.SetInstance(GetModuleHandleA(nullptr));
        Create(nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER, 0, 0, 100, 20, Handle(),
                        (HMENU)IDC_FOLDER_EDIT, GetModuleHandleA(nullptr), nullptr);
    }
    HWND Edit() const { return Item(IDC_FOLDER_EDIT); }
};

std::string FaceOf(HFONT font) {
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description.lfFaceName;
}

} // namespace

TEST(WizardGradientBands, TheTableOfTheScreenHeightHolds256BandsFor768Rows) {
    BandsOwner bands;
    ASSERT_NE(nullptr, bands.table);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), bands.table->capacity);
    bands.table->SetColours(kBlue, RGB(0, 0, 0));
    RECT rect = {0, 0, 1024, 768};
    bands.table->Build(rect);
    ASSERT_EQ(256, bands.table->count);
    EXPECT_EQ(0, bands.table->ranges[0].firstRow);
    EXPECT_EQ(1, bands.table->ranges[0].endRow);
    EXPECT_EQ(768, bands.table->ranges[255].endRow);
    for (int i = 0; i < bands.table->count; ++i)
        ASSERT_NE(nullptr, bands.table->brushes[i]);
    bands.table->Clear();
    EXPECT_EQ(0, bands.table->count);
}

TEST(WizardGradientBands, AnAreaTallerThanTheScreenWasGrowsTheTable) {
    BandsOwner bands;
    ASSERT_NE(nullptr, bands.table);
    // As if the table had been made on a screen of 100 rows.
    bands.table->capacity = 100;
    bands.table->SetColours(kBlue, RGB(0, 0, 0));
    RECT rect = {0, 10, 50, 10 + 768};
    bands.table->Build(rect);
    EXPECT_GE(bands.table->capacity, 768);
    ASSERT_EQ(256, bands.table->count);
    EXPECT_EQ(768, bands.table->ranges[255].endRow);
    EXPECT_EQ(768, bands.table->height);
    for (int i = 1; i < bands.table->count; ++i)
        EXPECT_EQ(bands.table->ranges[i - 1].endRow, bands.table->ranges[i].firstRow);
}

TEST(WizardGradientBands, NoHeightPaintsNothing) {
    BandsOwner bands;
    ASSERT_NE(nullptr, bands.table);
    bands.table->SetColours(kBlue, RGB(0, 0, 0));
    RECT flat = {0, 5, 100, 5};
    bands.table->Build(flat);
    EXPECT_EQ(0, bands.table->count);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 10, 10);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 5, RGB(1, 2, 3));
    bands.table->Paint(dc);
    EXPECT_EQ(RGB(1, 2, 3), GetPixel(dc, 0, 5));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(WizardBackground, PaintsTheGradientFromBlueToBlackAndTheWhiteTitleAtTenTen) {
    RunWizard(SampleMedium(), [](CWizard& wizard) {
        int width = 0, height = 0;
        std::vector<COLORREF> pixels = CaptureClient(wizard.Background(), width, height);
        ASSERT_FALSE(pixels.empty());
        RECT client;
        GetClientRect(wizard.Background(), &client);
        EXPECT_EQ(client.bottom, height);
        auto at = [&](int x, int y) { return pixels[y * width + x]; };
        int right = width - 1;
        EXPECT_EQ(kBlue, at(right, 0));
        EXPECT_EQ(RGB(0, 0, 0), at(right, height - 1));
        EXPECT_GT(GetBValue(at(right, height / 4)), GetBValue(at(right, height / 2)));
        EXPECT_EQ(0, GetRValue(at(right, height / 2)));
        // The title starts at (10, 10): white appears there, never above or left of it.
        bool white = false;
        for (int y = 0; y < 50 && y < height; ++y) {
            for (int x = 0; x < 200 && x < width; ++x) {
                if (at(x, y) != RGB(255, 255, 255))
                    continue;
                white = true;
                EXPECT_GE(x, 10);
                EXPECT_GE(y, 10);
            }
        }
        EXPECT_TRUE(white);
        EXPECT_TRUE(IsZoomed(wizard.Background()));
    });
}

TEST(WizardEditEx, ColoursAnswerThePreviousOneAndTheFontReplacesTheOldOne) {
    CEditHost host;
    ASSERT_NE(nullptr, host.Edit());
    CEditEx edit;
    ASSERT_TRUE(edit.Attach(host.Handle(), IDC_FOLDER_EDIT));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), edit.SetBackColour(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), edit.SetBackColour(RGB(1, 2, 3)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), edit.SetTextColour(kBlue));
    EXPECT_EQ(kBlue, edit.SetTextColour(kBlue));

    edit.SetEditFont(-12, 800, 0, "Times New Roman");
    HFONT first = edit.Font();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, (HFONT)SendMessageA(host.Edit(), WM_GETFONT, 0, 0));
    edit.SetEditFont(-16, 400, 0, "Arial");
    EXPECT_EQ(edit.Font(), (HFONT)SendMessageA(host.Edit(), WM_GETFONT, 0, 0));
    EXPECT_EQ(0, GetObjectType(first)) << "the first font is deleted";
    EXPECT_EQ("Arial", FaceOf(edit.Font()));
}

TEST(WizardEditEx, AFaceNameLongerThan31CharactersIsCut) {
    CEditHost host;
    CEditEx edit;
    ASSERT_TRUE(edit.Attach(host.Handle(), IDC_FOLDER_EDIT));
    std::string face = "Face" + std::string(60, 'x');
    edit.SetEditFont(-12, 800, 0, face.c_str());
    ASSERT_NE(nullptr, edit.Font());
    EXPECT_EQ(face.substr(0, 31), FaceOf(edit.Font()));
}

TEST(WizardEditEx, AnswersTheColourRequestOfItsEditWithItsColours) {
    CEditHost host;
    CEditEx edit;
    ASSERT_TRUE(edit.Attach(host.Handle(), IDC_FOLDER_EDIT));
    edit.SetBackColour(RGB(255, 255, 255));
    edit.SetTextColour(kBlue);
    HDC dc = GetDC(host.Edit());
    HBRUSH brush =
        (HBRUSH)SendMessageA(host.Handle(), WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)host.Edit());
    ASSERT_NE(nullptr, brush);
    LOGBRUSH description = {};
    GetObjectA(brush, sizeof description, &description);
    EXPECT_EQ(RGB(255, 255, 255), description.lbColor);
    EXPECT_EQ(kBlue, GetTextColor(dc));
    EXPECT_EQ(RGB(255, 255, 255), GetBkColor(dc));
    ReleaseDC(host.Edit(), dc);
}
