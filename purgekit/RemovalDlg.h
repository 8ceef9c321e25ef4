// The uninstaller's one window: welcome, removal with progress labels, and the finished state
// with the restart choice.
#pragma once
#include "common/Button.h"
#include "common/Dialog.h"
#include "common/LinkLabel.h"

class CRemovalApp;

class CRemovalDlg : public CDialog {
  public:
    // Timer that waits for the vendor-helper thread once the removal has returned.
    static const UINT_PTR kCompletionTimer = 100;

    explicit CRemovalDlg(CRemovalApp& app);
    ~CRemovalDlg() override;
    const char* RuntimeClass() const override { return "CRemovalDlg"; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    // Enter without a focused button does nothing: only Finish ends the dialog with OK.
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    HICON OnQueryDragIcon() override;
    bool OnSysCommand(UINT command, LPARAM lParam) override;

  private:
    void ReadInstallFolder();
    void EnterInstallFolder();
    void AddAboutItem();
    void SetTexts();
    void OnNext();
    void OnFinish();
    void StartVendorHelper();
    void ShowFinished();
    void RestoreWorkingDir();

    CRemovalApp& m_app;
    CLinkLabel m_heading;
    CLinkLabel m_instruction;
    CLinkLabel m_productName;
    CButton m_restartNow;
    CButton m_restartLater;
    HICON m_icon;
};
