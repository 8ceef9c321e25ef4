// The wizard frame and its navigation between the pages.
#include "setup/wizard/WizardFrame.h"
#include "setup/core/SetupState.h"
#include "common/logic/HeapText.h"
#include "setup/resources/resource.h"
#include "setup/wizard/BackgroundDialog.h"
#include "setup/wizard/DestinationPage.h"
#include "setup/wizard/ExitConfirmDialog.h"
#include "setup/wizard/ProgramFolderPage.h"
#include "setup/wizard/ProgressWindow.h"
#include <string.h>

namespace {

// The pages in the order the wizard visits them.
const UINT kPageTemplates[] = {IDD_LANGUAGE_PAGE,       IDD_WELCOME_PAGE, IDD_DESTINATION_PAGE,
                               IDD_PROGRAM_FOLDER_PAGE, IDD_READY_PAGE,   IDD_FINISH_PAGE};
const int32_t kDestinationStep = 2;
const int32_t kProgramFolderStep = 3;
const int32_t kReadyStep = 4;
const int kRestartOptions[] = {IDC_RESTART_NOW, IDC_RESTART_LATER};

bool IsKeyDown(const MSG& msg) {
    return msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
}

} // namespace

CWizardFrame::CWizardFrame() : CDialog(IDD_WIZARD_FRAME) {}

CWizardFrame::~CWizardFrame() {
    if (setupState.wizardFrame == this)
        setupState.wizardFrame = nullptr;
}

void CWizardFrame::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_RESTART_LATER, m_radioLater);
    dx.Control(IDC_RESTART_NOW, m_radioNow);
}

bool CWizardFrame::OnInitDialog() {
    CDialog::OnInitDialog();
    setupState.wizardFrame = this;
    for (UINT templateId : kPageTemplates)
        m_pages.AddPage(templateId, *this);
    m_pages.ShowPage(-1);
    EnableItem(IDC_BACK, false);
    ShowButtonTexts();
    FocusItem(IDC_NEXT);
    ShowItem(IDC_BROWSER, false);
    for (int id : kRestartOptions) {
        ShowItem(id, false);
        EnableItem(id, false);
    }
    return false;
}

void CWizardFrame::ShowButtonTexts() {
    SetItemText(IDC_BACK, Text(MSG_1));
    SetItemText(IDC_NEXT, Text(MSG_2));
    SetItemText(IDC_CANCEL_WIZARD, Text(MSG_4));
}

bool CWizardFrame::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_NEXT:
        OnNext();
        return true;
    case IDC_BACK:
        OnBack();
        return true;
    case IDC_CANCEL_WIZARD:
        OnCancelWizard();
        return true;
    case IDC_RESTART_LATER:
        CheckRestart(false);
        return true;
    case IDC_RESTART_NOW:
        CheckRestart(true);
        return true;
    default:
        return CDialog::OnButtonClicked(id);
    }
}

void CWizardFrame::OnOK() {}

void CWizardFrame::OnCancel() {
    OnCancelWizard();
}

void CWizardFrame::OnNext() {
    if (m_step >= kFinishStep)
        return;
    ++m_step;
    if (m_step == 1)
        EnableItem(IDC_BACK, true);
    FocusItem(IDC_NEXT);
    ShowItem(IDC_BROWSER, false);
    if (m_step == kDestinationStep + 1)
        StoreDestination();
    else if (m_step == kProgramFolderStep + 1)
        StoreProgramFolder();
    else if (m_step == kReadyStep + 1)
        RunInstallation();
    m_pages.ShowPage(m_step);
}

void CWizardFrame::StoreDestination() {
    CDialog* page = m_pages.GetPage(kDestinationStep);
    if (page == nullptr || strcmp(page->RuntimeClass(), "CDestinationPage") != 0)
        return;
    CDestinationPage* destination = static_cast<CDestinationPage*>(page);
    destination->UpdateData(true);
    CopyText(setupState.targetFolder, destination->Path());
}

void CWizardFrame::StoreProgramFolder() {
    CDialog* page = m_pages.GetPage(kProgramFolderStep);
    if (page == nullptr || strcmp(page->RuntimeClass(), "CProgramFolderPage") != 0)
        return;
    CProgramFolderPage* folderPage = static_cast<CProgramFolderPage*>(page);
    folderPage->UpdateData(true);
    if (setupState.config.programFolder == nullptr || folderPage->FolderTextLength() == 0)
        return;
    const char* folder = folderPage->Folder();
    char* copy = NewText(folder, strlen(folder));
    if (copy == nullptr)
        return;
    FreeText(setupState.config.programFolder);
    setupState.config.programFolder = copy;
}

void CWizardFrame::RunInstallation() {
    Show(false);
    RunProgressWindow(m_hWnd);
    Show(true);
    ShowFinishButtons();
}

void CWizardFrame::ShowFinishButtons() {
    ShowItem(IDC_NEXT, false);
    ShowItem(IDC_BACK, false);
    SetItemText(IDC_CANCEL_WIZARD, Text(MSG_7));
    ShowItem(IDC_BROWSER, false);
    CheckRestart(true);
    SetItemText(IDC_RESTART_NOW, Text(DLG_PF4));
    SetItemText(IDC_RESTART_LATER, Text(DLG_PF5));
    for (int id : kRestartOptions) {
        ShowItem(id, true);
        EnableItem(id, true);
    }
    FocusItem(IDC_CANCEL_WIZARD);
}

void CWizardFrame::OnBack() {
    FocusItem(IDC_BACK);
    --m_step;
    ShowItem(IDC_BROWSER, false);
    if (m_step <= 0) {
        EnableItem(IDC_BACK, false);
        ShowButtonTexts();
        m_step = 0;
        FocusItem(IDC_NEXT);
    }
    m_pages.ShowPage(m_step);
}

void CWizardFrame::OnCancelWizard() {
    if (m_step == kFinishStep)
        EndWizard(m_radioNow.IsChecked() ? 6 : 12);
    else if (AskExitSetup() == IDCANCEL)
        EndWizard(IDCANCEL);
}

void CWizardFrame::EndWizard(int result) {
    EndDialog(result);
    if (setupState.backgroundWindow != nullptr)
        setupState.backgroundWindow->EndDialog(result);
}

void CWizardFrame::CheckRestart(bool now) {
    m_radioLater.SetCheck(!now);
    m_radioNow.SetCheck(now);
}

bool CWizardFrame::PreTranslateMessage(MSG* msg) {
    if (IsKeyDown(*msg) && msg->wParam == VK_RETURN) {
        int focus = FocusedItemId();
        // The key is spent here so that no default button acts on it as well.
        msg->wParam = 0;
        if (focus == IDC_NEXT)
            OnNext();
        else if (focus == IDC_BACK)
            OnBack();
        else if (focus == IDC_CANCEL_WIZARD)
            OnCancelWizard();
    } else if (IsKeyDown(*msg) && msg->wParam == VK_ESCAPE) {
        msg->wParam = 0;
    }
    int focus = FocusedItemId();
    if (focus == IDC_RESTART_LATER)
        CheckRestart(false);
    else if (focus == IDC_RESTART_NOW)
        CheckRestart(true);
    return false;
}
