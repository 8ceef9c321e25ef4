// Base of the framework's window objects: a window handle it does not own, the helpers every
// dialog and control uses, and the lookup from a window handle back to its framework object.
#pragma once
#include <windows.h>
#include <stddef.h>

class CControl;
class CDialog;

class CWindow {
  public:
    CWindow() = default;
    virtual ~CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // The window, or null while none is created or attached.
    HWND Handle() const { return m_hWnd; }
    // Whether the window exists.
    bool Exists() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd) != FALSE; }
    // Name of the object's class, for code that must tell framework objects apart without RTTI.
    virtual const char* RuntimeClass() const { return "CWindow"; }
    // The object as a dialog or a control, null when it is not one.
    virtual CDialog* AsDialog() { return nullptr; }
    virtual CControl* AsControl() { return nullptr; }

    // Filter run by the framework's modal loop for every message bound for this window or a
    // window inside it (the target's object first, then its parents' and owners' outwards).
    // Answers true when the message is consumed: it is then neither translated nor dispatched.
    // A filter may also change the message (e.g. the key code) and answer false to pass it on.
    virtual bool PreTranslateMessage(MSG* msg);

    // Whether msg is one of the colour requests WM_CTLCOLORMSGBOX ... WM_CTLCOLORSTATIC, which
    // a parent sends for each child it paints.
    static bool IsCtlColorMessage(UINT msg) {
        return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
    }
    // The framework object attached to a window of this process, or null for any other window.
    static CWindow* FromHandle(HWND window);
    // The next window of the pre-translate walk: the parent of a child window, the owner of a
    // top-level window, null at the end.
    static HWND WalkParent(HWND window);

    // Window text; GetText answers the length copied (cut to fit, always terminated; 0 and ""
    // when there is no window).
    void SetText(const char* text) const;
    int GetText(char* buffer, int size) const;
    int TextLength() const;
    template <size_t N> int GetText(char (&buffer)[N]) const { return GetText(buffer, (int)N); }

    void Show(bool show) const;
    bool IsVisible() const;
    void Enable(bool enable) const;
    bool IsEnabled() const;
    void SetFocus() const;
    // Invalidates the whole client area; with erase the background is erased first.
    void Invalidate(bool erase) const;
    // Paints the invalid part of the window now.
    void Update() const;
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Answers false when the timer cannot be started.
    bool StartTimer(UINT_PTR id, UINT periodMs) const;
    void StopTimer(UINT_PTR id) const;
    RECT ClientRect() const;
    // Control id of the window (0 without window).
    int Id() const;

    // Items of this window by control id; each does nothing when the item does not exist.
    HWND Item(int id) const;
    void SetItemText(int id, const char* text) const;
    int GetItemText(int id, char* buffer, int size) const;
    int ItemTextLength(int id) const;
    void ShowItem(int id, bool show) const;
    void EnableItem(int id, bool enable) const;
    // Check state of a button item (BST_CHECKED / BST_UNCHECKED).
    void CheckItem(int id, bool checked) const;
    bool IsItemChecked(int id) const;
    void FocusItem(int id) const;
    // Control id of the window that has the keyboard focus when it is this window's item
    // (direct child), 0 otherwise.
    int FocusedItemId() const;

  protected:
    // Records this object as the window's framework object (SetObject) or removes the record.
    void BindHandle(HWND window);
    void UnbindHandle();

    HWND m_hWnd = nullptr;
};
