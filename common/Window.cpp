// Window helpers shared by dialogs and controls, and the window-to-object record.
#include "common/Window.h"

namespace {
// Window property that holds the framework object of a window of ours.
const char kObjectProperty[] = "FrameworkWindowObject";
} // namespace

bool CWindow::PreTranslateMessage(MSG*) {
    return false;
}

CWindow* CWindow::FromHandle(HWND window) {
    if (window == nullptr)
        return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        return nullptr;
    return static_cast<CWindow*>(GetPropA(window, kObjectProperty));
}

HWND CWindow::WalkParent(HWND window) {
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
        return GetParent(window);
    return GetWindow(window, GW_OWNER);
}

void CWindow::BindHandle(HWND window) {
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
}

void CWindow::UnbindHandle() {
    if (m_hWnd != nullptr && GetPropA(m_hWnd, kObjectProperty) == this)
        RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWindow::SetText(const char* text) const {
    if (m_hWnd != nullptr)
        SetWindowTextA(m_hWnd, text != nullptr ? text : "");
}

int CWindow::GetText(char* buffer, int size) const {
    if (size <= 0)
        return 0;
    buffer[0] = '\0';
    if (m_hWnd == nullptr)
        return 0;
    return GetWindowTextA(m_hWnd, buffer, size);
}

int CWindow::TextLength() const {
    return m_hWnd != nullptr ? GetWindowTextLengthA(m_hWnd) : 0;
}

void CWindow::Show(bool show) const {
    if (m_hWnd != nullptr)
        ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

bool CWindow::IsVisible() const {
    return m_hWnd != nullptr && IsWindowVisible(m_hWnd) != FALSE;
}

void CWindow::Enable(bool enable) const {
    if (m_hWnd != nullptr)
        EnableWindow(m_hWnd, enable ? TRUE : FALSE);
}

bool CWindow::IsEnabled() const {
    return m_hWnd != nullptr && IsWindowEnabled(m_hWnd) != FALSE;
}

void CWindow::SetFocus() const {
    if (m_hWnd != nullptr)
        ::SetFocus(m_hWnd);
}

void CWindow::Invalidate(bool erase) const {
    if (m_hWnd != nullptr)
        InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE);
}

void CWindow::Update() const {
    if (m_hWnd != nullptr)
        UpdateWindow(m_hWnd);
}

LRESULT CWindow::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd != nullptr ? SendMessageA(m_hWnd, msg, wParam, lParam) : 0;
}

bool CWindow::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd != nullptr && PostMessageA(m_hWnd, msg, wParam, lParam) != FALSE;
}

bool CWindow::StartTimer(UINT_PTR id, UINT periodMs) const {
    return m_hWnd != nullptr && SetTimer(m_hWnd, id, periodMs, nullptr) != 0;
}

void CWindow::StopTimer(UINT_PTR id) const {
    if (m_hWnd != nullptr)
        KillTimer(m_hWnd, id);
}

RECT CWindow::ClientRect() const {
    RECT rect = {0, 0, 0, 0};
    if (m_hWnd != nullptr)
        GetClientRect(m_hWnd, &rect);
    return rect;
}

int CWindow::Id() const {
    return m_hWnd != nullptr ? GetDlgCtrlID(m_hWnd) : 0;
}

HWND CWindow::Item(int id) const {
    return m_hWnd != nullptr ? GetDlgItem(m_hWnd, id) : nullptr;
}

void CWindow::SetItemText(int id, const char* text) const {
    HWND item = Item(id);
    if (item != nullptr)
        SetWindowTextA(item, text != nullptr ? text : "");
}

int CWindow::GetItemText(int id, char* buffer, int size) const {
    if (size <= 0)
        return 0;
    buffer[0] = '\0';
    HWND item = Item(id);
    return item != nullptr ? GetWindowTextA(item, buffer, size) : 0;
}

int CWindow::ItemTextLength(int id) const {
    HWND item = Item(id);
    return item != nullptr ? GetWindowTextLengthA(item) : 0;
}

void CWindow::ShowItem(int id, bool show) const {
    HWND item = Item(id);
    if (item != nullptr)
        ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void CWindow::EnableItem(int id, bool enable) const {
    HWND item = Item(id);
    if (item != nullptr)
        EnableWindow(item, enable ? TRUE : FALSE);
}

void CWindow::CheckItem(int id, bool checked) const {
    HWND item = Item(id);
    if (item != nullptr)
        SendMessageA(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CWindow::IsItemChecked(int id) const {
    HWND item = Item(id);
    return item != nullptr && SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CWindow::FocusItem(int id) const {
    HWND item = Item(id);
    if (item != nullptr)
        ::SetFocus(item);
}

int CWindow::FocusedItemId() const {
    HWND focus = GetFocus();
    if (m_hWnd == nullptr || focus == nullptr || GetParent(focus) != m_hWnd)
        return 0;
    return GetDlgCtrlID(focus);
}
