// The first step of every installation: which Windows runs, and which language to start in.
#include "setup/core/Environment.h"
#include "setup/core/Language.h"
#include "setup/core/OsVersion.h"
#include "setup/core/SetupState.h"

static void SetOsFlags(OsFlag flag) {
    setupState.isWin95 = flag == OS_WIN95;
    setupState.isWin98 = flag == OS_WIN98;
    setupState.isWinMe = flag == OS_WINME;
    setupState.isWinXP = flag == OS_WINXP;
    setupState.isWin2000 = flag == OS_WIN2000;
    setupState.isNtOther = flag == OS_NT_OTHER;
}

void DetectEnvironment() {
    SetOsFlags(OS_NONE);
    OsInfo info;
    if (GetOsInfo(info))
        SetOsFlags(ClassifyOs(info));
    ApplyDefaultLanguage();
}
