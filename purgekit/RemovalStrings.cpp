// The uninstaller's strings file loader.
#include "purgekit/RemovalStrings.h"
#include "common/Registry.h"
#include "purgekit/FileData.h"
#include "purgekit/RemovalState.h"

int LoadRemovalStrings() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey(kProductKey, false))
        CopyText(removalState.installFolder, registry.GetString("AppPath", ""));
    if (removalState.installFolder[0])
        SetCurrentDirectoryA(removalState.installFolder);
    CFileData file;
    if (!file.Read("uninst.un2"))
        return 0;
    FreeRemovalStrings();
    ParseRemovalStrings(removalState.strings, file.Data(), file.Size());
    return 1;
}

void FreeRemovalStrings() {
    FreeRemovalTexts(removalState.strings);
}
