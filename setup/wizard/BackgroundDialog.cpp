// The setup background window.
#include "setup/wizard/BackgroundDialog.h"
#include "common/App.h"
#include "setup/core/SetupState.h"
#include "setup/resources/resource.h"
#include "setup/wizard/TitleText.h"

namespace {

const COLORREF kTopColour = RGB(0, 0, 255);
const COLORREF kBottomColour = RGB(0, 0, 0);
const COLORREF kTitleColour = RGB(255, 255, 255);
const int kTitleX = 10;
const int kTitleY = 10;

bool IsEnterOrEscapeDown(const MSG& msg) {
    return (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
           (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

} // namespace

CBackgroundDialog::CBackgroundDialog()
    : CDialog(IDD_BACKGROUND), m_icon(LoadIconA(theApp.Instance(), MAKEINTRESOURCEA(IDI_SETUP))) {}

CBackgroundDialog::~CBackgroundDialog() {
    if (setupState.backgroundWindow == this)
        setupState.backgroundWindow = nullptr;
}

bool CBackgroundDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SetText(Text(MSG_10));
    setupState.backgroundWindow = this;
    theApp.SetMainWindow(m_hWnd);
    m_frame.Create(m_hWnd);
    m_bands = GradientBands::Create();
    if (m_bands != nullptr)
        m_bands->SetColours(kTopColour, kBottomColour);
    ShowWindow(m_hWnd, SW_MAXIMIZE);
    m_frame.Show(true);
    m_frame.SetFocus();
    return false;
}

bool CBackgroundDialog::OnEraseBackground(HDC dc) {
    PaintGradient(dc, ClientRect());
    return true;
}

void CBackgroundDialog::PaintGradient(HDC dc, const RECT& client) {
    if (m_bands == nullptr)
        return;
    m_bands->Build(client);
    m_bands->Paint(dc);
}

void CBackgroundDialog::OnPaint() {
    CDialog::OnPaint();
    FocusFrame();
}

bool CBackgroundDialog::Paint(HDC dc, const RECT& client) {
    if (IsIconic(m_hWnd)) {
        PaintIcon(dc, client);
        return true;
    }
    PaintGradient(dc, client);
    PaintTitle(dc);
    return true;
}

void CBackgroundDialog::PaintIcon(HDC dc, const RECT& client) {
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
}

void CBackgroundDialog::PaintTitle(HDC dc) {
    // Both parts are loaded texts of at most a path's length each.
    char title[2 * kPathSize + 1];
    CopyText(title, Text(MSG_11));
    AppendText(title, " ");
    AppendText(title, ConfigText(setupState.config.productName));
    DrawTitleText(dc, kTitleX, kTitleY, title, "Times New Roman", 12, 26, kTitleColour, FW_BOLD);
}

HICON CBackgroundDialog::OnQueryDragIcon() {
    return m_icon;
}

void CBackgroundDialog::OnShowWindow(bool show, UINT status) {
    CDialog::OnShowWindow(show, status);
    FocusFrame();
}

void CBackgroundDialog::FocusFrame() {
    HWND frame = m_frame.Handle();
    if (!m_frame.Exists())
        return;
    HWND focus = GetFocus();
    // A control inside the frame or one of its pages keeps the focus it has.
    if (focus != frame && !IsChild(frame, focus))
        m_frame.SetFocus();
}

bool CBackgroundDialog::PreTranslateMessage(MSG* msg) {
    if (!IsEnterOrEscapeDown(*msg))
        return false;
    msg->wParam = 0;
    if (m_frame.Exists())
        m_frame.SetFocus();
    return false;
}

void CBackgroundDialog::OnDestroy() {
    CDialog::OnDestroy();
    if (m_bands != nullptr)
        m_bands->Destroy();
    m_bands = nullptr;
    m_frame.Destroy();
    if (theApp.MainWindow() == m_hWnd)
        theApp.SetMainWindow(nullptr);
}
