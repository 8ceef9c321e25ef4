// The wizard's language: the table, the default from the system language, the switch.
#pragma once
#include "setup/core/logic/Languages.h"

// Sets languageIndex from the system default language; unchanged when that has no entry.
void ApplyDefaultLanguage();
// Makes the language at row (0..8) current: languageIndex, languageCode, and every text of the
// message table read again from that language's file. A row outside 0..8 changes nothing.
void SwitchLanguage(int row);
