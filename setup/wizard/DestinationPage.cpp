// The destination-folder page of the wizard.
#include "setup/wizard/DestinationPage.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/FolderEdit.h"
#include "setup/wizard/PageText.h"

namespace {
// The space the installation needs, a fixed text.
const char kSpaceRequired[] = "2.00 MB.";
} // namespace

CDestinationPage::CDestinationPage() : CDialog(IDD_DESTINATION_PAGE) {
    CopyText(m_path, setupState.targetFolder);
}

void CDestinationPage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    dx.Control(IDC_TEXT_1009, m_size);
    dx.Text(IDC_FOLDER_EDIT, m_path);
}

bool CDestinationPage::OnInitDialog() {
    CDialog::OnInitDialog();
    AttachFolderEdit(m_edit, m_hWnd);
    return false;
}

void CDestinationPage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    ShowPageTitle(m_title, Text(DLG_P3T), 14);
    m_size.SetCaption(kSpaceRequired).SetForeground(kAccentBlue).SetBold(true).SetPointSize(9);
    SetItemText(IDC_FOLDER_EDIT, setupState.targetFolder);
    char text[2 * kPathSize];
    FillProductName(text, sizeof text, Text(DLG_P31));
    SetItemText(IDC_TEXT_1003, text);
    SetItemText(IDC_TEXT_1005, Text(DLG_P32));
    SetItemText(IDC_TEXT_1008, Text(DLG_P33));
}
