// Modal runs, the pre-translate walk and modeless dialogs of the framework, through real windows.
#include "DialogScript.h"
#include "TestIds.h"
#include "common/App.h"
#include "common/Edit.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <thread>

using namespace uidriver;

namespace {

// A top-level window that a modal dialog can be owned by; destroyed with the test.
class OwnerWindow {
  public:
    OwnerWindow()
        : m_window(CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                   nullptr, nullptr, nullptr, nullptr)) {}
    ~OwnerWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

  private:
    HWND m_window;
};

// Ends with 42 on its third button and records whether the owner was enabled at destruction.
class CResultDialog : public CDialog {
  public:
    explicit CResultDialog(HWND owner = nullptr, UINT templateId = IDD_MAIN)
        : CDialog(templateId, owner), m_watched(owner) {}
    HWND m_watched;
    int m_ownerEnabledAtDestroy = -1;

  protected:
    bool OnButtonClicked(WORD id) override {
        if (id != IDC_END42)
            return CDialog::OnButtonClicked(id);
        EndDialog(42);
        return true;
    }
    void OnDestroy() override { m_ownerEnabledAtDestroy = IsWindowEnabled(m_watched) ? 1 : 0; }
};

struct ModalCase {
    int button;
    INT_PTR result;
};

class ModalResult : public testing::TestWithParam<ModalCase> {};

TEST_P(ModalResult, EndsWithTheButtonsResultAndDisablesTheOwnerMeanwhile) {
    OwnerWindow owner;
    CResultDialog dialog(owner.Handle());
    bool ownerDisabled = false;
    INT_PTR result = RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        ownerDisabled = !IsWindowEnabled(owner.Handle());
        EXPECT_TRUE(Click(FindItem(window, GetParam().button)));
    });
    EXPECT_EQ(GetParam().result, result);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(1, dialog.m_ownerEnabledAtDestroy);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(nullptr, dialog.Handle());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ModalResult,
                         testing::Values(ModalCase{IDOK, IDOK}, ModalCase{IDCANCEL, IDCANCEL},
                                         ModalCase{IDC_END42, 42}));

TEST(Modal, WithoutOwnerIsOwnedByTheMainWindow) {
    OwnerWindow main;
    theApp.SetMainWindow(main.Handle());
    CResultDialog dialog(nullptr);
    dialog.m_watched = main.Handle();
    HWND ownerSeen = nullptr;
    bool disabled = false;
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        ownerSeen = GetWindow(window, GW_OWNER);
        disabled = !IsWindowEnabled(main.Handle());
        CloseBySystemMenu(window);
    });
    theApp.SetMainWindow(nullptr);
    EXPECT_EQ(main.Handle(), ownerSeen);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
}

TEST(Modal, MissingTemplateAnswersMinusOne) {
    CResultDialog dialog(nullptr, IDD_MISSING);
    EXPECT_EQ(-1, dialog.DoModal());
}

TEST(Modal, QuitMessageEndsTheLoopAndIsPostedAgain) {
    CResultDialog dialog;
    DWORD thread = GetCurrentThreadId();
    HWND seen = nullptr;
    std::thread driver([&] {
        WindowQuery query;
        query.caption = MAIN_CAPTION;
        query.threadId = thread;
        seen = WaitForWindow(query);
        PostThreadMessageA(thread, WM_QUIT, 7, 0);
    });
    INT_PTR result = dialog.DoModal();
    driver.join();
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen));
}

// Filters that record which object saw a key; the one named consumer consumes VK_F6.
class CTracedEdit : public CEdit {
  public:
    CTracedEdit(Trace& trace) : m_trace(trace) {}
    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam >= VK_F5 && msg->wParam <= VK_F6)
            m_trace.push_back("edit");
        return false;
    }
    std::vector<WPARAM> m_keysReceived;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_KEYDOWN)
            m_keysReceived.push_back(wParam);
        return CEdit::WindowProc(msg, wParam, lParam);
    }

  private:
    Trace& m_trace;
};

class CTracedDialog : public CDialog {
  public:
    CTracedDialog(UINT templateId, const char* name, Trace& trace, bool consumesF6 = false,
                  HWND owner = nullptr)
        : CDialog(templateId, owner), m_name(name), m_trace(trace), m_consumesF6(consumesF6) {}
    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message != WM_KEYDOWN || msg->wParam < VK_F5 || msg->wParam > VK_F6)
            return false;
        m_trace.push_back(m_name);
        return m_consumesF6 && msg->wParam == VK_F6;
    }

  private:
    const char* m_name;
    Trace& m_trace;
    bool m_consumesF6;
};

// A modal dialog holding a child dialog with a traced edit and owning a modeless popup.
class CWalkDialog : public CTracedDialog {
  public:
    explicit CWalkDialog(Trace& trace)
        : CTracedDialog(IDD_MAIN, "main", trace), m_child(IDD_CHILD, "child", trace, true),
          m_popup(IDD_POPUP, "popup", trace), m_edit(trace), m_inner(IDD_INNER, "inner", trace) {}
    CTracedDialog m_child;
    CTracedDialog m_popup;
    CTracedEdit m_edit;
    CTracedDialog m_inner;

  protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        m_child.Create(m_hWnd);
        m_popup.Create(m_hWnd);
        m_edit.Attach(m_child.Handle(), IDC_CHILD_EDIT);
        return true;
    }
    bool OnButtonClicked(WORD id) override {
        if (id != IDC_END42)
            return CDialog::OnButtonClicked(id);
        m_inner.SetOwner(m_hWnd);
        m_inner.DoModal();
        return true;
    }
};

TEST(PreTranslateWalk, GoesFromTheTargetThroughParentsAndOwnersOutwards) {
    Trace trace;
    CWalkDialog dialog(trace);
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        HWND edit = WaitForItem(window, IDC_CHILD_EDIT);
        WindowQuery popup;
        popup.caption = "Popup Test";
        popup.owner = window;
        HWND popupButton = WaitForItem(WaitForWindow(popup), IDC_POPUP_BUTTON);
        PressKey(edit, VK_F5);
        PressKey(edit, VK_F6);
        PressKey(popupButton, VK_F5);
        Click(FindItem(window, IDCANCEL));
    });
    EXPECT_EQ((Trace{"edit", "child", "main", "edit", "child", "popup", "main"}), trace);
    EXPECT_EQ(std::vector<WPARAM>{VK_F5}, dialog.m_edit.m_keysReceived);
}

TEST(PreTranslateWalk, StopsAtTheDialogOfTheInnermostModalRun) {
    Trace trace;
    CWalkDialog dialog(trace);
    bool outerDisabled = false;
    RunModalWithScript(dialog, MAIN_CAPTION, [&](HWND window) {
        Click(FindItem(window, IDC_END42));
        WindowQuery query;
        query.caption = INNER_CAPTION;
        HWND inner = WaitForWindow(query);
        ASSERT_NE(nullptr, inner);
        outerDisabled = !IsWindowEnabled(window);
        PressKey(FindItem(inner, IDOK), VK_F5);
        Click(FindItem(inner, IDCANCEL));
        WaitForGone(inner);
        Click(FindItem(window, IDCANCEL));
    });
    EXPECT_EQ(Trace{"inner"}, trace);
    EXPECT_TRUE(outerDisabled);
}

// Records the hooks of a modeless dialog.
class CModelessDialog : public CDialog {
  public:
    explicit CModelessDialog(UINT templateId = IDD_POPUP) : CDialog(templateId) {}
    int m_inits = 0;
    int m_destroys = 0;
    bool m_shown = false;

  protected:
    bool OnInitDialog() override {
        ++m_inits;
        return CDialog::OnInitDialog();
    }
    void OnShowWindow(bool show, UINT) override { m_shown = show; }
    void OnDestroy() override { ++m_destroys; }
};

TEST(Modeless, CreateBindsTheObjectAndDestroyReleasesIt) {
    CModelessDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND window = dialog.Handle();
    EXPECT_EQ(&dialog, CWindow::FromHandle(window));
    EXPECT_EQ(1, dialog.m_inits);
    EXPECT_TRUE(dialog.IsVisible());
    EXPECT_FALSE(dialog.Create(nullptr));
    dialog.Show(false);
    EXPECT_FALSE(dialog.m_shown);
    dialog.Destroy();
    EXPECT_EQ(1, dialog.m_destroys);
    EXPECT_EQ(nullptr, dialog.Handle());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, CWindow::FromHandle(window));
}

TEST(Modeless, EndDialogHidesAndKeepsTheResult) {
    CModelessDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.EndDialog(7);
    EXPECT_FALSE(dialog.IsVisible());
    EXPECT_TRUE(dialog.Exists());
    EXPECT_EQ(7, dialog.Result());
}

TEST(Modeless, ObjectDestroysAWindowLeftOpen) {
    HWND window;
    {
        CModelessDialog dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        window = dialog.Handle();
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(Modeless, MissingTemplateFailsWithoutWindow) {
    CModelessDialog dialog(IDD_MISSING);
    EXPECT_FALSE(dialog.Create(nullptr));
    EXPECT_EQ(nullptr, dialog.Handle());
    EXPECT_EQ(0, dialog.m_inits);
}

} // namespace
