// Placing and registering the uninstaller.
#include "setup/engine/UninstallRegistration.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"

namespace {

const char kUninstallRoot[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall";
const char kProductKey[] = "Software\\ZephyrPoint";

void PlaceStringsFile() {
    char name[kPathSize];
    char source[kPathSize];
    char target[kPathSize];
    CopyText(name, "is-00001\\uninst.");
    AppendText(name, setupState.languageCode ? setupState.languageCode : "");
    if (!JoinPath(source, setupState.sourceFolder, name) ||
        !JoinPath(target, setupState.targetFolder, "uninst.un2"))
        return;
    if (CopyFileA(source, target, FALSE))
        InstallLog.Append(LOG_FILE, target);
}

void PlaceProgram() {
    const char* name = PayloadFiles[PAYLOAD_UNINSTALLER];
    char source[kPathSize];
    char target[kPathSize];
    char log[kPathSize];
    bool whole = setupState.isWin98 ? JoinPath3(source, setupState.sourceFolder, "Win98", name)
                                    : JoinPath(source, setupState.sourceFolder, name);
    if (!whole || !JoinPath(target, setupState.targetFolder, name) ||
        !JoinPath(log, setupState.targetFolder, PayloadFiles[PAYLOAD_LOG]))
        return;
    if (CopyFileA(source, target, FALSE))
        InstallLog.Append(LOG_FILE, log);
}

void WriteUninstallKey(CRegistry& registry) {
    const char* productName = ConfigText(setupState.config.productName);
    char key[kPathSize];
    char uninstallString[kPathSize];
    if (!*productName || !JoinPath(key, kUninstallRoot, productName) || !registry.SetKey(key, true))
        return;
    InstallLog.Append(LOG_UNINSTALL_KEY, key);
    registry.SetString("DisplayName", productName);
    if (JoinPath(uninstallString, setupState.targetFolder, PayloadFiles[PAYLOAD_UNINSTALLER]))
        registry.SetString("UninstallString", uninstallString);
}

void WriteProductPlace(CRegistry& registry) {
    if (!registry.SetKey(kProductKey, true))
        return;
    registry.SetString("AppPath", setupState.targetFolder);
    registry.SetString("ProductName", ConfigText(setupState.config.productName));
    registry.SetString("ProductKey", ConfigText(setupState.config.productKey));
}

} // namespace

void PlaceUninstaller() {
    PlaceStringsFile();
    PlaceProgram();
}

void RegisterUninstaller() {
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    WriteUninstallKey(registry);
    WriteProductPlace(registry);
}
