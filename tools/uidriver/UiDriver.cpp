// UI driver for tests (a test tool, not part of the deliverables): window search, user actions
// through the message queue, and read-back of texts, states, fonts and colours.
#include "tools/uidriver/UiDriver.h"
#include "common/LinkLabel.h"
#include <map>
#include <string.h>

namespace uidriver {
namespace {

const DWORD kSendTimeoutMs = 5000;
const DWORD kPollMs = 10;

bool SendWithTimeout(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &result) != 0;
}

bool Matches(HWND window, const WindowQuery& query) {
    if (query.visibleOnly && !IsWindowVisible(window))
        return false;
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(window, &process);
    if ((query.processId != 0 && process != query.processId) ||
        (query.threadId != 0 && thread != query.threadId))
        return false;
    if (query.owner != nullptr && GetWindow(window, GW_OWNER) != query.owner)
        return false;
    if (query.className != nullptr && ClassName(window) != query.className)
        return false;
    if (query.caption != nullptr && Text(window) != query.caption)
        return false;
    return query.itemId == 0 || FindItem(window, query.itemId) != nullptr;
}

struct Search {
    const WindowQuery* query;
    HWND found;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    if (!Matches(window, *search->query))
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ItemSearch {
    int id;
    HWND visible;
    HWND any;
};

BOOL CALLBACK MatchItem(HWND window, LPARAM param) {
    ItemSearch* search = reinterpret_cast<ItemSearch*>(param);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    if (search->any == nullptr)
        search->any = window;
    if (IsWindowVisible(window)) {
        search->visible = window;
        return FALSE;
    }
    return TRUE;
}

// Whether a user could reach window with the mouse: visible, and it and its parents enabled.
bool Reachable(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window))
        return false;
    for (HWND w = window; w != nullptr; w = GetParent(w)) {
        if (!IsWindowEnabled(w))
            return false;
        if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD))
            break;
    }
    return true;
}

LPARAM KeyData(WORD vk, bool up, bool alt) {
    LPARAM data = 1 | ((LPARAM)MapVirtualKeyA(vk, 0) << 16);
    if (alt)
        data |= (LPARAM)1 << 29;
    if (up)
        data |= ((LPARAM)1 << 30) | ((LPARAM)1 << 31);
    return data;
}

CLinkLabel* LabelObject(HWND window) {
    CWindow* object = CWindow::FromHandle(window);
    if (object == nullptr || strcmp(object->RuntimeClass(), "CLinkLabel") != 0)
        return nullptr;
    return static_cast<CLinkLabel*>(object);
}

// Most frequent colour of pixels, and the most frequent one that differs from it.
bool InkOf(const std::vector<COLORREF>& pixels, COLORREF& ink) {
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels)
        ++counts[pixel];
    COLORREF background = 0;
    int best = -1;
    for (const auto& entry : counts)
        if (entry.second > best) {
            best = entry.second;
            background = entry.first;
        }
    best = -1;
    for (const auto& entry : counts)
        if (entry.first != background && entry.second > best) {
            best = entry.second;
            ink = entry.first;
        }
    return best > 0;
}

// Pixels of a 32-bit top-down DIB section as COLORREF values.
std::vector<COLORREF> ToColours(const DWORD* bits, int count) {
    std::vector<COLORREF> colours((size_t)count);
    for (int i = 0; i < count; ++i)
        colours[(size_t)i] = RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF);
    return colours;
}

// A memory device context with a 32-bit top-down bitmap of width x height selected.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* bits = nullptr;

    Canvas(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* memory = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        bits = static_cast<DWORD*>(memory);
        if (bitmap != nullptr)
            old = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        if (old != nullptr)
            SelectObject(dc, old);
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        if (dc != nullptr)
            DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

} // namespace

HWND FindTopWindow(const WindowQuery& query) {
    Search search = {&query, nullptr};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeoutMs);
    return found;
}

HWND FindItem(HWND root, int id) {
    if (root == nullptr)
        return nullptr;
    ItemSearch search = {id, nullptr, nullptr};
    EnumChildWindows(root, MatchItem, reinterpret_cast<LPARAM>(&search));
    return search.visible != nullptr ? search.visible : search.any;
}

HWND WaitForItem(HWND root, int id, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindItem(root, id)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

bool WaitForGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

bool Click(HWND button) {
    return Reachable(button) && PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

bool ClickWithMouse(HWND window, int x, int y) {
    if (!Reachable(window))
        return false;
    RECT client;
    GetClientRect(window, &client);
    if (x < 0 || y < 0) {
        x = client.right / 2;
        y = client.bottom / 2;
    }
    LPARAM point = MAKELPARAM(x, y);
    return PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point) != FALSE &&
           PostMessageA(window, WM_LBUTTONUP, 0, point) != FALSE;
}

bool PressKey(HWND target, WORD vk, bool alt) {
    if (!IsWindow(target))
        return false;
    UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    return PostMessageA(target, down, vk, KeyData(vk, false, alt)) != FALSE &&
           PostMessageA(target, up, vk, KeyData(vk, true, alt)) != FALSE;
}

bool PressKeyOnFocus(HWND anyWindow, WORD vk, bool alt) {
    HWND focus = FocusedWindow(anyWindow);
    return focus != nullptr && PressKey(focus, vk, alt);
}

bool SelectListRow(HWND list, int row) {
    if (!Reachable(list))
        return false;
    DWORD_PTR result = 0;
    if (!SendWithTimeout(list, LB_SETCURSEL, (WPARAM)row, 0, result) || (LRESULT)result == LB_ERR)
        return false;
    HWND parent = GetParent(list);
    WPARAM command = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
    return parent != nullptr &&
           PostMessageA(parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(list)) != FALSE;
}

bool SetEditText(HWND edit, const std::string& text) {
    DWORD_PTR result = 0;
    return Reachable(edit) &&
           SendWithTimeout(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), result) &&
           result != FALSE;
}

bool TypeChars(HWND edit, const std::string& text) {
    if (!Reachable(edit))
        return false;
    for (unsigned char c : text)
        if (!PostMessageA(edit, WM_CHAR, c, 1))
            return false;
    return true;
}

bool CloseBySystemMenu(HWND window) {
    return IsWindow(window) && PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

std::string Text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendWithTimeout(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                         copied))
        return std::string();
    text.resize(copied < length ? copied : length);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsVisible(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

bool IsEnabled(HWND window) {
    return IsWindow(window) && IsWindowEnabled(window);
}

int CheckState(HWND button) {
    DWORD_PTR state = 0;
    return SendWithTimeout(button, BM_GETCHECK, 0, 0, state) ? (int)state : -1;
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!SendWithTimeout(list, LB_GETCOUNT, 0, 0, count) || (LRESULT)count == LB_ERR)
        return items;
    for (DWORD_PTR row = 0; row < count; ++row) {
        DWORD_PTR length = 0;
        if (!SendWithTimeout(list, LB_GETTEXTLEN, row, 0, length) || (LRESULT)length == LB_ERR)
            break;
        std::string text(length + 1, '\0');
        DWORD_PTR copied = 0;
        SendWithTimeout(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]), copied);
        text.resize(strlen(text.c_str()));
        items.push_back(text);
    }
    return items;
}

int ListSelection(HWND list) {
    DWORD_PTR row = 0;
    if (!SendWithTimeout(list, LB_GETCURSEL, 0, 0, row))
        return -1;
    return (LRESULT)row == LB_ERR ? -1 : (int)(LRESULT)row;
}

HWND FocusedWindow(HWND anyWindow) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(anyWindow, nullptr);
    if (thread == 0 || !GetGUIThreadInfo(thread, &info))
        return nullptr;
    return info.hwndFocus;
}

int FocusedId(HWND anyWindow) {
    HWND focus = FocusedWindow(anyWindow);
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

bool ReadLabelFont(HWND label, LabelFont& font) {
    if (ProcessOf(label) != GetCurrentProcessId())
        return false;
    LOGFONTA description = {};
    if (CLinkLabel* object = LabelObject(label)) {
        description = object->FontDescription();
    } else {
        DWORD_PTR handle = 0;
        if (!SendWithTimeout(label, WM_GETFONT, 0, 0, handle) || handle == 0 ||
            GetObjectA(reinterpret_cast<HFONT>(handle), sizeof description, &description) == 0)
            return false;
    }
    font.height = description.lfHeight;
    font.weight = description.lfWeight;
    font.italic = description.lfItalic != 0;
    font.face = description.lfFaceName;
    return true;
}

bool ReadLabelTextColour(HWND label, COLORREF& colour) {
    if (ProcessOf(label) == GetCurrentProcessId())
        if (CLinkLabel* object = LabelObject(label)) {
            colour = object->TextColour();
            return true;
        }
    return ReadInkColour(label, colour);
}

bool ReadInkColour(HWND window, COLORREF& colour) {
    RECT area;
    if (!IsVisible(window) || !GetWindowRect(window, &area))
        return false;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    bool copied = canvas.bits != nullptr && screen != nullptr &&
                  BitBlt(canvas.dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    GdiFlush();
    return copied && InkOf(ToColours(canvas.bits, width * height), colour);
}

std::vector<COLORREF> CaptureClient(HWND window, int& width, int& height) {
    RECT client;
    width = height = 0;
    if (ProcessOf(window) != GetCurrentProcessId() || !GetClientRect(window, &client) ||
        client.right <= 0 || client.bottom <= 0)
        return std::vector<COLORREF>();
    Canvas canvas(client.right, client.bottom);
    if (canvas.bits == nullptr)
        return std::vector<COLORREF>();
    DWORD_PTR ignored = 0;
    SendWithTimeout(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT,
                    ignored);
    GdiFlush();
    width = client.right;
    height = client.bottom;
    return ToColours(canvas.bits, width * height);
}

} // namespace uidriver
