// The nine languages of the wizard and the choice of one from the system language (no Windows
// calls).
#pragma once
#include <stdint.h>

const int32_t kLanguageCount = 9;
// Index of French, the language of a first run on a system language without its own entry.
const int32_t kFirstRunLanguage = 6;

// The code that names a language's message file and payload folders ("chs" ... "FIN" ... "esp"),
// in table order; null outside 0..8.
const char* LanguageCode(int32_t index);
// The name the language list shows ("Chinese (Simplified)" ... "Spanish(Traditional Sort)");
// null outside 0..8.
const char* LanguageName(int32_t index);
// The index for a system language identifier; current when the identifier has no entry.
int32_t DefaultLanguageIndex(uint16_t languageId, int32_t current);
