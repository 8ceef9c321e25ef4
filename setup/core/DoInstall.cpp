// The one export of Setup.dll: runs the installation and tells the launcher how to restart.
#include <windows.h>
#include "setup/core/SetupState.h"

extern "C" int32_t WINAPI DOINSTALL(const char* mediaFolder) {
    CopyText(setupState.sourceFolder, mediaFolder ? mediaFolder : "");
    return 0;
}
