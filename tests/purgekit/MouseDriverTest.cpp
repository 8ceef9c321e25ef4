// Returning the mice to the standard drivers: the registry method (system.ini, the PS/2 key that
// opens first, the product's HID keys, the class keys up to the first gap, the driver values,
// the Chinese texts for three language ids only) and the driver-update method per version class,
// whose calls the test build records.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "purgekit/MouseDriver.h"
#include "purgekit/RemovalState.h"
#include "purgekit/logic/MouseIds.h"
#include <gtest/gtest.h>

namespace {
const char kEnum[] = "Enum";
const char kServicesMouse[] = "SYSTEM\\CurrentControlSet\\Services\\Class\\Mouse";
const char kServicesClass[] = "SYSTEM\\CurrentControlSet\\Services\\Class";
const char kControlMouse[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96F-E325-11CE-BFC1-08002BE10318}";

// The device and class keys of a test, which the prefix does not have of its own.
class CMouseKeys {
  public:
    CMouseKeys()
        : m_fresh(!RegKeyExists(HKEY_LOCAL_MACHINE, kEnum) &&
                  !RegKeyExists(HKEY_LOCAL_MACHINE, kServicesClass) &&
                  !RegKeyExists(HKEY_LOCAL_MACHINE, kControlMouse)) {}
    ~CMouseKeys() {
        if (!m_fresh)
            return;
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEnum);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kServicesClass);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kControlMouse);
    }
    CMouseKeys(const CMouseKeys&) = delete;
    CMouseKeys& operator=(const CMouseKeys&) = delete;
    // False when the prefix has such keys already: a test then leaves them alone.
    bool Fresh() const { return m_fresh; }

  private:
    bool m_fresh;
};

void ProductDevice(const std::string& key) {
    WriteRegText(HKEY_LOCAL_MACHINE, key, "Mfg", "Example Input Devices");
    WriteRegText(HKEY_LOCAL_MACHINE, key, "DriverDesc", "Example Mouse");
    WriteRegText(HKEY_LOCAL_MACHINE, key, "DeviceDesc", "Example Mouse");
}

std::vector<std::string> HidKeys() {
    std::vector<std::string> keys;
    char key[MAX_PATH];
    CompositeDeviceKey(mouseIdTable, key, sizeof key);
    keys.push_back(key);
    for (size_t pair = 0; pair < kMousePairCount; ++pair) {
        for (int instance = 0; instance < 4; ++instance) {
            HidDeviceKey(MousePair(mouseIdTable, pair), instance, key, sizeof key);
            keys.push_back(key);
        }
    }
    return keys;
}

std::string ClassKey(const char* base, int index) {
    char name[8];
    snprintf(name, sizeof name, "\\%04d", index);
    return base + std::string(name);
}

} // namespace

TEST(PurgekitMouseDriver, RegistryMethodOnWindows98) {
    CRemovalStateGuard state;
    CFileGuard systemIni(SystemIni());
    CMouseKeys keys;
    if (!keys.Fresh())
        GTEST_SKIP() << "the prefix has device or mouse class keys of its own";
    const std::string acpi = "Enum\\ACPI\\*PNP0F13\\0";
    const std::string bios = "Enum\\BIOS\\*PNP0F13\\0A";
    const std::string foreign = "Enum\\HID\\VID_0001&PID_0001\\0000USB&VID_0001&PID_0001&INST_0";
    for (const std::string& key : {acpi, bios, foreign})
        ProductDevice(key);
    std::vector<std::string> hidKeys = HidKeys();
    ASSERT_EQ(45u, hidKeys.size());
    for (const std::string& key : hidKeys)
        ProductDevice(key);
    struct ClassKeyCase {
        int index;
        const char* matchingDeviceId;
        const char* ntmpDriver;
    } classKeys[] = {{0, "HID_DEVICE_SYSTEM_MOUSE", nullptr},
                     {1, "hid_device_system_mouse", "old.vxd"},
                     {2, "*PNP0F13", nullptr},
                     {4, "HID_DEVICE_SYSTEM_MOUSE", nullptr}};
    for (const ClassKeyCase& c : classKeys) {
        std::string key = ClassKey(kServicesMouse, c.index);
        WriteRegText(HKEY_LOCAL_MACHINE, key, "MatchingDeviceId", c.matchingDeviceId);
        WriteRegText(HKEY_LOCAL_MACHINE, key, "MouseDriver", "product.drv");
        WriteRegText(HKEY_LOCAL_MACHINE, key, "InfPath", "OEM1.INF");
        if (c.ntmpDriver)
            WriteRegText(HKEY_LOCAL_MACHINE, key, "NTMPDriver", c.ntmpDriver);
    }
    removalState.osClass = V4_Other;

    RestoreMouseDriver();

    char line[MAX_PATH];
    GetPrivateProfileStringA("386Enh", "mouse", "", line, sizeof line, SystemIni().c_str());
    EXPECT_STREQ("*vmouse,msmouse.vxd", line);
    EXPECT_EQ("Microsoft", ReadRegText(HKEY_LOCAL_MACHINE, acpi, "Mfg"));
    EXPECT_EQ("PS/2 Compatible Mouse", ReadRegText(HKEY_LOCAL_MACHINE, acpi, "DeviceDesc"));
    EXPECT_FALSE(RegValueExists(HKEY_LOCAL_MACHINE, acpi, "DriverDesc"));
    EXPECT_EQ("Example Input Devices", ReadRegText(HKEY_LOCAL_MACHINE, bios, "Mfg"));
    EXPECT_TRUE(RegValueExists(HKEY_LOCAL_MACHINE, bios, "DriverDesc"));
    for (const std::string& key : hidKeys) {
        EXPECT_EQ("Microsoft", ReadRegText(HKEY_LOCAL_MACHINE, key, "Mfg")) << key;
        EXPECT_EQ("HID-compliant mouse", ReadRegText(HKEY_LOCAL_MACHINE, key, "DeviceDesc")) << key;
        EXPECT_FALSE(RegValueExists(HKEY_LOCAL_MACHINE, key, "DriverDesc")) << key;
    }
    EXPECT_EQ("Example Input Devices", ReadRegText(HKEY_LOCAL_MACHINE, foreign, "Mfg"));

    struct Expected {
        int index;
        const char* infPath;
        const char* ntmpDriver;
        const char* mouseDriver;
    } expected[] = {{0, "MSMOUSE.INF", "Mouhid.vxd", "product.drv"},
                    {1, "MSMOUSE.INF", "Mouhid.vxd", "product.drv"},
                    {2, "MSMOUSE.INF", "<missing>", "<missing>"},
                    {4, "OEM1.INF", "<missing>", "product.drv"}};
    for (const Expected& e : expected) {
        std::string key = ClassKey(kServicesMouse, e.index);
        EXPECT_EQ(e.infPath, ReadRegText(HKEY_LOCAL_MACHINE, key, "InfPath")) << key;
        EXPECT_EQ(e.ntmpDriver, ReadRegText(HKEY_LOCAL_MACHINE, key, "NTMPDriver")) << key;
        EXPECT_EQ(e.mouseDriver, ReadRegText(HKEY_LOCAL_MACHINE, key, "MouseDriver")) << key;
        if (e.index < 3) {
            EXPECT_EQ("Microsoft", ReadRegText(HKEY_LOCAL_MACHINE, key, "ProviderName")) << key;
            EXPECT_EQ("5-5-1999", ReadRegText(HKEY_LOCAL_MACHINE, key, "DriverDate")) << key;
        }
    }
}

TEST(PurgekitMouseDriver, ABiosKeyIsChangedWhenThereIsNoAcpiKey) {
    CRemovalStateGuard state;
    CFileGuard systemIni(SystemIni());
    CMouseKeys keys;
    if (!keys.Fresh())
        GTEST_SKIP() << "the prefix has device or mouse class keys of its own";
    ProductDevice("Enum\\BIOS\\*PNP0F13\\0A");
    ProductDevice("Enum\\BIOS\\*PNP0F13\\10");
    removalState.osClass = V4_Other;

    RestoreMouseDriver();

    EXPECT_EQ("Microsoft", ReadRegText(HKEY_LOCAL_MACHINE, "Enum\\BIOS\\*PNP0F13\\0A", "Mfg"));
    EXPECT_EQ("Example Input Devices",
              ReadRegText(HKEY_LOCAL_MACHINE, "Enum\\BIOS\\*PNP0F13\\10", "Mfg"));
}

// Run in a child under a chosen system language; PURGEKIT_EXPECT_CHINESE tells which texts.
TEST(PurgekitMouseDriver, DISABLED_TextsInChild) {
    CRemovalStateGuard state;
    CFileGuard systemIni(SystemIni());
    CMouseKeys keys;
    ASSERT_TRUE(keys.Fresh());
    ProductDevice("Enum\\ACPI\\*PNP0F13\\0");
    std::string hid = HidKeys()[1];
    ProductDevice(hid);
    removalState.osClass = V4_Other;

    RestoreMouseDriver();

    // The Chinese texts are code page 950 bytes, read back as this process's code page stores them.
    bool chinese = getenv("PURGEKIT_EXPECT_CHINESE") != nullptr;
    std::string manufacturer =
        chinese ? "(\xBC\xD0\xB7\xC7\xB7\xC6\xB9\xAB\xC3\xFE\xAB\xAC)" : "Microsoft";
    std::string ps2 = chinese
                          ? "PS/2 \xAC\xDB\xAE\x65\xA9\xCA\xB7\xC6\xB9\xAB\xB3\x73\xB1\xB5\xB0\xF0"
                          : "PS/2 Compatible Mouse";
    const std::string ps2Key = "Enum\\ACPI\\*PNP0F13\\0";
    EXPECT_EQ(manufacturer, ReadRegText(HKEY_LOCAL_MACHINE, ps2Key, "Mfg"))
        << std::hex << GetSystemDefaultLangID();
    EXPECT_EQ(ps2, ReadRegText(HKEY_LOCAL_MACHINE, ps2Key, "DeviceDesc"));
    EXPECT_EQ(manufacturer, ReadRegText(HKEY_LOCAL_MACHINE, hid, "Mfg"));
    EXPECT_EQ("HID-compliant mouse", ReadRegText(HKEY_LOCAL_MACHINE, hid, "DeviceDesc"));
}

TEST(PurgekitMouseDriver, ChineseTextsForTaiwanHongKongAndSingaporeOnly) {
    struct Case {
        const char* locale;
        bool chinese;
    } cases[] = {{"zh_TW.UTF-8", true},
                 {"zh_HK.UTF-8", true},
                 {"zh_SG.UTF-8", true},
                 {"zh_CN.UTF-8", false},
                 {"en_US.UTF-8", false}};
    for (const Case& c : cases) {
        ChildOptions options;
        options.locale = c.locale;
        if (c.chinese)
            options.environment.emplace_back("PURGEKIT_EXPECT_CHINESE", "1");
        ChildResult result = RunTestInChild("PurgekitMouseDriver.DISABLED_TextsInChild", options);
        EXPECT_TRUE(RanAndPassed(result)) << c.locale << "\n" << result.output;
    }
}

TEST(PurgekitMouseDriver, DriverUpdateMethodForEveryOtherVersionClass) {
    CMouseKeys keys;
    if (!keys.Fresh())
        GTEST_SKIP() << "the prefix has device or mouse class keys of its own";
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string inf = std::string(windows) + "\\inf\\MSMOUSE.INF";
    for (const char* base : {kControlMouse, kServicesMouse}) {
        WriteRegText(HKEY_LOCAL_MACHINE, ClassKey(base, 0), "MatchingDeviceId",
                     std::string("HID_DEVICE_SYSTEM_MOUSE") +
                         (base == kServicesMouse ? "_9X" : ""));
        WriteRegText(HKEY_LOCAL_MACHINE, ClassKey(base, 1), "MatchingDeviceId", "*PNP0F13");
        WriteRegText(HKEY_LOCAL_MACHINE, ClassKey(base, 2), "Other", "no id");
        WriteRegText(HKEY_LOCAL_MACHINE, ClassKey(base, 4), "MatchingDeviceId", "AFTER_THE_GAP");
    }
    std::string control =
        "driver HID_DEVICE_SYSTEM_MOUSE " + inf + "\r\ndriver *PNP0F13 " + inf + "\r\n";
    std::string services =
        "driver HID_DEVICE_SYSTEM_MOUSE_9X " + inf + "\r\ndriver *PNP0F13 " + inf + "\r\n";
    struct Case {
        OsClass osClass;
        const std::string& calls;
    } cases[] = {{V4_0, control}, {V4_1, control}, {V4_90, services},
                 {V5_0, control}, {V5_1, control}, {Unclassified, control}};
    for (const Case& c : cases) {
        CRemovalStateGuard state;
        CTempFolder folder;
        CEnvironmentGuard seam("PURGEKIT_SEAM_LOG", folder.File("seam.txt"));
        removalState.osClass = c.osClass;

        RestoreMouseDriver();

        EXPECT_EQ(c.calls, ReadFileText(folder.File("seam.txt"))) << c.osClass;
    }
}
