// The language switch of the language page.
#include "setup/wizard/ChangeLanguage.h"
#include "setup/core/Language.h"
#include "setup/core/SetupState.h"
#include "setup/wizard/BackgroundDialog.h"
#include "setup/wizard/LanguagePage.h"
#include "setup/wizard/WizardFrame.h"
#include <string.h>

namespace {

// The title is drawn one point smaller after a switch than when the page is shown.
const int kSwitchedTitlePoints = 15;

CLanguagePage* FindLanguagePage(CWizardFrame& frame) {
    for (int i = 0; i < frame.Pages().Count(); ++i) {
        CDialog* page = frame.Pages().GetPage(i);
        if (page != nullptr && strcmp(page->RuntimeClass(), "CLanguagePage") == 0)
            return static_cast<CLanguagePage*>(page);
    }
    return nullptr;
}

} // namespace

void ChangeLanguage(int row) {
    SwitchLanguage(row);
    if (setupState.backgroundWindow != nullptr) {
        setupState.backgroundWindow->SetText(Text(MSG_10));
        setupState.backgroundWindow->Invalidate(true);
    }
    CWizardFrame* frame = setupState.wizardFrame;
    if (frame == nullptr)
        return;
    frame->SetText(Text(MSG_13));
    CLanguagePage* page = FindLanguagePage(*frame);
    if (page != nullptr)
        page->ShowTitle(kSwitchedTitlePoints);
    frame->ShowButtonTexts();
    if (page != nullptr)
        page->FillList();
}
