// What DOINSTALL tells the launcher, from the wizard's modal result.
#include "setup/core/logic/InstallResult.h"

int32_t InstallResult(int modalResult, bool ntFamily) {
    switch (modalResult) {
    case kResultLeft:
    case kResultRestartLater:
        return modalResult;
    case kResultRestartNow:
        return ntFamily ? kResultRestartNowNt : kResultRestartNow;
    default:
        return 0;
    }
}
