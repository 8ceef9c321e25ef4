// Attaching control objects to dialog items by subclassing, and the reflected-message routing.
#include "common/Control.h"

namespace {
// The control's own window procedure, kept on the window so that a message arriving after the
// object has gone still reaches it.
const char kOldProcProperty[] = "FrameworkControlProc";
} // namespace

CControl::~CControl() {
    Detach();
}

bool CControl::Attach(HWND dialog, int id) {
    if (dialog == nullptr)
        return false;
    return AttachWindow(GetDlgItem(dialog, id));
}

bool CControl::AttachWindow(HWND control) {
    if (control == nullptr || m_hWnd != nullptr || CWindow::FromHandle(control) != nullptr)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(control, &process);
    if (process != GetCurrentProcessId())
        return false;
    m_oldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetPropA(control, kOldProcProperty, reinterpret_cast<HANDLE>(m_oldProc));
    BindHandle(control);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
    OnAttach();
    return true;
}

void CControl::Detach() {
    if (m_hWnd == nullptr)
        return;
    if (GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
        RemovePropA(m_hWnd, kOldProcProperty);
    }
    UnbindHandle();
    m_oldProc = nullptr;
}

CControl* CControl::FromHandle(HWND window) {
    CWindow* object = CWindow::FromHandle(window);
    return object != nullptr ? object->AsControl() : nullptr;
}

LRESULT CALLBACK CControl::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    CControl* control = FromHandle(window);
    if (control == nullptr) {
        WNDPROC oldProc = reinterpret_cast<WNDPROC>(GetPropA(window, kOldProcProperty));
        if (oldProc == nullptr)
            return DefWindowProcA(window, msg, wParam, lParam);
        return CallWindowProcA(oldProc, window, msg, wParam, lParam);
    }
    LRESULT result = control->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        control->Detach();
    return result;
}

LRESULT CControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_oldProc == nullptr)
        return DefWindowProcA(m_hWnd, msg, wParam, lParam);
    return CallWindowProcA(m_oldProc, m_hWnd, msg, wParam, lParam);
}

bool CControl::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (IsCtlColorMessage(msg)) {
        HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), msg);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    switch (msg) {
    case WM_DRAWITEM:
        result = TRUE;
        return OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        return OnCommandNotify(HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotifyReflect(reinterpret_cast<NMHDR*>(lParam), result);
    default:
        return false;
    }
}

void CControl::OnAttach() {}

HBRUSH CControl::OnCtlColor(HDC, UINT) {
    return nullptr;
}

bool CControl::OnDrawItem(DRAWITEMSTRUCT*) {
    return false;
}

bool CControl::OnCommandNotify(WORD) {
    return false;
}

bool CControl::OnNotifyReflect(NMHDR*, LRESULT&) {
    return false;
}
