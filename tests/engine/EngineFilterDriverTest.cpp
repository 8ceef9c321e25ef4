// Removal of the filter driver from USB devices' lower filters: device paths come from a test
// source (Wine has no such devices), the registry edits are real; and one run through Wine's own
// SETUPAPI.DLL.
#include "EngineFixture.h"
#include "setup/engine/FilterDriver.h"
#include <map>
#include <memory>

namespace {

const char kClassKey[] =
    "System\\CurrentControlSet\\Control\\DeviceClasses\\{A5DCBF10-6530-11D2-901F-00C04FB951ED}";
const char kEnumRoot[] = "Enum\\ENGINETEST";

// Device paths by interface index, and the indexes asked for.
class CTestDevices : public CDevicePathSource {
  public:
    std::map<uint32_t, std::string> paths;
    uint32_t highestAsked = 0;
    bool DevicePath(uint32_t index, char (&path)[kDevicePathSize]) override {
        highestAsked = index > highestAsked ? index : highestAsked;
        auto found = paths.find(index);
        if (found == paths.end())
            return false;
        CopyText(path, found->second.c_str());
        return true;
    }
};

class EngineFilterDriver : public EngineTest {
  protected:
    EngineFilterDriver()
        : m_classGuard(HKEY_LOCAL_MACHINE, std::string(kClassKey) + "\\##.#ENGINETEST"),
          m_enumGuard(HKEY_LOCAL_MACHINE, kEnumRoot) {}
    ~EngineFilterDriver() override {
        for (const std::string& key : m_classKeys)
            DeleteKeyTree(HKEY_LOCAL_MACHINE, key);
    }

    // A device at index whose interface path starts with prefix (\\.\ or \\?\), whose hardware
    // key holds filters (a list of names, each ended by a zero). Answers the hardware key.
    std::string AddDevice(uint32_t index, const char* prefix, const std::string& filters,
                          bool withHardwareKey = true) {
        std::string name = "ENGINETEST#VID_" + std::to_string(index);
        std::string instance = std::string("ENGINETEST\\") + std::to_string(index);
        std::string keyPrefix = prefix[2] == '.' ? "##.#" : "##?#";
        std::string classKey = std::string(kClassKey) + "\\" + keyPrefix + name;
        m_classKeys.push_back(classKey);
        WriteRegString(HKEY_LOCAL_MACHINE, classKey, "DeviceInstance", instance);
        std::string hardwareKey = std::string("Enum\\") + instance;
        if (withHardwareKey)
            WriteFilters(hardwareKey, filters);
        m_devices.paths[index] = prefix + name;
        return hardwareKey;
    }
    static void WriteFilters(const std::string& key, const std::string& filters) {
        HKEY handle;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &handle, nullptr));
        RegSetValueExA(handle, "LowerFilters", 0, REG_MULTI_SZ,
                       reinterpret_cast<const BYTE*>(filters.data()),
                       static_cast<DWORD>(filters.size()));
        RegCloseKey(handle);
    }
    static bool HasFilters(const std::string& key) {
        return RegValueExists(HKEY_LOCAL_MACHINE, key, "LowerFilters");
    }

    CCreatedKeyGuard m_classGuard;
    CCreatedKeyGuard m_enumGuard;
    std::vector<std::string> m_classKeys;
    CTestDevices m_devices;
};

std::string List(std::initializer_list<const char*> names) {
    std::string list;
    for (const char* name : names)
        list.append(name).push_back('\0');
    list.push_back('\0');
    return list;
}

} // namespace

TEST_F(EngineFilterDriver, OnlyADriverNamedFirstLosesItsFilters) {
    std::string upper = AddDevice(0, "\\\\.\\", List({"QXRHMSYS.SYS"}));
    std::string second = AddDevice(1, "\\\\.\\", List({"other.sys", "qxrhmsys.sys"}));
    std::string followed = AddDevice(2, "\\\\.\\", List({"qxrhmsys.sys", "other.sys"}));
    std::string question = AddDevice(3, "\\\\?\\", List({"qxrhmsys.sys"}));
    std::string mixed = AddDevice(5, "\\\\.\\", List({"QxRhMsYs.SyS"}));
    EXPECT_EQ(1, RemoveFilterEntries(m_devices));
    EXPECT_FALSE(HasFilters(upper));
    EXPECT_TRUE(HasFilters(second));
    EXPECT_FALSE(HasFilters(followed));
    EXPECT_TRUE(HasFilters(question));
    EXPECT_FALSE(HasFilters(mixed));
}

TEST_F(EngineFilterDriver, NothingDeletedAnswersZero) {
    std::string other = AddDevice(0, "\\\\.\\", List({"other.sys"}));
    EXPECT_EQ(0, RemoveFilterEntries(m_devices));
    EXPECT_TRUE(HasFilters(other));
}

TEST_F(EngineFilterDriver, LooksAt128IndexesAtMost) {
    std::string last = AddDevice(127, "\\\\.\\", List({"qxrhmsys.sys"}));
    std::string beyond = AddDevice(128, "\\\\.\\", List({"qxrhmsys.sys"}));
    EXPECT_EQ(1, RemoveFilterEntries(m_devices));
    EXPECT_FALSE(HasFilters(last));
    EXPECT_TRUE(HasFilters(beyond));
    EXPECT_EQ(127u, m_devices.highestAsked);
}

TEST_F(EngineFilterDriver, DeviceWithoutHardwareKeyLeavesItsClassKeyAlone) {
    AddDevice(0, "\\\\.\\", List({}), false);
    WriteFilters(m_classKeys.back(), List({"qxrhmsys.sys"}));
    EXPECT_EQ(0, RemoveFilterEntries(m_devices));
    EXPECT_TRUE(HasFilters(m_classKeys.back()));
}

TEST_F(EngineFilterDriver, NtFamilyNeverLoadsTheLibrary) {
    ASSERT_EQ(nullptr, GetModuleHandleA("setupapi.dll"));
    for (const char* windows : {"nt40", "win2k", "winxp"}) {
        SetWindows(windows);
        EXPECT_EQ(0, RemoveFilterDriverEntries());
        EXPECT_EQ(nullptr, GetModuleHandleA("setupapi.dll")) << windows;
    }
}

TEST_F(EngineFilterDriver, RealRunThroughSetupApi) {
    std::string device = AddDevice(0, "\\\\.\\", List({"qxrhmsys.sys"}));
    for (const char* windows : {"win95", "win98", "winme"}) {
        SetWindows(windows);
        EXPECT_EQ(0, RemoveFilterDriverEntries()) << windows;
        EXPECT_EQ(nullptr, GetModuleHandleA("setupapi.dll")) << windows;
    }
    EXPECT_TRUE(HasFilters(device));
}
