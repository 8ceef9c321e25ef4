// The wizard frame: picture, Back / Next / Cancel and the restart options, with one page shown
// at a time on its right; it walks the pages in order and ends the wizard with its result.
#pragma once
#include "common/Button.h"
#include "common/Dialog.h"
#include "setup/wizard/PageStack.h"
#include <stdint.h>

class CWizardFrame : public CDialog {
  public:
    // The step of the last page: installation finished, restart now or later.
    static const int32_t kFinishStep = 5;

    CWizardFrame();
    ~CWizardFrame() override;
    const char* RuntimeClass() const override { return "CWizardFrame"; }

    // Index of the page shown, 0 (language) to 5 (finish).
    int32_t Step() const { return m_step; }
    CPageStack& Pages() { return m_pages; }

    // Forward one page; leaving the destination and program-folder pages stores what they hold,
    // leaving the ready page runs the installation. Nothing on the finish step.
    void OnNext();
    // Back one page, never below the first, whose button texts it restores.
    void OnBack();
    // On the finish step, ends the wizard with 6 (restart now) or 12 (later); before it, ends
    // with 2 when the user confirms leaving, and otherwise stays where it is.
    void OnCancelWizard();
    // Back, Next and Cancel in the current language.
    void ShowButtonTexts();

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    // Enter acts on the focused frame button and Escape does nothing; the checked restart option
    // follows the focus.
    bool PreTranslateMessage(MSG* msg) override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    // Enter never ends the frame; every cancel request is the wizard's Cancel.
    void OnOK() override;
    void OnCancel() override;

  private:
    void StoreDestination();
    void StoreProgramFolder();
    void RunInstallation();
    void ShowFinishButtons();
    void CheckRestart(bool now);
    void EndWizard(int result);

    int32_t m_step = 0;
    CButton m_radioLater;
    CButton m_radioNow;
    CPageStack m_pages;
};
