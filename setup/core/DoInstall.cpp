// The one export of Setup.dll: runs the installation and tells the launcher how to restart.
#include "setup/core/Environment.h"
#include "setup/core/Language.h"
#include "setup/core/MessageFile.h"
#include "setup/core/ProductConfig.h"
#include "setup/core/SetupState.h"
#include "setup/core/logic/InstallResult.h"
#include "setup/wizard/RunWizard.h"
#include <windows.h>

static bool IsNtFamily() {
    return setupState.isWinXP || setupState.isWin2000 || setupState.isNtOther;
}

extern "C" int32_t WINAPI DOINSTALL(const char* mediaFolder) {
    CopyText(setupState.sourceFolder, mediaFolder ? mediaFolder : "");
    DetectEnvironment();
    LoadProductConfig();
    setupState.languageCode = LanguageCode(setupState.languageIndex);
    if (!LoadMessageTable()) {
        FreeProductConfig();
        return 0;
    }
    int modalResult = RunWizard();
    FreeMessageTable();
    FreeProductConfig();
    return InstallResult(modalResult, IsNtFamily());
}
