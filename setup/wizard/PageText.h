// What the wizard pages share: their title when shown, the accent colour, the product name in
// texts.
#pragma once
#include "common/LinkLabel.h"

// The accent colour of the wizard's titles and highlighted texts.
const COLORREF kAccentBlue = RGB(0, 0, 255);

// Sets the frame's caption to text and draws title in text: italic, points, bold, blue.
void ShowPageTitle(CLinkLabel& title, const char* text, int points);

// The product placeholder of a page text, already turned into "%s" by the message loader,
// replaced by the product's display name. The text is never used as a format, so any other "%"
// in it shows as it is. size must hold two path-sized texts.
void FillProductName(char* dst, size_t size, const char* text);
