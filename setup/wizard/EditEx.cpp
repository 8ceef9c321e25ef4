// The coloured edit control of the destination and program-folder pages.
#include "setup/wizard/EditEx.h"
#include "common/logic/TextBuf.h"

CEditEx::CEditEx()
    : m_backColour(GetSysColor(COLOR_WINDOW)), m_textColour(GetSysColor(COLOR_WINDOWTEXT)) {
    MakeBackBrush();
}

CEditEx::~CEditEx() {
    if (m_font != nullptr)
        DeleteObject(m_font);
    if (m_backBrush != nullptr)
        DeleteObject(m_backBrush);
}

void CEditEx::MakeBackBrush() {
    m_backBrush = CreateSolidBrush(m_backColour);
}

COLORREF CEditEx::SetBackColour(COLORREF colour) {
    COLORREF previous = m_backColour;
    m_backColour = colour;
    if (m_backBrush != nullptr)
        DeleteObject(m_backBrush);
    MakeBackBrush();
    Invalidate(true);
    return previous;
}

COLORREF CEditEx::SetTextColour(COLORREF colour) {
    COLORREF previous = m_textColour;
    m_textColour = colour;
    Invalidate(true);
    return previous;
}

void CEditEx::SetEditFont(int height, int weight, BYTE pitchAndFamily, const char* face) {
    LOGFONTA description = {};
    description.lfHeight = height;
    description.lfWeight = weight;
    description.lfPitchAndFamily = pitchAndFamily;
    CopyText(description.lfFaceName, face != nullptr ? face : "");
    HFONT font = CreateFontIndirectA(&description);
    if (font == nullptr)
        return;
    // The control lets go of the old font before it is deleted.
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_font != nullptr)
        DeleteObject(m_font);
    m_font = font;
}

HBRUSH CEditEx::OnCtlColor(HDC dc, UINT) {
    SetTextColor(dc, m_textColour);
    SetBkColor(dc, m_backColour);
    return m_backBrush;
}
