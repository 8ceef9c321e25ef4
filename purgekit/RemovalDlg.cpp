// The uninstaller dialog and its flow from Next to Finish.
#include "purgekit/RemovalDlg.h"
#include "common/App.h"
#include "common/Registry.h"
#include "purgekit/MouseUtility.h"
#include "purgekit/OsVersion.h"
#include "purgekit/RemovalApp.h"
#include "purgekit/RemovalEngine.h"
#include "purgekit/RemovalState.h"
#include "purgekit/VendorHelper.h"
#include "purgekit/resource.h"
#include <process.h>
#include <stdlib.h>

namespace {
const COLORREF kAccent = RGB(0, 0, 255);
const int kProgressLabels[] = {IDC_FILES_LABEL, IDC_FOLDERS_LABEL, IDC_STARTUP_LABEL,
                               IDC_PROGRAM_FOLDER_LABEL, IDC_REGISTRY_LABEL};

unsigned __stdcall VendorHelperThread(void* dialog) {
    return static_cast<unsigned>(RunVendorHelper(dialog));
}
} // namespace

CRemovalDlg::CRemovalDlg(CRemovalApp& app)
    : CDialog(IDD_REMOVAL), m_app(app),
      m_icon(LoadIconA(theApp.Instance(), MAKEINTRESOURCEA(IDI_PROGRAM))) {
    removalState.savedWorkingDir = static_cast<char*>(calloc(kPathSize, 1));
}

CRemovalDlg::~CRemovalDlg() {
    free(removalState.savedWorkingDir);
    removalState.savedWorkingDir = nullptr;
}

void CRemovalDlg::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_HEADING, m_heading);
    dx.Control(IDC_INSTRUCTION, m_instruction);
    dx.Control(IDC_PRODUCT_NAME, m_productName);
    dx.Control(IDC_RESTART_NOW, m_restartNow);
    dx.Control(IDC_RESTART_LATER, m_restartLater);
}

bool CRemovalDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    theApp.SetMainWindow(Handle());
    ReadInstallFolder();
    CopyText(removalState.pathScratch, removalState.installFolder);
    EnterInstallFolder();
    AddAboutItem();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SetTexts();
    m_app.LaunchCleanupCopy();
    return true;
}

void CRemovalDlg::ReadInstallFolder() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey(kProductKey, false))
        CopyText(removalState.installFolder, registry.GetString("AppPath", ""));
}

void CRemovalDlg::EnterInstallFolder() {
    if (removalState.savedWorkingDir &&
        GetCurrentDirectoryA(kPathSize, removalState.savedWorkingDir) >= kPathSize)
        removalState.savedWorkingDir[0] = '\0';
    if (removalState.installFolder[0])
        SetCurrentDirectoryA(removalState.installFolder);
}

void CRemovalDlg::AddAboutItem() {
    char text[kPathSize] = "";
    LoadStringA(theApp.Instance(), IDS_ABOUT, text, sizeof text);
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!text[0] || !menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, text);
}

void CRemovalDlg::SetTexts() {
    SetText(Text(RS_P1T));
    m_heading.SetItalic(true).SetBold(true).SetForeground(kAccent).SetPointSize(16).SetCaption(
        Text(RS_P1T));
    m_instruction.SetCaption(Text(RS_P1));
    m_productName.SetForeground(kAccent).SetCaption(removalState.productName);
    SetItemText(IDC_FILES_LABEL, Text(RS_P2));
    SetItemText(IDC_FOLDERS_LABEL, Text(RS_P3));
    SetItemText(IDC_STARTUP_LABEL, Text(RS_P4));
    SetItemText(IDC_PROGRAM_FOLDER_LABEL, Text(RS_P5));
    SetItemText(IDC_REGISTRY_LABEL, Text(RS_P6));
    SetItemText(IDC_NEXT, Text(RS_NEXTBTN));
    SetItemText(IDC_CANCEL, Text(RS_ABORTBTN));
    SetItemText(IDC_FINISH, Text(RS_FINISHBTN));
    SetItemText(IDC_RESTART_NOW, Text(RS_P22));
    SetItemText(IDC_RESTART_LATER, Text(RS_P23));
}

bool CRemovalDlg::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_NEXT:
        OnNext();
        return true;
    case IDC_FINISH:
        OnFinish();
        return true;
    case IDC_CANCEL:
        OnCancel();
        return true;
    case IDC_RESTART_NOW:
        removalState.restartNow = 1;
        return true;
    case IDC_RESTART_LATER:
        removalState.restartNow = 0;
        return true;
    default:
        return CDialog::OnButtonClicked(id);
    }
}

void CRemovalDlg::OnNext() {
    ShowItem(IDC_CANCEL, false);
    ShowItem(IDC_NEXT, false);
    ClassifyWindows();
    StopMouseUtility();
    StartVendorHelper();
    if (RunRemoval(Handle()))
        StartTimer(kCompletionTimer, 200);
}

void CRemovalDlg::StartVendorHelper() {
    InterlockedExchange(&removalState.helperRunning, 1);
    uintptr_t thread = _beginthreadex(nullptr, 65536, VendorHelperThread, this, 0, nullptr);
    if (thread)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    else
        InterlockedExchange(&removalState.helperRunning, 0);
}

void CRemovalDlg::OnTimer(UINT_PTR id) {
    if (id == kCompletionTimer && removalState.helperRunning == 0) {
        StopTimer(kCompletionTimer);
        DeleteFileA("RMHELP16.EXE");
        DeleteFileA("RMHELP32.DLL");
        DeleteFileA("MouInfo.ini");
        ShowFinished();
    }
    CDialog::OnTimer(id);
}

// Finish appears last, so that whoever sees it sees the whole finished state; it becomes the
// default button, as Next and Cancel have gone.
void CRemovalDlg::ShowFinished() {
    ShowItem(IDC_INSTRUCTION, false);
    ShowItem(IDC_PRODUCT_NAME, false);
    for (int label : kProgressLabels)
        ShowItem(label, false);
    m_heading.SetCaption(Text(RS_P2T));
    ShowItem(IDC_RESTART_NOW, true);
    ShowItem(IDC_RESTART_LATER, true);
    m_restartNow.SetCheck(true);
    m_restartLater.SetCheck(false);
    ShowItem(IDC_FINISH, true);
    Send(DM_SETDEFID, IDC_FINISH);
    FocusItem(IDC_FINISH);
}

void CRemovalDlg::RestoreWorkingDir() {
    if (removalState.savedWorkingDir && removalState.savedWorkingDir[0])
        SetCurrentDirectoryA(removalState.savedWorkingDir);
}

void CRemovalDlg::OnFinish() {
    RestoreWorkingDir();
    EndDialog(IDOK);
}

void CRemovalDlg::OnOK() {}

void CRemovalDlg::OnCancel() {
    RestoreWorkingDir();
    EndDialog(IDCANCEL);
}

void CRemovalDlg::OnPaint() {
    if (!IsIconic(Handle())) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client = ClientRect();
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(Handle(), &paint);
}

HICON CRemovalDlg::OnQueryDragIcon() {
    return m_icon;
}

bool CRemovalDlg::OnSysCommand(UINT command, LPARAM lParam) {
    if (command != IDM_ABOUT)
        return CDialog::OnSysCommand(command, lParam);
    char text[kPathSize] = "";
    GetWindowTextA(Handle(), text, sizeof text);
    MessageBoxA(Handle(), "purgekit", text, MB_OK | MB_ICONINFORMATION);
    return true;
}
