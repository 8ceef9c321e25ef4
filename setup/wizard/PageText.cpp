// Titles of the wizard pages and the product name in their texts.
#include "setup/wizard/PageText.h"
#include "setup/core/SetupState.h"
#include "setup/wizard/WizardFrame.h"

void ShowPageTitle(CLinkLabel& title, const char* text, int points) {
    if (setupState.wizardFrame != nullptr)
        setupState.wizardFrame->SetText(text);
    title.SetItalic(true).SetPointSize(points).SetBold(true).SetCaption(text).SetForeground(
        kAccentBlue);
}

void FillProductName(char* dst, size_t size, const char* text) {
    ReplaceFirst(dst, size, text, "%s", ConfigText(setupState.config.displayName));
}
