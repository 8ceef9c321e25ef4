// The wizard's language: the default from the system language, and the switch.
#include "setup/core/Language.h"
#include "setup/core/MessageFile.h"
#include "setup/core/SetupState.h"
#include <windows.h>

void ApplyDefaultLanguage() {
    uint16_t languageId = static_cast<uint16_t>(GetSystemDefaultLangID());
    setupState.languageIndex = DefaultLanguageIndex(languageId, setupState.languageIndex);
}

void SwitchLanguage(int row) {
    const char* code = LanguageCode(row);
    if (!code)
        return;
    setupState.languageIndex = row;
    setupState.languageCode = code;
    LoadMessageTable();
}
