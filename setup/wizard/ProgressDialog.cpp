// The progress window and the timer sequence that runs the installation.
#include "setup/wizard/ProgressDialog.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/ProductRecords.h"
#include "setup/engine/Shortcuts.h"
#include "setup/engine/UninstallRegistration.h"
#include "setup/resources/resource.h"
#include <commctrl.h>

namespace {

const UINT_PTR kPollTimer = 100;
const UINT kStartDelayMs = 10;
const UINT kPollPeriodMs = 1500;
const UINT kStepPauseMs = 1500;
const int kRangeEnd = 1500;
const COLORREF kAccentBlue = RGB(0, 0, 255);

} // namespace

// The animation and progress-bar classes of the template exist once the common controls are
// registered.
CProgressDialog::CProgressDialog(HWND owner) : CDialog(IDD_PROGRESS, owner), m_phase(1) {
    InitCommonControls();
}

CProgressDialog::~CProgressDialog() {
    InstallLog.Close();
}

void CProgressDialog::DoDataExchange(CDataExchange& dx) {
    dx.Control(IDC_PROGRESS_BAR, m_progressBar);
    dx.Control(IDC_PROGRESS_TEXT, m_statusLabel);
    dx.Control(IDC_PROGRESS_ANIMATION, m_animation);
}

bool CProgressDialog::OnInitDialog() {
    bool focusFirst = CDialog::OnInitDialog();
    m_phase = 1;
    CentreOnScreen();
    Show(true);
    StartTimer(1, kStartDelayMs);
    return focusFirst;
}

void CProgressDialog::OnTimer(UINT_PTR id) {
    if (id == kPollTimer) {
        if (workerRunning == 0) {
            StopTimer(kPollTimer);
            m_phase = 2;
            StartTimer(2, kStartDelayMs);
        }
    } else if (m_phase == 1) {
        StopTimer(1);
        ShowCopying();
        StartInstallWorker(this);
        StartTimer(kPollTimer, kPollPeriodMs);
    } else if (m_phase == 2) {
        m_animation.Show(false);
        ShowStep(Text(MSG_302));
        StopTimer(2);
        WriteProductRecords();
        m_phase = 3;
        StartTimer(3, kStepPauseMs);
    } else if (m_phase == 3) {
        StopTimer(3);
        ShowStep(Text(MSG_304));
        WriteShortcuts();
        m_phase = 4;
        StartTimer(4, kStepPauseMs);
    } else if (m_phase == 4) {
        StopTimer(4);
        ShowStep(Text(MSG_306));
        RegisterUninstaller();
        EndDialog(IDOK);
    }
    CDialog::OnTimer(id);
}

void CProgressDialog::CentreOnScreen() const {
    RECT frame;
    if (!GetWindowRect(m_hWnd, &frame))
        return;
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CProgressDialog::ShowCopying() {
    SetText(Text(MSG_301));
    m_progressBar.Show(false);
    m_progressBar.SetRange(0, kRangeEnd);
    m_progressBar.SetPosition(0);
    m_animation.Show(true);
    if (m_animation.Open(IDR_PROGRESS_CLIP))
        m_animation.Play(0, -1, -1);
}

void CProgressDialog::ShowStep(const char* text) {
    SetText(text);
    m_progressBar.Show(false);
    m_statusLabel.SetPointSize(11).SetBold(true).SetCaption(text).SetForeground(kAccentBlue);
    m_statusLabel.Show(true);
}
