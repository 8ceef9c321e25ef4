// Wizard page 5: the installation has finished; advice about the restart.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"

class CFinishPage : public CDialog {
  public:
    CFinishPage();
    const char* RuntimeClass() const override { return "CFinishPage"; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow(bool show, UINT status) override;

  private:
    CLinkLabel m_title;
    CLinkLabel m_text;
};
