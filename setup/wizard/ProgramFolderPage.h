// Wizard page 3: the Start-menu program folder, chosen by name or from the existing folders.
#pragma once
#include "common/Dialog.h"
#include "common/LinkLabel.h"
#include "common/ListBox.h"
#include "common/logic/TextBuf.h"
#include "setup/resources/resource.h"
#include "setup/wizard/EditEx.h"

class CProgramFolderPage : public CDialog {
  public:
    // m_folder starts as the configured program folder.
    CProgramFolderPage();
    const char* RuntimeClass() const override { return "CProgramFolderPage"; }

    // The folder name: the edit's text as last typed, selected or saved.
    const char* Folder() const { return m_folder; }
    // Length of the text the folder edit holds now (0 without window).
    int FolderTextLength() const { return ItemTextLength(IDC_FOLDER_EDIT); }

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnShowWindow(bool show, UINT status) override;
    bool OnCommand(WORD code, WORD id, HWND control) override;

  private:
    void ListExistingFolders(const char* programsFolder);
    void TakeSelectedFolder();

    CLinkLabel m_title;
    CLinkLabel m_text;
    CEditEx m_edit;
    char m_folder[kPathSize];
    CListBox m_list;
};
