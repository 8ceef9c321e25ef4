// The dialog procedure, the message routing and the modal loop shared by every dialog.
#include "common/Dialog.h"
#include "common/App.h"
#include "common/Control.h"

bool CDataExchange::Control(int id, CControl& control) {
    if (control.IsAttached())
        return true;
    return control.Attach(m_dialog.Handle(), id);
}

bool CDataExchange::Text(int id, char* buffer, size_t size) {
    HWND item = m_dialog.Item(id);
    if (item == nullptr || size == 0)
        return false;
    if (m_save)
        GetWindowTextA(item, buffer, size > 0x7FFFFFFF ? 0x7FFFFFFF : (int)size);
    else
        SetWindowTextA(item, buffer);
    return true;
}

bool CDataExchange::Check(int id, bool& checked) {
    HWND item = m_dialog.Item(id);
    if (item == nullptr)
        return false;
    if (m_save)
        checked = SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
    else
        SendMessageA(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

CDialog::CDialog(UINT templateId, HWND owner) : m_templateId(templateId), m_owner(owner) {}

CDialog::~CDialog() {
    if (Exists())
        DestroyWindow(m_hWnd);
    Detach();
}

INT_PTR CDialog::DoModal() {
    if (Exists())
        return -1;
    HWND owner = ResolveOwner();
    m_modal = true;
    m_ended = false;
    m_result = -1;
    HWND window = CreateDialogParamA(theApp.Instance(), MAKEINTRESOURCEA(m_templateId), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        m_modal = false;
        return -1;
    }
    HWND top = owner;
    while (top != nullptr && WalkParent(top) != nullptr)
        top = WalkParent(top);
    bool ownerDisabled = owner != nullptr && EnableWindow(owner, FALSE) == FALSE;
    bool topDisabled = top != owner && top != nullptr && EnableWindow(top, FALSE) == FALSE;
    if (!m_ended && IsWindow(window) && !IsWindowVisible(window))
        ShowWindow(window, SW_SHOWNORMAL);
    RunLoop();
    if (topDisabled)
        EnableWindow(top, TRUE);
    if (ownerDisabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(window))
        DestroyWindow(window);
    m_modal = false;
    if (!m_ended)
        m_result = IDCANCEL;
    return m_result;
}

bool CDialog::Create(HWND parent) {
    if (Exists())
        return false;
    m_modal = false;
    m_ended = false;
    m_result = -1;
    return CreateDialogParamA(theApp.Instance(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::Destroy() {
    if (Exists())
        DestroyWindow(m_hWnd);
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    m_ended = true;
    if (m_hWnd == nullptr)
        return;
    if (m_modal)
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
    else
        ShowWindow(m_hWnd, SW_HIDE);
}

bool CDialog::UpdateData(bool save) {
    if (m_hWnd == nullptr)
        return false;
    CDataExchange dx(*this, save);
    DoDataExchange(dx);
    return true;
}

bool CDialog::Paint(HDC, const RECT&) {
    return false;
}

HWND CDialog::ResolveOwner() const {
    HWND owner = m_owner != nullptr ? m_owner : theApp.MainWindow();
    if (owner != nullptr && !IsWindow(owner))
        owner = nullptr;
    while (owner != nullptr && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    if (m_owner == nullptr && owner != nullptr) {
        HWND popup = GetLastActivePopup(owner);
        if (popup != nullptr && IsWindowVisible(popup) && IsWindowEnabled(popup))
            owner = popup;
    }
    return owner;
}

void CDialog::RunLoop() {
    HWND window = m_hWnd;
    while (!m_ended && IsWindow(window)) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            PostQuitMessage((int)msg.wParam);
            break;
        }
        ProcessMessage(msg);
    }
}

void CDialog::ProcessMessage(MSG& msg) {
    if (WalkPreTranslate(msg, m_hWnd))
        return;
    HWND dialog = InnermostDialog(msg.hwnd);
    if (dialog != nullptr && IsDialogMessageA(dialog, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool CDialog::WalkPreTranslate(MSG& msg, HWND stop) {
    for (HWND window = msg.hwnd; window != nullptr; window = WalkParent(window)) {
        CWindow* object = FromHandle(window);
        if (object != nullptr && object->PreTranslateMessage(&msg))
            return true;
        if (window == stop)
            break;
    }
    return false;
}

HWND CDialog::InnermostDialog(HWND target) {
    for (HWND window = target; window != nullptr;) {
        CWindow* object = FromHandle(window);
        if (object != nullptr && object->AsDialog() != nullptr)
            return window;
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
            break;
        window = GetParent(window);
    }
    return nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog;
    if (msg == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->BindHandle(window);
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (dialog == nullptr)
        return FALSE;
    LRESULT result = 0;
    bool handled = dialog->OnMessage(msg, wParam, lParam, result);
    if (msg == WM_NCDESTROY)
        dialog->Detach();
    if (!handled)
        return FALSE;
    if (ReturnsValueDirectly(msg))
        return (INT_PTR)result;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialog::ReturnsValueDirectly(UINT msg) {
    if (IsCtlColorMessage(msg))
        return true;
    switch (msg) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

void CDialog::Detach() {
    if (m_hWnd != nullptr)
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    UnbindHandle();
}

bool CDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (IsCtlColorMessage(msg)) {
        if (ReflectToControl(msg, wParam, lParam, result))
            return true;
        HBRUSH brush =
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), msg);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    switch (msg) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND:
        return RouteCommand(wParam, lParam);
    case WM_NOTIFY: {
        if (ReflectToControl(msg, wParam, lParam, result))
            return true;
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        return OnNotify((int)header->idFrom, header, result);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return ReflectToControl(msg, wParam, lParam, result);
    case WM_TIMER:
        OnTimer(wParam);
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_PRINTCLIENT:
        return Paint(reinterpret_cast<HDC>(wParam), ClientRect());
    case WM_ERASEBKGND:
        result = TRUE;
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != FALSE, (UINT)lParam);
        return false;
    case WM_SYSCOMMAND:
        return OnSysCommand((UINT)(wParam & 0xFFF0), lParam);
    case WM_QUERYDRAGICON: {
        HICON icon = OnQueryDragIcon();
        result = reinterpret_cast<LRESULT>(icon);
        return icon != nullptr;
    }
    case WM_DESTROY:
        OnDestroy();
        return false;
    default:
        return false;
    }
}

namespace {
// The window a message sent to a dialog is about, for reflection to its control object.
HWND ReflectionTarget(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
        return GetDlgItem(dialog, (int)reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID);
    case WM_COMPAREITEM:
        return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    default:
        (void)wParam;
        return reinterpret_cast<HWND>(lParam);
    }
}
} // namespace

bool CDialog::ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND target = ReflectionTarget(m_hWnd, msg, wParam, lParam);
    if (target == nullptr || target == m_hWnd)
        return false;
    CControl* control = CControl::FromHandle(target);
    return control != nullptr && control->OnReflectedMessage(msg, wParam, lParam, result);
}

bool CDialog::RouteCommand(WPARAM wParam, LPARAM lParam) {
    LRESULT ignored = 0;
    if (lParam != 0 && ReflectToControl(WM_COMMAND, wParam, lParam, ignored))
        return true;
    return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool CDialog::OnCommand(WORD code, WORD id, HWND control) {
    if (code == BN_CLICKED || (control == nullptr && code == 1))
        return OnButtonClicked(id);
    return false;
}

bool CDialog::OnButtonClicked(WORD id) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnNotify(int, NMHDR*, LRESULT&) {
    return false;
}

void CDialog::OnTimer(UINT_PTR) {}

void CDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (dc != nullptr) {
        RECT client = ClientRect();
        Paint(dc, client);
    }
    EndPaint(m_hWnd, &paint);
}

bool CDialog::OnEraseBackground(HDC) {
    return false;
}

void CDialog::OnShowWindow(bool, UINT) {}

bool CDialog::OnSysCommand(UINT, LPARAM) {
    return false;
}

HICON CDialog::OnQueryDragIcon() {
    return nullptr;
}

HBRUSH CDialog::OnCtlColor(HDC, HWND, UINT) {
    return nullptr;
}

void CDialog::OnDestroy() {}
