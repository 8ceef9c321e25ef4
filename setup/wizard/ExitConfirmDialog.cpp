// The exit confirmation of the wizard, its texts from the message table.
#include "setup/wizard/ExitConfirmDialog.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"

CExitConfirmDialog::CExitConfirmDialog() : CDialog(IDD_EXIT_CONFIRM) {}

bool CExitConfirmDialog::OnInitDialog() {
    bool result = CDialog::OnInitDialog();
    SetText(Text(MSG_20));
    SetItemText(IDC_EXIT_TEXT_1, Text(MSG_23));
    SetItemText(IDC_EXIT_TEXT_2, Text(MSG_24));
    SetItemText(IDC_EXIT_TEXT_3, Text(MSG_25));
    SetItemText(IDOK, Text(MSG_21));
    SetItemText(IDCANCEL, Text(MSG_22));
    return result;
}

int AskExitSetup() {
    CExitConfirmDialog question;
    return question.DoModal() == IDCANCEL ? IDCANCEL : IDOK;
}
