// The product's registry records and the family install count.
#include "setup/engine/ProductRecords.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallLog.h"

namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "RERODUDEDARADU";
const char kProductKey[] = "Software\\ZephyrPoint";
const char kFamilyRoot[] = "SOFTWARE\\KOVRASETUP\\";

void WriteRunValue(CRegistry& registry) {
    char command[kPathSize];
    JoinPath(command, setupState.targetFolder, ConfigText(setupState.config.productKey));
    if (!registry.SetKey(kRunKey, true))
        return;
    registry.SetString(kRunValue, command);
    InstallLog.Append(LOG_RUN_VALUE, kRunValue);
}

void WriteFamilyNames(CRegistry& registry) {
    if (!registry.SetKey(kProductKey, true))
        return;
    registry.SetString("InstallName", ConfigText(setupState.config.mainTitle));
    registry.SetString("SubInstallName", ConfigText(setupState.config.captionBar));
}

// The count goes into the family's own key only: when that key can be neither opened nor made,
// nothing is written (the previous key must not receive it).
void RaiseInstallCount(CRegistry& registry) {
    char familyKey[kPathSize];
    CopyText(familyKey, kFamilyRoot);
    if (!AppendText(familyKey, ConfigText(setupState.config.mainTitle)))
        return;
    DWORD count = 1;
    if (registry.SetKey(familyKey, false))
        count = registry.GetDword("INSTALLCOUNT", 0) + 1;
    else if (!registry.SetKey(familyKey, true))
        return;
    registry.SetDword("INSTALLCOUNT", count);
}

} // namespace

void WriteProductRecords() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    WriteRunValue(registry);
    WriteFamilyNames(registry);
    RaiseInstallCount(registry);
}
