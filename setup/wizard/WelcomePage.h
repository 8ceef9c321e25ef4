// Wizard page 1: the welcome texts and the product name.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"

class CWelcomePage : public CDialog {
  public:
    CWelcomePage();
    const char* RuntimeClass() const override { return "CWelcomePage"; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow(bool show, UINT status) override;

  private:
    static const int kLineCount = 7;

    void ShowProductName();

    CLinkLabel m_title;
    CLinkLabel m_lines[kLineCount];
};
