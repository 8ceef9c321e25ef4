// Control objects attached to existing dialog items by subclassing: the control's own messages go
// to WindowProc, and the messages its parent dialog receives about it (colour requests, owner
// drawing, WM_COMMAND notifications, WM_NOTIFY) are reflected to it by CDialog.
#pragma once
#include "common/Window.h"

class CControl : public CWindow {
  public:
    CControl() = default;
    // Detaches from a window that still exists.
    ~CControl() override;
    const char* RuntimeClass() const override { return "CControl"; }
    CControl* AsControl() override { return this; }

    // Attaches to item id of dialog. Answers false (and changes nothing) when the item does not
    // exist, this object is attached already or the window belongs to another framework object.
    bool Attach(HWND dialog, int id);
    bool AttachWindow(HWND control);
    // Gives the window its own procedure back; the object keeps nothing of it.
    void Detach();
    bool IsAttached() const { return m_hWnd != nullptr; }
    // The control object attached to window, or null when it has none.
    static CControl* FromHandle(HWND window);

    // A message the parent dialog received about this control: WM_CTLCOLOR*, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_COMMAND (a notification), WM_NOTIFY. Answers whether it was handled and
    // its result; the base routes to the hooks below.
    virtual bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    // Run once the window is subclassed (the place to read the control's current state).
    virtual void OnAttach();
    // Every message sent or posted to the control; the base passes it to the control's own
    // procedure (DefaultProc). WM_NCDESTROY detaches after that.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Reflected colour request (msg is WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, ...): set up dc and
    // answer the background brush, or null to leave the request to the dialog.
    virtual HBRUSH OnCtlColor(HDC dc, UINT msg);
    // Reflected owner drawing; answers whether the item was drawn.
    virtual bool OnDrawItem(DRAWITEMSTRUCT* item);
    // Reflected WM_COMMAND notification (BN_CLICKED, EN_CHANGE, LBN_SELCHANGE...); answers true
    // to consume it, so the dialog's OnCommand does not see it.
    virtual bool OnCommandNotify(WORD code);
    // Reflected WM_NOTIFY; answers true to consume it, with result for DWLP_MSGRESULT.
    virtual bool OnNotifyReflect(NMHDR* header, LRESULT& result);

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_oldProc = nullptr;
};
