// The language page of the wizard.
#include "setup/wizard/LanguagePage.h"
#include "setup/core/Language.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/ChangeLanguage.h"
#include "setup/wizard/PageText.h"

CLanguagePage::CLanguagePage() : CDialog(IDD_LANGUAGE_PAGE) {}

void CLanguagePage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    dx.Control(IDC_LIST, m_list);
}

void CLanguagePage::ShowTitle(int points) {
    ShowPageTitle(m_title, Text(MSG_13), points);
}

void CLanguagePage::FillList() {
    m_list.Clear();
    for (int row = 0; row < kLanguageCount; ++row)
        m_list.Add(LanguageName(row));
    m_list.Select(setupState.languageIndex);
}

void CLanguagePage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    ShowTitle(16);
    FillList();
}

bool CLanguagePage::OnCommand(WORD code, WORD id, HWND control) {
    if (id != IDC_LIST || code != LBN_SELCHANGE)
        return CDialog::OnCommand(code, id, control);
    int row = m_list.Selection();
    if (row >= 0 && row < kLanguageCount)
        ChangeLanguage(row);
    return true;
}
