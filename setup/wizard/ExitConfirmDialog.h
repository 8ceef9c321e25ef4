// The question asked when the user cancels the wizard before the installation: go on or leave.
#pragma once
#include "common/Dialog.h"

class CExitConfirmDialog : public CDialog {
  public:
    CExitConfirmDialog();
    const char* RuntimeClass() const override { return "CExitConfirmDialog"; }

  protected:
    bool OnInitDialog() override;
};

// Asks the question modally over the application's main window. Answers 2 when the user chose to
// leave setup (the leave button, Escape or the close box) and 1 otherwise (the stay button,
// Enter, or a question that could not be shown).
int AskExitSetup();
