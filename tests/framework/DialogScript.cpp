// Modal runs driven from a second thread, and the child process of the cross-process tests.
#include "DialogScript.h"
#include "TestIds.h"
#include "common/App.h"
#include "common/LinkLabel.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <thread>

INT_PTR RunModalWithScript(CDialog& dialog, const char* caption,
                           const std::function<void(HWND)>& script) {
    DWORD thread = GetCurrentThreadId();
    std::thread driver([&] {
        uidriver::WindowQuery query;
        query.caption = caption;
        query.threadId = thread;
        HWND window = uidriver::WaitForWindow(query);
        if (window == nullptr) {
            ADD_FAILURE() << "no dialog \"" << caption << "\" appeared";
            return;
        }
        script(window);
        if (!uidriver::WaitForGone(window)) {
            ADD_FAILURE() << "the script left the dialog open";
            PostThreadMessageA(thread, WM_QUIT, 0, 0);
        }
    });
    INT_PTR result = dialog.DoModal();
    driver.join();
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        ;
    return result;
}

std::string ModulePath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

namespace {
// The dialog of the child process: a red bold label and an edit whose text decides the exit code.
class CChildDialog : public CDialog {
  public:
    CChildDialog() : CDialog(IDD_MAIN) {}
    char m_path[260] = "from child";

  protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Control(IDC_LABEL, m_label);
        dx.Text(IDC_EDIT, m_path);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        m_label.SetBold(true).SetForeground(RGB(255, 0, 0)).SetCaption("WWWWWWWWWWWW");
        return true;
    }

  private:
    CLinkLabel m_label;
};
} // namespace

int RunDialogProcess() {
    CChildDialog dialog;
    INT_PTR result = dialog.DoModal();
    return (int)result * 100 + (strcmp(dialog.m_path, "from driver") == 0 ? 1 : 0);
}

int MarkOpened(const char* path) {
    std::string marker = std::string(path) + ".opened";
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(file);
    return 0;
}
