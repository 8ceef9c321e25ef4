// The UI driver's own operations against framework dialogs, in this process and in a child.
#include "DialogScript.h"
#include "TestIds.h"
#include "common/ListBox.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>

using namespace uidriver;

namespace {

// Fills its list, and records the keys its filter sees and the commands that reach it.
class CDriverDialog : public CDialog {
  public:
    CDriverDialog() : CDialog(IDD_MAIN) {}
    std::vector<WPARAM> m_keys;
    std::vector<WORD> m_editChanges;
    std::vector<int> m_selections;
    int m_end42Clicks = 0;

    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN)
            m_keys.push_back(msg->wParam);
        return false;
    }

  protected:
    void DoDataExchange(CDataExchange& dx) override { dx.Control(IDC_LIST, m_list); }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* row : {"alpha", "beta", "gamma"})
            m_list.Add(row);
        FocusItem(IDOK);
        return false;
    }
    bool OnCommand(WORD code, WORD id, HWND control) override {
        if (id == IDC_EDIT && code == EN_CHANGE)
            m_editChanges.push_back(code);
        if (id == IDC_LIST && code == LBN_SELCHANGE)
            m_selections.push_back(m_list.Selection());
        return CDialog::OnCommand(code, id, control);
    }
    bool OnButtonClicked(WORD id) override {
        if (id != IDC_END42)
            return CDialog::OnButtonClicked(id);
        ++m_end42Clicks;
        return true;
    }

  private:
    CListBox m_list;
};

struct KeyCase {
    WORD key;
    INT_PTR result;
};

class DriverKey : public testing::TestWithParam<KeyCase> {};

TEST_P(DriverKey, ReachesTheFiltersThroughTheQueueAndActsOnTheFocusedButton) {
    CDriverDialog dialog;
    INT_PTR result = RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        EXPECT_EQ(IDOK, FocusedId(window));
        EXPECT_TRUE(PressKeyOnFocus(window, GetParam().key));
    });
    EXPECT_EQ(GetParam().result, result);
    EXPECT_EQ(std::vector<WPARAM>{GetParam().key}, dialog.m_keys);
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, DriverKey,
                         testing::Values(KeyCase{VK_RETURN, IDOK}, KeyCase{VK_ESCAPE, IDCANCEL}));

TEST(Driver, ClicksOnlyWhatAUserCouldClick) {
    CDriverDialog dialog;
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        HWND end42 = FindItem(window, IDC_END42);
        EXPECT_TRUE(Click(end42));
        EXPECT_TRUE(Click(FindItem(window, IDC_CHECK)));
        EXPECT_TRUE(
            WaitUntil([&] { return CheckState(FindItem(window, IDC_CHECK)) == BST_CHECKED; }));
        EnableWindow(end42, FALSE);
        EXPECT_FALSE(IsEnabled(end42));
        EXPECT_FALSE(Click(end42));
        EXPECT_FALSE(Click(FindItem(window, IDC_HIDDEN)));
        CloseBySystemMenu(window);
    });
    EXPECT_EQ(1, dialog.m_end42Clicks);
}

TEST(Driver, SelectsListRowsWithTheClickNotification) {
    CDriverDialog dialog;
    std::vector<std::string> rows;
    int selection = -1;
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        HWND list = FindItem(window, IDC_LIST);
        rows = ListItems(list);
        EXPECT_EQ(-1, ListSelection(list));
        EXPECT_TRUE(SelectListRow(list, 2));
        EXPECT_FALSE(SelectListRow(list, 5));
        selection = ListSelection(list);
        Click(FindItem(window, IDCANCEL));
    });
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), rows);
    EXPECT_EQ(2, selection);
    EXPECT_EQ(std::vector<int>{2}, dialog.m_selections);
}

TEST(Driver, TypesIntoEditsAndReadsWhatIsShown) {
    CDriverDialog dialog;
    std::string typed, replaced, caption, plain;
    bool hiddenVisible = true;
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        HWND edit = FindItem(window, IDC_EDIT);
        EXPECT_TRUE(TypeChars(edit, "abc"));
        WaitUntil([&] { return Text(edit) == "abc"; });
        typed = Text(edit);
        EXPECT_TRUE(SetEditText(edit, "C:\\Other"));
        replaced = Text(edit);
        caption = Text(window);
        plain = Text(FindItem(window, IDC_TEXT));
        hiddenVisible = IsVisible(FindItem(window, IDC_HIDDEN));
        Click(FindItem(window, IDCANCEL));
    });
    EXPECT_EQ("abc", typed);
    EXPECT_EQ("C:\\Other", replaced);
    EXPECT_EQ(MAIN_CAPTION, caption);
    EXPECT_EQ("Plain text", plain);
    EXPECT_FALSE(hiddenVisible);
    EXPECT_EQ(4u, dialog.m_editChanges.size());
}

TEST(Driver, DrivesTheWindowsOfAnotherProcess) {
    std::string command = "\"" + ModulePath() + "\" --dialog-process";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    WindowQuery query;
    query.caption = MAIN_CAPTION;
    query.processId = process.dwProcessId;
    HWND window = WaitForWindow(query);
    EXPECT_NE(nullptr, window);
    if (window != nullptr) {
        HWND label = FindItem(window, IDC_LABEL);
        EXPECT_EQ("WWWWWWWWWWWW", Text(label));
        EXPECT_EQ("from child", Text(FindItem(window, IDC_EDIT)));
        LabelFont font;
        EXPECT_FALSE(ReadLabelFont(label, font));
        COLORREF ink = 0;
        EXPECT_TRUE(ReadLabelTextColour(label, ink));
        EXPECT_EQ(RGB(255, 0, 0), ink);
        EXPECT_TRUE(SetEditText(FindItem(window, IDC_EDIT), "from driver"));
        EXPECT_TRUE(Click(FindItem(window, IDOK)));
    }
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.hProcess, kDefaultTimeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(IDOK * 100 + 1u, exitCode);
}

} // namespace
