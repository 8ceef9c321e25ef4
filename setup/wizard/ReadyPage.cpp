// The ready page of the wizard.
#include "setup/wizard/ReadyPage.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/PageText.h"

CReadyPage::CReadyPage() : CDialog(IDD_READY_PAGE) {}

void CReadyPage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    dx.Control(IDC_TEXT_1003, m_text);
}

void CReadyPage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    ShowPageTitle(m_title, Text(DLG_P5T), 13);
    m_text.SetCaption(Text(DLG_P51)).SetPointSize(9);
}
