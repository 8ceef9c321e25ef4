// Reflection of control messages from a dialog to the attached control objects, and the text
// and check exchange between items and members.
#include "TestIds.h"
#include "common/Dialog.h"
#include "common/Edit.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

// An edit that answers its own colour requests and records the reflected messages.
class CColourEdit : public CEdit {
  public:
    explicit CColourEdit(bool consumesNotifications = false)
        : m_brush(CreateSolidBrush(RGB(0, 255, 0))), m_consumes(consumesNotifications) {}
    ~CColourEdit() override { DeleteObject(m_brush); }
    HBRUSH m_brush;
    bool m_consumes;
    std::vector<UINT> m_colourRequests;
    std::vector<WORD> m_notifications;
    std::vector<UINT> m_notifyCodes;
    int m_drawn = 0;

  protected:
    HBRUSH OnCtlColor(HDC dc, UINT msg) override {
        m_colourRequests.push_back(msg);
        SetTextColor(dc, kRed);
        return m_brush;
    }
    bool OnCommandNotify(WORD code) override {
        m_notifications.push_back(code);
        return m_consumes;
    }
    bool OnNotifyReflect(NMHDR* header, LRESULT& result) override {
        m_notifyCodes.push_back(header->code);
        result = 77;
        return true;
    }
    bool OnDrawItem(DRAWITEMSTRUCT*) override {
        ++m_drawn;
        return true;
    }
};

// Records the commands that reach the dialog itself.
class CReflectDialog : public CDialog {
  public:
    CReflectDialog() : CDialog(IDD_MAIN) {}
    std::vector<std::pair<WORD, WORD>> m_commands;

  protected:
    bool OnCommand(WORD code, WORD id, HWND control) override {
        m_commands.push_back({id, code});
        return CDialog::OnCommand(code, id, control);
    }
};

class Reflection : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(nullptr));
        ASSERT_TRUE(m_edit.Attach(m_dialog.Handle(), IDC_EDIT));
    }
    bool DialogSawChange(int id) const {
        for (const auto& command : m_dialog.m_commands)
            if (command.first == id && command.second == EN_CHANGE)
                return true;
        return false;
    }
    CReflectDialog m_dialog;
    CColourEdit m_edit;
};

TEST_F(Reflection, ColourRequestOfTheEditIsAnsweredByItsObject) {
    HDC dc = GetDC(m_edit.Handle());
    LRESULT brush =
        SendMessageA(m_dialog.Handle(), WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)m_edit.Handle());
    EXPECT_EQ(kRed, GetTextColor(dc));
    ReleaseDC(m_edit.Handle(), dc);
    EXPECT_EQ((LRESULT)m_edit.m_brush, brush);
    m_edit.m_colourRequests.clear();
    RedrawWindow(m_edit.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ASSERT_FALSE(m_edit.m_colourRequests.empty());
    EXPECT_EQ((UINT)WM_CTLCOLOREDIT, m_edit.m_colourRequests.front());
}

TEST_F(Reflection, ColourRequestOfAnUnattachedItemGetsTheDefault) {
    HWND other = m_dialog.Item(IDC_SMALL_EDIT);
    HDC dc = GetDC(other);
    LRESULT brush = SendMessageA(m_dialog.Handle(), WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)other);
    ReleaseDC(other, dc);
    EXPECT_NE((LRESULT)m_edit.m_brush, brush);
    EXPECT_TRUE(m_edit.m_colourRequests.empty());
}

TEST_F(Reflection, NotificationReachesTheControlAndThenTheDialog) {
    m_edit.SetText("changed");
    EXPECT_THAT(m_edit.m_notifications, testing::Contains(EN_CHANGE));
    EXPECT_TRUE(DialogSawChange(IDC_EDIT));
}

TEST(ReflectionConsumed, NotificationConsumedByTheControlDoesNotReachTheDialog) {
    CReflectDialog dialog;
    CColourEdit edit(true);
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(edit.Attach(dialog.Handle(), IDC_EDIT));
    edit.SetText("changed");
    EXPECT_THAT(edit.m_notifications, testing::Contains(EN_CHANGE));
    EXPECT_TRUE(dialog.m_commands.empty());
}

TEST_F(Reflection, NotifyAndDrawItemAreReflectedWithTheirResults) {
    NMHDR header = {m_edit.Handle(), IDC_EDIT, 1234};
    EXPECT_EQ(77, SendMessageA(m_dialog.Handle(), WM_NOTIFY, IDC_EDIT, (LPARAM)&header));
    EXPECT_EQ(std::vector<UINT>{1234}, m_edit.m_notifyCodes);
    DRAWITEMSTRUCT item = {};
    item.CtlID = IDC_EDIT;
    item.hwndItem = m_edit.Handle();
    EXPECT_EQ(TRUE, SendMessageA(m_dialog.Handle(), WM_DRAWITEM, IDC_EDIT, (LPARAM)&item));
    EXPECT_EQ(1, m_edit.m_drawn);
}

TEST_F(Reflection, AttachingTwiceOrToAMissingItemFails) {
    CColourEdit second;
    EXPECT_FALSE(second.Attach(m_dialog.Handle(), IDC_EDIT));
    EXPECT_FALSE(second.Attach(m_dialog.Handle(), 4242));
    EXPECT_FALSE(second.IsAttached());
    EXPECT_FALSE(m_edit.Attach(m_dialog.Handle(), IDC_SMALL_EDIT));
}

TEST_F(Reflection, DetachGivesTheWindowItsProcedureBack) {
    HWND window = m_edit.Handle();
    m_edit.Detach();
    EXPECT_EQ(nullptr, CControl::FromHandle(window));
    HDC dc = GetDC(window);
    LRESULT brush = SendMessageA(m_dialog.Handle(), WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)window);
    ReleaseDC(window, dc);
    EXPECT_NE((LRESULT)m_edit.m_brush, brush);
    SetWindowTextA(window, "still works");
    char text[32] = "";
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ("still works", text);
}

// Members bound to two edits and the check box.
class CExchangeDialog : public CDialog {
  public:
    CExchangeDialog() : CDialog(IDD_MAIN) {}
    char m_path[260] = "C:\\Start";
    char m_small[8] = "abc";
    bool m_checked = true;

  protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Text(IDC_EDIT, m_path);
        dx.Text(IDC_SMALL_EDIT, m_small);
        dx.Check(IDC_CHECK, m_checked);
    }
};

TEST(TextExchange, LoadsMembersIntoItemsAtInitialisation) {
    CExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    char text[260];
    dialog.GetItemText(IDC_EDIT, text, sizeof text);
    EXPECT_STREQ("C:\\Start", text);
    EXPECT_TRUE(dialog.IsItemChecked(IDC_CHECK));
}

TEST(TextExchange, SavesItemsIntoMembersCutToTheirSize) {
    CExchangeDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.SetItemText(IDC_EDIT, "D:\\Typed folder");
    dialog.SetItemText(IDC_SMALL_EDIT, "0123456789");
    dialog.CheckItem(IDC_CHECK, false);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_STREQ("D:\\Typed folder", dialog.m_path);
    EXPECT_STREQ("0123456", dialog.m_small);
    EXPECT_FALSE(dialog.m_checked);
}

TEST(TextExchange, WithoutWindowNothingIsExchanged) {
    CExchangeDialog dialog;
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_STREQ("C:\\Start", dialog.m_path);
}

} // namespace
