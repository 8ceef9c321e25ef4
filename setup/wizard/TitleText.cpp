// The background's title text.
#include "setup/wizard/TitleText.h"
#include <string.h>

void DrawTitleText(HDC dc, int x, int y, const char* text, const char* face, int width, int height,
                   COLORREF colour, int weight) {
    SetBkMode(dc, TRANSPARENT);
    HFONT font = CreateFontA(height, width, 0, 0, weight, TRUE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             VARIABLE_PITCH | FF_ROMAN, face);
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    int length = (int)strlen(text);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &extent);
    RECT area = {x, y, x + extent.cx, y + extent.cy};
    SetTextColor(dc, colour);
    DrawTextA(dc, text, length, &area, DT_LEFT);
    if (font != nullptr) {
        SelectObject(dc, previous);
        DeleteObject(font);
    }
}
