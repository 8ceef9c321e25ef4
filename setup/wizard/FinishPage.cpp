// The finish page of the wizard.
#include "setup/wizard/FinishPage.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/PageText.h"

CFinishPage::CFinishPage() : CDialog(IDD_FINISH_PAGE) {}

void CFinishPage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    dx.Control(IDC_TEXT_1003, m_text);
}

void CFinishPage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    ShowPageTitle(m_title, Text(DLG_PFT), 15);
    char text[2 * kPathSize];
    FillProductName(text, sizeof text, Text(DLG_PF1));
    m_text.SetCaption(text).SetPointSize(9);
    SetItemText(IDC_TEXT_1006, Text(DLG_PF2));
}
