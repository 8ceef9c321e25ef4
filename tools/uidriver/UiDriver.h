// UI driver for tests (a test tool, not part of the deliverables): finds windows and items, waits
// for them, acts on them as a user would and reads back what a user sees.
//
// Use it from a second thread while the windows run on the test's main thread (in-process), or
// against the windows of another process (cross-process). Every action goes through the target
// thread's message queue (posted messages), so a handler that opens a modal dialog never blocks
// the driver, and the modal loop's pre-translate filters see what a user's input would produce.
// Reads use SendMessageTimeout and answer neutral values ("", -1, false) for a missing or hung
// window. Waiting polls every 10 ms up to a timeout; nothing sleeps blindly.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace uidriver {

const DWORD kDefaultTimeoutMs = 10000;

// What a top-level window must match; unset fields match anything.
struct WindowQuery {
    const char* className = nullptr; // exact class name, e.g. "#32770" for dialogs
    const char* caption = nullptr;   // exact caption
    DWORD processId = 0;             // owning process (0: any)
    DWORD threadId = 0;              // owning thread (0: any)
    HWND owner = nullptr;            // owner window (null: any)
    int itemId = 0;                  // a control id somewhere inside the window (0: none needed)
    bool visibleOnly = true;
};

// ---- Finding and waiting
// First top-level window matching query, or null.
HWND FindTopWindow(const WindowQuery& query);
// Waits until such a window exists; null after timeoutMs.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs = kDefaultTimeoutMs);
// Item with control id anywhere inside root (children, children of child dialogs...), a visible
// one first; null when there is none.
HWND FindItem(HWND root, int id);
HWND WaitForItem(HWND root, int id, DWORD timeoutMs = kDefaultTimeoutMs);
// Polls condition every 10 ms; answers whether it became true within timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);
// Waits until window no longer exists.
bool WaitForGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

// ---- Acting (each answers false when the window cannot take the action)
// Posts BM_CLICK to a button that is visible and enabled (in an enabled window).
bool Click(HWND button);
// Posts a left button press and release at client point (x, y); (-1, -1) is the centre.
bool ClickWithMouse(HWND window, int x = -1, int y = -1);
// Posts WM_KEYDOWN and WM_KEYUP of virtual key vk to target (WM_SYSKEYDOWN/UP with alt).
bool PressKey(HWND target, WORD vk, bool alt = false);
// The same to the window that has the keyboard focus in the thread of anyWindow.
bool PressKeyOnFocus(HWND anyWindow, WORD vk, bool alt = false);
// Selects row as a click does: LB_SETCURSEL, then posts WM_COMMAND LBN_SELCHANGE to the parent.
bool SelectListRow(HWND list, int row);
// Replaces the text of an edit (WM_SETTEXT, which notifies EN_CHANGE).
bool SetEditText(HWND edit, const std::string& text);
// Types text character by character (posted WM_CHAR), at the edit's caret.
bool TypeChars(HWND edit, const std::string& text);
// Posts WM_SYSCOMMAND SC_CLOSE, as the close box and the system menu's Close do.
bool CloseBySystemMenu(HWND window);

// ---- Reading
std::string Text(HWND window);
std::string ClassName(HWND window);
bool IsVisible(HWND window);
bool IsEnabled(HWND window);
// BST_CHECKED, BST_UNCHECKED, BST_INDETERMINATE; -1 without window.
int CheckState(HWND button);
std::vector<std::string> ListItems(HWND list);
// Selected row, -1 when none.
int ListSelection(HWND list);
// Window with the keyboard focus in the thread of anyWindow (null when none), and its id.
HWND FocusedWindow(HWND anyWindow);
int FocusedId(HWND anyWindow);
DWORD ProcessOf(HWND window);

// What a label's text is drawn with.
struct LabelFont {
    int height = 0;
    int weight = 0;
    bool italic = false;
    std::string face;
};
// A CLinkLabel of this process answers its own font description; any other window of this
// process answers the font it reports (WM_GETFONT). False for windows of other processes.
bool ReadLabelFont(HWND label, LabelFont& font);
// A CLinkLabel of this process answers its text colour; otherwise ReadInkColour.
bool ReadLabelTextColour(HWND label, COLORREF& colour);
// Reads the window's pixels from the screen (so it must be visible and unobscured) and answers
// the most frequent colour that differs from the most frequent one (the background): the ink.
bool ReadInkColour(HWND window, COLORREF& colour);
// The window's client area as this process paints it (WM_PRINTCLIENT into a 32-bit bitmap),
// row by row from the top; in-process windows only. Empty on failure.
std::vector<COLORREF> CaptureClient(HWND window, int& width, int& height);

} // namespace uidriver
