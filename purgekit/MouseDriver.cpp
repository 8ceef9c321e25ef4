// The two ways back to the standard mouse driver: registry edits, or a forced driver update.
#include "purgekit/MouseDriver.h"
#include "common/Registry.h"
#include "common/logic/TextBuf.h"
#include "purgekit/RemovalState.h"
#include "purgekit/SystemCalls.h"
#include "purgekit/logic/MouseIds.h"
#include <string.h>

namespace {
const char* const kPs2Keys[] = {
    "Enum\\ACPI\\*PNP0F13\\0",
    "Enum\\BIOS\\*PNP0F13\\0A",
    "Enum\\BIOS\\*PNP0F13\\10",
};

// The Windows folder, at most 255 characters; false when it cannot be read.
bool WindowsFolder(char* folder) {
    UINT length = GetWindowsDirectoryA(folder, 256);
    return length != 0 && length < 256;
}

// Reads a text value of an open key into a 256-byte buffer, offering 255 bytes. Answers whether
// the value exists (a longer one exists too, and is then left empty).
bool QueryText(HKEY key, const char* name, char* text) {
    DWORD size = 255;
    DWORD type = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    text[status == ERROR_SUCCESS && size < 256 ? size : 0] = '\0';
    return status == ERROR_SUCCESS || status == ERROR_MORE_DATA;
}

void RestoreSystemIni() {
    char folder[kPathSize];
    char path[kPathSize];
    if (WindowsFolder(folder) && JoinPath(path, folder, "system.ini"))
        WritePrivateProfileStringA("386Enh", "mouse", "*vmouse,msmouse.vxd", path);
}

// Gives a device key the standard manufacturer and description; false when it does not open.
bool RenameDevice(const char* key, const MouseTexts& texts, const char* description) {
    CRegistry device;
    device.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!device.SetKey(key, false))
        return false;
    device.DeleteValue("Mfg");
    device.DeleteValue("DriverDesc");
    device.SetString("Mfg", texts.manufacturer);
    device.SetString("DeviceDesc", description);
    return true;
}

void RenameDevices(const MouseTexts& texts) {
    for (const char* key : kPs2Keys) {
        if (RenameDevice(key, texts, texts.ps2Description))
            break;
    }
    char key[kPathSize];
    CompositeDeviceKey(mouseIdTable, key, sizeof key);
    RenameDevice(key, texts, texts.hidDescription);
    for (size_t pair = 0; pair < kMousePairCount; ++pair) {
        for (int instance = 0; instance < 4; ++instance) {
            HidDeviceKey(MousePair(mouseIdTable, pair), instance, key, sizeof key);
            RenameDevice(key, texts, texts.hidDescription);
        }
    }
}

void Rewrite(CRegistry& classKey, const char* name, const char* value) {
    classKey.DeleteValue(name);
    classKey.SetString(name, value);
}

// Points one mouse class key at the standard driver; false when the key does not open.
bool RestoreClassKey(const char* key) {
    CRegistry classKey;
    classKey.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!classKey.SetKey(key, false))
        return false;
    Rewrite(classKey, "InfPath", "MSMOUSE.INF");
    Rewrite(classKey, "ProviderName", "Microsoft");
    Rewrite(classKey, "DriverDate", "5-5-1999");
    if (strcmp(classKey.GetString("MatchingDeviceId", ""), "HID_DEVICE_SYSTEM_MOUSE") == 0)
        Rewrite(classKey, "NTMPDriver", "Mouhid.vxd");
    HKEY direct;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_ALL_ACCESS, &direct) != ERROR_SUCCESS)
        return true;
    char driver[256];
    if (QueryText(direct, "NTMPDriver", driver))
        Rewrite(classKey, "NTMPDriver", "Mouhid.vxd");
    else
        classKey.DeleteValue("MouseDriver");
    RegCloseKey(direct);
    return true;
}

void RestoreByRegistry() {
    RestoreSystemIni();
    RenameDevices(MouseTextsFor(GetSystemDefaultLangID()));
    char key[kPathSize];
    for (int index = 0; index <= kMaxClassKeyIndex; ++index) {
        MouseClassKey(CLASS_SERVICES, index, key, sizeof key);
        if (!RestoreClassKey(key))
            break;
    }
}

void RestoreByDriverUpdate() {
    char folder[kPathSize];
    char inf[kPathSize];
    if (!WindowsFolder(folder) || !JoinPath3(inf, folder, "inf", "MSMOUSE.INF"))
        return;
    ClassKeyFamily family = removalState.osClass == V4_90 ? CLASS_SERVICES : CLASS_CONTROL;
    char key[kPathSize];
    for (int index = 0; index <= kMaxClassKeyIndex; ++index) {
        MouseClassKey(family, index, key, sizeof key);
        HKEY classKey;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_ALL_ACCESS, &classKey) != ERROR_SUCCESS)
            break;
        char hardwareId[256];
        if (QueryText(classKey, "MatchingDeviceId", hardwareId) && hardwareId[0])
            ForceMouseDriver(hardwareId, inf);
        RegCloseKey(classKey);
    }
}
} // namespace

void RestoreMouseDriver() {
    if (removalState.osClass == V4_Other)
        RestoreByRegistry();
    else
        RestoreByDriverUpdate();
}
