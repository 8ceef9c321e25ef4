// Key names of the language message file and the product placeholder (no Windows calls).
#pragma once
#include "setup/core/SetupState.h"
#include <stddef.h>

// Size of the read buffer of [DLG] P51, the one long text (at most 519 characters).
const size_t kLongTextSize = 520;

// The key of a text in section "MSG" ("1", "2", "4" ... "306") or "DLG" ("P1T" ... "PF5").
const char* MsgKeyName(MsgKey key);
const char* DlgKeyName(DlgKey key);
// The read buffer size of a [DLG] text: kLongTextSize for P51, kPathSize for the others.
size_t DlgTextSize(DlgKey key);
// Whether the text holds the product placeholder (P31 and PF1).
bool HasProductPlaceholder(DlgKey key);
// Turns the first "%P" of text into "%s", in place, so that the page fills in the product's
// display name; a text without one stays as it is.
void ConvertProductPlaceholder(char* text);
