// The wizard's part of DOINSTALL; until the background window exists it shows nothing.
#include "setup/wizard/RunWizard.h"

int RunWizard() {
    return 0;
}
