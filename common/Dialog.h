// Dialogs built from numbered templates of theApp.Instance(), run modally in the framework's own
// message loop or created modelessly; one dialog procedure routes every message to virtual hooks.
#pragma once
#include "common/Window.h"

// One data exchange between a dialog's items and its members (see CDialog::DoDataExchange).
class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool save) : m_dialog(dialog), m_save(save) {}
    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    // True when item contents are saved into members, false when members are loaded into items.
    bool IsSaving() const { return m_save; }
    // Attaches control to item id unless it is already attached (so the first exchange binds).
    // Answers whether the control is attached afterwards.
    bool Control(int id, CControl& control);
    // Text of item id and a member buffer of size bytes: saving copies the window text into the
    // buffer (cut to fit, terminated), loading sets the window text from the buffer. A missing
    // item leaves the buffer unchanged; answers whether the item exists.
    bool Text(int id, char* buffer, size_t size);
    template <size_t N> bool Text(int id, char (&buffer)[N]) { return Text(id, buffer, N); }
    // Check state of a button item and a member: true/false for checked/unchecked.
    bool Check(int id, bool& checked);

  private:
    CDialog& m_dialog;
    bool m_save;
};

class CDialog : public CWindow {
  public:
    // templateId: the dialog template in theApp.Instance(); owner: window that a modal run
    // disables (null: theApp.MainWindow(), or its last active popup when that one is visible and
    // enabled; no owner when no main window is set).
    explicit CDialog(UINT templateId, HWND owner = nullptr);
    // Destroys a window that still exists (a modeless dialog nobody destroyed).
    ~CDialog() override;
    const char* RuntimeClass() const override { return "CDialog"; }
    CDialog* AsDialog() override { return this; }

    UINT TemplateId() const { return m_templateId; }
    // Owner of the next modal run (null: as for the constructor).
    void SetOwner(HWND owner) { m_owner = owner; }

    // Runs the dialog modally: creates it over its owner, disables the owner (and the owner's
    // top-level window), shows it and runs the framework's loop until EndDialog; re-enables the
    // owner, then destroys the window. Answers the EndDialog result, -1 when the window cannot
    // be created, and IDCANCEL when the window was destroyed without EndDialog. A WM_QUIT seen by
    // the loop ends it with IDCANCEL and is posted again for the outer loop.
    INT_PTR DoModal();
    // Creates the dialog modelessly as child or owned window of parent (as the template says).
    // Answers false when the window cannot be created (nothing is changed then).
    bool Create(HWND parent);
    // Destroys the window of a modeless dialog (nothing without window).
    void Destroy();
    // Ends a modal run with result after the current message; a modeless dialog is hidden and
    // keeps the result for Result().
    void EndDialog(INT_PTR result);
    INT_PTR Result() const { return m_result; }
    bool IsModal() const { return m_modal; }

    // Runs DoDataExchange: save=true copies item contents into members, false the other way.
    // Answers false without window.
    bool UpdateData(bool save);

    // Paints the client area on any device context (WM_PAINT and WM_PRINTCLIENT call it, tests
    // may too). Answers whether it painted; the base paints nothing.
    virtual bool Paint(HDC dc, const RECT& client);

  protected:
    // The central handler: answers whether the message was handled and its result. The base
    // routes to the hooks below and reflects control messages to attached CControl objects; an
    // override handles what it wants and calls the base for the rest.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Binds items to members; the base binds nothing. Called by UpdateData.
    virtual void DoDataExchange(CDataExchange& dx);
    // After the window is created, before it is shown. The base loads the members into the items
    // (UpdateData(false)). Answer true to let the dialog manager focus the first control, false
    // when the handler set the focus itself.
    virtual bool OnInitDialog();
    // WM_COMMAND not consumed by the control it came from (code, item id, control window or
    // null). The base sends BN_CLICKED (and menu/accelerator codes) to OnButtonClicked.
    // Answers whether it was handled.
    virtual bool OnCommand(WORD code, WORD id, HWND control);
    // The base runs OnOK for IDOK and OnCancel for IDCANCEL, and answers false for other ids.
    virtual bool OnButtonClicked(WORD id);
    // The base saves the data (UpdateData(true)) and ends with IDOK when that succeeded.
    virtual void OnOK();
    // The base ends with IDCANCEL. Escape, the close box and the system menu's Close arrive here.
    virtual void OnCancel();
    // WM_NOTIFY not consumed by the control it came from; result goes to DWLP_MSGRESULT.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
    virtual void OnTimer(UINT_PTR id);
    // The base begins painting, calls Paint with the paint device context and ends painting.
    virtual void OnPaint();
    // Answers whether the background was erased; the base leaves it to the dialog manager.
    virtual bool OnEraseBackground(HDC dc);
    virtual void OnShowWindow(bool show, UINT status);
    // Answers whether the command was handled; the base leaves it to the default handling.
    virtual bool OnSysCommand(UINT command, LPARAM lParam);
    // Icon shown while a minimised window is dragged; null for the default.
    virtual HICON OnQueryDragIcon();
    // Colour request of the dialog itself or of an item whose object did not answer it;
    // null for the default colours.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg);
    // WM_DESTROY; the window still exists.
    virtual void OnDestroy();

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static bool ReturnsValueDirectly(UINT msg);
    bool ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool RouteCommand(WPARAM wParam, LPARAM lParam);
    HWND ResolveOwner() const;
    void RunLoop();
    void ProcessMessage(MSG& msg);
    static bool WalkPreTranslate(MSG& msg, HWND stop);
    static HWND InnermostDialog(HWND target);
    void Detach();

    UINT m_templateId;
    HWND m_owner;
    INT_PTR m_result = -1;
    bool m_modal = false;
    bool m_ended = false;
};
