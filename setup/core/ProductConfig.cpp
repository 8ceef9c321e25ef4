// The product configuration "setupm.ini" of the medium and the default installation folder.
#include "setup/core/ProductConfig.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "common/logic/HeapText.h"
#include <windows.h>

namespace {

struct ConfigKey {
    const char* section;
    const char* key;
    char* SetupConfig::*field;
};

// In reading order.
const ConfigKey kConfigKeys[] = {
    {"Manufacture", "Manufacture", &SetupConfig::manufacturer},
    {"Product", "Product", &SetupConfig::productName},
    {"Product", "Version", &SetupConfig::productVersion},
    {"Product", "Key", &SetupConfig::productKey},
    {"Target", "Dir", &SetupConfig::targetDir},
    {"Target", "Folder", &SetupConfig::programFolder},
    {"Display Name", "Name", &SetupConfig::displayName},
    {"Title", "CaptionBar", &SetupConfig::captionBar},
    {"Title", "Main", &SetupConfig::mainTitle},
    {"Uninstall", "DisplayName", &SetupConfig::uninstallDisplayName},
    {"Uninstall", "Key", &SetupConfig::uninstallKey},
};

void RecordStartFolder() {
    DWORD length = GetCurrentDirectoryA(kPathSize, setupState.startFolder);
    if (length == 0 || length >= kPathSize)
        setupState.startFolder[0] = '\0';
}

// Program Files, or the previous target folder with the product key when its key cannot be
// opened with full access, joined with [Target] Dir.
void ComputeTargetFolder() {
    char base[kPathSize];
    JoinPath(base, setupState.targetFolder, ConfigText(setupState.config.productKey));
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SetKey("Software\\microsoft\\windows\\currentversion", false))
        CopyText(base, registry.GetString("programfilesDir", ""));
    JoinPath(setupState.targetFolder, base, ConfigText(setupState.config.targetDir));
}

} // namespace

void LoadProductConfig() {
    RecordStartFolder();
    char path[kPathSize];
    bool haveFile = JoinPath(path, setupState.sourceFolder, "setupm.ini");
    char value[kPathSize];
    for (const ConfigKey& entry : kConfigKeys) {
        DWORD length = 0;
        if (haveFile)
            length = GetPrivateProfileStringA(entry.section, entry.key, "", value, kPathSize, path);
        char*& text = setupState.config.*entry.field;
        FreeText(text);
        text = NewText(value, length);
    }
    ComputeTargetFolder();
}

void FreeProductConfig() {
    for (const ConfigKey& entry : kConfigKeys)
        FreeText(setupState.config.*entry.field);
}
