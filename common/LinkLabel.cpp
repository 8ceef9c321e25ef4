// The link label: setters, font rebuilding, flicker-free painting and its own messages.
#include "common/LinkLabel.h"
#include "common/logic/LabelMetrics.h"
#include "common/logic/TextBuf.h"
#include <shellapi.h>
#include <stdlib.h>
#include <string.h>

namespace {
// The window text in a heap block (never null; "" without window or memory); free() it.
char* WindowTextCopy(HWND window) {
    int length = window != nullptr ? GetWindowTextLengthA(window) : 0;
    char* text = static_cast<char*>(malloc((size_t)length + 1));
    if (text == nullptr)
        return nullptr;
    text[0] = '\0';
    if (length > 0)
        GetWindowTextA(window, text, length + 1);
    return text;
}
} // namespace

CLinkLabel::CLinkLabel()
    : m_textColour(GetSysColor(COLOR_WINDOWTEXT)),
      m_defaultBrush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))), m_fontDescription() {}

CLinkLabel::~CLinkLabel() {
    if (m_blinkArmed)
        StopTimer(kBlinkTimer);
    if (m_font != nullptr)
        DeleteObject(m_font);
    if (m_defaultBrush != nullptr)
        DeleteObject(m_defaultBrush);
    if (m_ownBrush != nullptr)
        DeleteObject(m_ownBrush);
}

void CLinkLabel::OnAttach() {
    HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    LOGFONTA description;
    if (font != nullptr && GetObjectA(font, sizeof description, &description) > 0)
        m_fontDescription = description;
    RebuildFont();
}

void CLinkLabel::Refresh() {
    if (m_hWnd == nullptr)
        return;
    RECT area;
    GetWindowRect(m_hWnd, &area);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND parent = GetParent(m_hWnd);
    if (parent == nullptr)
        return;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(parent, &area, TRUE);
    UpdateWindow(parent);
}

void CLinkLabel::RebuildFont() {
    if (m_font != nullptr)
        DeleteObject(m_font);
    m_font = CreateFontIndirectA(&m_fontDescription);
}

void CLinkLabel::ChangeStyle(int index, LONG_PTR bits, bool on) {
    if (m_hWnd == nullptr)
        return;
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, index);
    SetWindowLongPtrA(m_hWnd, index, on ? (style | bits) : (style & ~bits));
}

CLinkLabel& CLinkLabel::SetBackground(COLORREF start, COLORREF end, bool gradient) {
    m_gradientStart = start;
    m_gradientEnd = end;
    m_gradient = gradient;
    if (m_ownBrush != nullptr) {
        DeleteObject(m_ownBrush);
        m_ownBrush = nullptr;
    }
    if (!gradient)
        m_ownBrush = CreateSolidBrush(start);
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetForeground(COLORREF colour) {
    m_textColour = colour;
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetCaption(const char* text) {
    SetText(text);
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetBold(bool on) {
    m_fontDescription.lfWeight = on ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetFace(const char* face, BYTE charSet) {
    m_fontDescription.lfCharSet = charSet;
    CopyText(m_fontDescription.lfFaceName, face != nullptr ? face : "");
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetUnderline(bool on) {
    m_fontDescription.lfUnderline = on ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetItalic(bool on) {
    m_fontDescription.lfItalic = on ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetPointSize(int points) {
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    m_fontDescription.lfHeight = PointSizeToFontHeight(points, pixelsPerInch);
    m_fontDescription.lfWidth = 0;
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetSunkenEdge(bool on) {
    ChangeStyle(GWL_EXSTYLE, WS_EX_STATICEDGE, on);
    if (m_hWnd != nullptr)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return *this;
}

CLinkLabel& CLinkLabel::SetThinBorder(bool on) {
    ChangeStyle(GWL_STYLE, WS_BORDER, on);
    if (m_hWnd != nullptr)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return *this;
}

CLinkLabel& CLinkLabel::SetSeeThrough(bool on) {
    m_seeThrough = on;
    ChangeStyle(GWL_EXSTYLE, WS_EX_TRANSPARENT, true);
    Refresh();
    return *this;
}

void CLinkLabel::StartBlink(int mode) {
    m_blinkPhase = 0;
    m_blinkArmed = true;
    StartTimer(kBlinkTimer, 500);
    m_blinkMode = mode;
}

CLinkLabel& CLinkLabel::BlinkText(bool on) {
    if (m_blinkArmed)
        StopTimer(kBlinkTimer);
    if (on)
        StartBlink(1);
    else
        m_blinkMode = 0;
    return *this;
}

CLinkLabel& CLinkLabel::BlinkBackground(bool on) {
    if (m_blinkArmed)
        StopTimer(kBlinkTimer);
    if (on) {
        StartBlink(2);
        return *this;
    }
    // The mode stays; the stopped blink must not leave the label in its off phase.
    m_blinkPhase = 1;
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetHyperlink(bool on, bool notifyParent) {
    m_notifyOnClick = notifyParent;
    ChangeStyle(GWL_STYLE, SS_NOTIFY, on);
    return *this;
}

CLinkLabel& CLinkLabel::SetHyperlinkCursor(HCURSOR cursor) {
    m_hyperlinkCursor = cursor;
    return *this;
}

CLinkLabel& CLinkLabel::SetEmbossed(bool on, bool raised) {
    m_embossed = on;
    m_embossRaised = raised;
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetAngle(int degrees, bool angled) {
    m_fontDescription.lfEscapement = degrees * 10;
    m_fontDescription.lfOrientation = degrees * 10;
    m_angled = angled;
    RebuildFont();
    Refresh();
    return *this;
}

CLinkLabel& CLinkLabel::SetEmbossColour(COLORREF colour) {
    m_embossColour = colour;
    Refresh();
    return *this;
}

void CLinkLabel::Paint(HDC dc, const RECT& client) {
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    if (!m_seeThrough && width > 0 && height > 0) {
        memory = CreateCompatibleDC(dc);
        bitmap = memory != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
    }
    if (bitmap == nullptr) {
        DrawContent(dc, client);
    } else {
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        DrawContent(memory, client);
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
    }
    if (memory != nullptr)
        DeleteDC(memory);
}

void CLinkLabel::DrawContent(HDC dc, const RECT& client) {
    char* text = WindowTextCopy(m_hWnd);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, m_textColour);
    HGDIOBJ oldFont = m_font != nullptr ? SelectObject(dc, m_font) : nullptr;
    if (!m_seeThrough)
        FillBackground(dc, client);
    LOGBRUSH own = {BS_SOLID, 0, 0};
    if (m_ownBrush != nullptr)
        GetObjectA(m_ownBrush, sizeof own, &own);
    if (m_blinkMode == 1 && m_blinkPhase == 0)
        SetTextColor(dc, own.lbColor);
    if (text != nullptr)
        DrawLabelText(dc, client, text);
    SetBkMode(dc, oldMode);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
    SetTextColor(dc, oldColour);
    free(text);
}

void CLinkLabel::FillBackground(HDC dc, const RECT& client) {
    bool blinkedOff = m_blinkMode == 2 && m_blinkPhase == 0;
    if (!m_gradient || blinkedOff) {
        HBRUSH brush = m_ownBrush != nullptr && !blinkedOff ? m_ownBrush : m_defaultBrush;
        FillRect(dc, &client, brush);
        return;
    }
    LabelGradientBand bands[kLabelGradientMaxBands];
    int count = LabelGradientBands(client.left, client.right, m_gradientStart, m_gradientEnd,
                                   kLabelGradientMaxBands, bands, kLabelGradientMaxBands);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (int i = 0; i < count; ++i) {
        HBRUSH brush = CreateSolidBrush(bands[i].colour);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Rectangle(dc, bands[i].left, client.top, bands[i].right + 1, client.bottom + 1);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
    }
    SelectObject(dc, oldPen);
}

UINT CLinkLabel::TextFormat(const char* text) const {
    LONG_PTR style = m_hWnd != nullptr ? GetWindowLongPtrA(m_hWnd, GWL_STYLE) : 0;
    UINT format;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_LEFTNOWORDWRAP:
        format = DT_LEFT;
        break;
    default:
        format = DT_LEFT | DT_WORDBREAK;
        break;
    }
    if (style & SS_CENTERIMAGE)
        format =
            strstr(text, "\r\n") != nullptr ? DT_CENTER : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    return format;
}

void CLinkLabel::DrawLabelText(HDC dc, const RECT& client, const char* text) {
    if (m_angled) {
        UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_BASELINE);
        POINT oldOrigin;
        SetViewportOrgEx(dc, (client.right - client.left) / 2, (client.bottom - client.top) / 2,
                         &oldOrigin);
        TextOutA(dc, 0, 0, text, (int)strlen(text));
        SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        SetTextAlign(dc, oldAlign);
        return;
    }
    UINT format = TextFormat(text);
    RECT area = client;
    DrawTextA(dc, text, -1, &area, format);
    if (!m_embossed)
        return;
    SetTextColor(dc, m_embossColour);
    int offset = m_embossRaised ? 1 : -1;
    area = client;
    OffsetRect(&area, offset, offset);
    DrawTextA(dc, text, -1, &area, format);
}

void CLinkLabel::OnClick() {
    if (m_notifyOnClick) {
        NMHDR header;
        header.hwndFrom = m_hWnd;
        header.idFrom = (UINT_PTR)Id();
        header.code = kClickNotification;
        SendMessageA(GetParent(m_hWnd), WM_NOTIFY, (WPARAM)Id(), reinterpret_cast<LPARAM>(&header));
        return;
    }
    char* text = WindowTextCopy(m_hWnd);
    if (text != nullptr && text[0] != '\0')
        ShellExecuteA(nullptr, "open", text, nullptr, nullptr, SW_SHOWNORMAL);
    free(text);
}

LRESULT CLinkLabel::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_hWnd, &paint);
        if (dc != nullptr)
            Paint(dc, ClientRect());
        EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam), ClientRect());
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETTEXT: {
        // The static control would paint its own look at once; the label paints itself.
        LRESULT result = DefWindowProcA(m_hWnd, msg, wParam, lParam);
        Invalidate(false);
        return result;
    }
    case WM_TIMER:
        m_blinkPhase = m_blinkPhase == 0 ? 1 : 0;
        Refresh();
        break;
    case WM_LBUTTONDOWN:
        OnClick();
        break;
    case WM_SETCURSOR:
        if (m_hyperlinkCursor != nullptr) {
            SetCursor(m_hyperlinkCursor);
            return TRUE;
        }
        break;
    case WM_SYSCOLORCHANGE:
        if (m_defaultBrush != nullptr)
            DeleteObject(m_defaultBrush);
        m_defaultBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        Refresh();
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
