// Runs the wizard: the background window modally, with the frame and its pages inside it.
#include "setup/wizard/RunWizard.h"
#include "setup/wizard/BackgroundDialog.h"

int RunWizard() {
    CBackgroundDialog background;
    return (int)background.DoModal();
}
