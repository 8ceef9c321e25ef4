// The program-folder page of the wizard.
#include "setup/wizard/ProgramFolderPage.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/FolderEdit.h"
#include "setup/wizard/PageText.h"
#include <string.h>

namespace {

const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDotEntry(const char* name) {
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

} // namespace

CProgramFolderPage::CProgramFolderPage() : CDialog(IDD_PROGRAM_FOLDER_PAGE) {
    CopyText(m_folder, ConfigText(setupState.config.programFolder));
}

void CProgramFolderPage::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_TITLE, m_title);
    dx.Control(IDC_TEXT_1003, m_text);
    dx.Text(IDC_FOLDER_EDIT, m_folder);
    dx.Control(IDC_LIST, m_list);
}

bool CProgramFolderPage::OnInitDialog() {
    CDialog::OnInitDialog();
    AttachFolderEdit(m_edit, m_hWnd);
    return false;
}

void CProgramFolderPage::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show)
        return;
    char programsFolder[kPathSize];
    CRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    bool opened = registry.SetKey(kShellFoldersKey, false);
    CopyText(programsFolder, opened ? registry.GetString("Programs", "") : "");
    ShowPageTitle(m_title, Text(DLG_P4T), 15);
    SetItemText(IDC_FOLDER_EDIT, ConfigText(setupState.config.programFolder));
    ListExistingFolders(programsFolder);
    m_text.SetCaption(Text(DLG_P41));
    SetItemText(IDC_TEXT_1005, Text(DLG_P42));
    SetItemText(IDC_TEXT_1006, Text(DLG_P43));
}

void CProgramFolderPage::ListExistingFolders(const char* programsFolder) {
    char pattern[kPathSize];
    JoinPath(pattern, programsFolder, "*.*");
    m_list.Clear();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(found.cFileName))
            m_list.Add(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool CProgramFolderPage::OnCommand(WORD code, WORD id, HWND control) {
    if (id == IDC_LIST && code == LBN_SELCHANGE) {
        TakeSelectedFolder();
        return true;
    }
    if (id == IDC_FOLDER_EDIT && code == EN_CHANGE) {
        GetItemText(IDC_FOLDER_EDIT, m_folder, sizeof m_folder);
        return true;
    }
    return CDialog::OnCommand(code, id, control);
}

void CProgramFolderPage::TakeSelectedFolder() {
    int row = m_list.Selection();
    if (row < 0)
        return;
    m_list.RowText(row, m_folder, sizeof m_folder);
    SetItemText(IDC_FOLDER_EDIT, m_folder);
}
