// One line of text drawn with a font made for the call: the background's title.
#pragma once
#include <windows.h>

// Draws text at (x, y) in an italic, antialiased roman font of face, width, height and weight,
// in colour, on a transparent background. Leaves the text colour and background mode as set.
void DrawTitleText(HDC dc, int x, int y, const char* text, const char* face, int width, int height,
                   COLORREF colour, int weight);
