// Wizard page 2: the folder the product is installed into, and the space it needs.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"
#include "common/logic/TextBuf.h"
#include "setup/wizard/EditEx.h"

class CDestinationPage : public CDialog {
  public:
    // m_path starts as the target folder of the moment.
    CDestinationPage();
    const char* RuntimeClass() const override { return "CDestinationPage"; }

    // The folder text, as saved from the edit by the last UpdateData(true).
    const char* Path() const { return m_path; }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnShowWindow(bool show, UINT status) override;

  private:
    CLinkLabel m_title;
    CLinkLabel m_size;
    CEditEx m_edit;
    char m_path[kPathSize];
};
