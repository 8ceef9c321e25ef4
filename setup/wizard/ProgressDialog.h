// The progress window: an animation while the install worker copies, then one text for each of
// the three steps that follow on this thread, driven by a fixed timer sequence.
#pragma once
#include "common/Animation.h"
#include "common/Dialog.h"
#include "common/LinkLabel.h"
#include "common/ProgressBar.h"

class CProgressDialog : public CDialog {
  public:
    // Dialog template 1001 over owner (null: the application's main window); phase 1.
    explicit CProgressDialog(HWND owner = nullptr);
    // Closes the install log when it is still open.
    ~CProgressDialog() override;
    const char* RuntimeClass() const override { return "CProgressDialog"; }

    // The phase of the sequence, 1 to 4; it only moves forward.
    int Phase() const { return m_phase; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    // Centres and shows the window and arms the 10 ms timer of phase 1.
    bool OnInitDialog() override;
    // The sequence: phase 1 starts the worker and the 1,500 ms poll; the poll that finds the
    // worker ended leads to phase 2 after 10 ms; phases 2 to 4 write the registry records, the
    // shortcuts and the uninstall entry 1,500 ms apart, and phase 4 ends the window with 1.
    void OnTimer(UINT_PTR id) override;
    // Enter and Escape (and closing) do nothing: only the sequence ends the window.
    void OnOK() override {}
    void OnCancel() override {}

  private:
    void CentreOnScreen() const;
    void ShowCopying();
    void ShowStep(const char* text);

    int m_phase;
    CLinkLabel m_statusLabel;
    CProgressBar m_progressBar;
    CAnimation m_animation;
};
