// Filter-driver entry removal: the device walk through SETUPAPI.DLL and the registry edits.
#include "setup/engine/FilterDriver.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/logic/DeviceFilter.h"
#include <setupapi.h>
#include <string.h>

namespace {

const uint32_t kInterfaceLimit = 128;
const char kDeviceClasses[] = "System\\CurrentControlSet\\Control\\DeviceClasses\\";
const GUID kUsbDeviceClass = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

typedef BOOL(WINAPI* DestroyListProc)(HDEVINFO);
typedef BOOL(WINAPI* GetDetailProc)(HDEVINFO, PSP_DEVICE_INTERFACE_DATA,
                                    PSP_DEVICE_INTERFACE_DETAIL_DATA_A, DWORD, PDWORD,
                                    PSP_DEVINFO_DATA);
typedef BOOL(WINAPI* EnumInterfacesProc)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD,
                                         PSP_DEVICE_INTERFACE_DATA);
typedef HDEVINFO(WINAPI* GetClassDevsProc)(const GUID*, PCSTR, HWND, DWORD);

// The present USB device interfaces as SETUPAPI.DLL lists them; the library and the device set
// live as long as the object.
class CSetupApiDevices : public CDevicePathSource {
  public:
    CSetupApiDevices() = default;
    ~CSetupApiDevices() override;
    CSetupApiDevices(const CSetupApiDevices&) = delete;
    CSetupApiDevices& operator=(const CSetupApiDevices&) = delete;

    // Loads the library and its four entry points and asks for the device set; false when the
    // library or an entry point is missing.
    bool Load();
    bool DevicePath(uint32_t index, char (&path)[kDevicePathSize]) override;

  private:
    HMODULE m_library = nullptr;
    HDEVINFO m_set = INVALID_HANDLE_VALUE;
    DestroyListProc m_destroyList = nullptr;
    GetDetailProc m_getDetail = nullptr;
    EnumInterfacesProc m_enumInterfaces = nullptr;
    GetClassDevsProc m_getClassDevs = nullptr;
};

CSetupApiDevices::~CSetupApiDevices() {
    if (m_set != INVALID_HANDLE_VALUE)
        m_destroyList(m_set);
    if (m_library)
        FreeLibrary(m_library);
}

bool CSetupApiDevices::Load() {
    const ProcSlot procs[] = {
        {"SetupDiDestroyDeviceInfoList", reinterpret_cast<FARPROC*>(&m_destroyList)},
        {"SetupDiGetDeviceInterfaceDetailA", reinterpret_cast<FARPROC*>(&m_getDetail)},
        {"SetupDiEnumDeviceInterfaces", reinterpret_cast<FARPROC*>(&m_enumInterfaces)},
        {"SetupDiGetClassDevsA", reinterpret_cast<FARPROC*>(&m_getClassDevs)},
    };
    if (!LoadLibraryProcs("SETUPAPI.DLL", m_library, procs, 4))
        return false;
    m_set =
        m_getClassDevs(&kUsbDeviceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    return true;
}

bool CSetupApiDevices::DevicePath(uint32_t index, char (&path)[kDevicePathSize]) {
    SP_DEVICE_INTERFACE_DATA interfaceData = {};
    interfaceData.cbSize = sizeof interfaceData;
    if (!m_enumInterfaces(m_set, nullptr, &kUsbDeviceClass, index, &interfaceData))
        return false;
    union {
        SP_DEVICE_INTERFACE_DETAIL_DATA_A detail;
        char bytes[256];
    } area = {};
    area.detail.cbSize = sizeof area.detail;
    DWORD required = 0;
    if (!m_getDetail(m_set, &interfaceData, &area.detail, sizeof area, &required, nullptr))
        return false;
    area.bytes[sizeof area - 1] = '\0';
    return CopyText(path, area.detail.DevicePath);
}

// The registry edit for one interface path; answers whether its "LowerFilters" was deleted.
bool RemoveDeviceFilter(const char* guidText, const char* devicePath) {
    char keyName[kDevicePathSize];
    char classKey[kPathSize];
    if (!DeviceKeyName(keyName, sizeof keyName, devicePath) ||
        !CopyText(classKey, kDeviceClasses) || !AppendText(classKey, guidText) ||
        !AppendText(classKey, "\\") || !AppendText(classKey, keyName))
        return false;
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.SetKey(classKey, false))
        return false;
    char hardwareKey[kPathSize];
    const char* instance = registry.GetString("DeviceInstance", "");
    if (!*instance || !JoinPath(hardwareKey, "Enum", instance))
        return false;
    // A hardware key that does not open must not leave the device-class key current.
    if (!registry.SetKey(hardwareKey, false))
        return false;
    unsigned char filters[256] = {};
    DWORD count = registry.GetBytes("LowerFilters", filters);
    return count > 0 && NamesFilterDriverFirst(filters, count) &&
           registry.DeleteValue("LowerFilters");
}

} // namespace

int RemoveFilterEntries(CDevicePathSource& devices) {
    char guidText[kGuidTextSize];
    FormatGuidText(guidText, kUsbDeviceClass.Data1, kUsbDeviceClass.Data2, kUsbDeviceClass.Data3,
                   kUsbDeviceClass.Data4);
    int deleted = 0;
    for (uint32_t index = 0; index < kInterfaceLimit; ++index) {
        char path[kDevicePathSize];
        if (devices.DevicePath(index, path) && RemoveDeviceFilter(guidText, path))
            deleted = 1;
    }
    return deleted;
}

int RemoveFilterDriverEntries() {
    if (!setupState.isWin95 && !setupState.isWin98 && !setupState.isWinMe)
        return 0;
    CSetupApiDevices devices;
    if (!devices.Load())
        return 0;
    return RemoveFilterEntries(devices);
}
