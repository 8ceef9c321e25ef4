// Wizard page 0: the list of the nine languages; choosing one switches the wizard's language.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"
#include "common/ListBox.h"

class CLanguagePage : public CDialog {
  public:
    CLanguagePage();
    const char* RuntimeClass() const override { return "CLanguagePage"; }

    // The title in the current language at points (16 when shown, 15 after a switch).
    void ShowTitle(int points);
    // Refills the list with the nine names in table order and selects the current language.
    void FillList();

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnShowWindow(bool show, UINT status) override;
    bool OnCommand(WORD code, WORD id, HWND control) override;

  private:
    CLinkLabel m_title;
    CListBox m_list;
};
