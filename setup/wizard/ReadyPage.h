// Wizard page 4: the summary shown before the installation starts.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"

class CReadyPage : public CDialog {
  public:
    CReadyPage();
    const char* RuntimeClass() const override { return "CReadyPage"; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow(bool show, UINT status) override;

  private:
    CLinkLabel m_title;
    CLinkLabel m_text;
};
