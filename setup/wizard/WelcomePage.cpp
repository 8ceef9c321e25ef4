// The welcome page of the wizard.
#include "setup/wizard/WelcomePage.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/PageText.h"

namespace {

const int kLineIds[] = {IDC_TEXT_1003, IDC_TEXT_1004, IDC_TEXT_1005, IDC_TEXT_1006,
                        IDC_TEXT_1007, IDC_TEXT_1008, IDC_TEXT_1009};
const COLORREF kWarningRed = RGB(255, 0, 0);
// The product name is indented by these nine spaces under the line that introduces it.
const char kProductIndent[] = "         ";

} // namespace

CWelcomePage::CWelcomePage() : CDialog(IDD_WELCOME_PAGE) {}

void CWelcomePage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    for (int i = 0; i < kLineCount; ++i)
        dx.Control(kLineIds[i], m_lines[i]);
}

void CWelcomePage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    ShowPageTitle(m_title, Text(DLG_P1T), 15);
    m_lines[0].SetCaption(Text(DLG_P11)).SetPointSize(9);
    ShowProductName();
    m_lines[2].SetCaption(Text(DLG_P12)).SetPointSize(9);
    m_lines[3].SetPointSize(9).SetCaption(Text(DLG_P13));
    m_lines[4].SetPointSize(9).SetCaption(Text(DLG_P14));
    m_lines[5].SetBold(true).SetForeground(kWarningRed).SetPointSize(10).SetCaption(Text(DLG_P15));
    m_lines[6].SetPointSize(9).SetCaption(Text(DLG_P16));
}

void CWelcomePage::ShowProductName() {
    char text[sizeof kProductIndent + kPathSize];
    CopyText(text, kProductIndent);
    AppendText(text, ConfigText(setupState.config.productName));
    m_lines[1].SetCaption(text).SetPointSize(9).SetBold(true).SetForeground(kAccentBlue);
}
