// Resetting the uninstaller's process state between in-process tests.
#include "RemovalStateGuard.h"
#include "purgekit/RemovalState.h"
#include "purgekit/RemovalStrings.h"
#include <stdlib.h>

void CRemovalStateGuard::Reset() {
    FreeRemovalStrings();
    free(removalState.savedWorkingDir);
    removalState = RemovalState();
    removalState.restartNow = 1;
    removalState.osClass = Unclassified;
}
