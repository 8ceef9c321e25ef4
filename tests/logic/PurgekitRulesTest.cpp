// The uninstaller's Windows-free rules: version classes, the cleanup copy's argument, the log
// record table, the family count, the folders the cleanup may empty and the mouse key names.
#include "purgekit/logic/CleanupArgument.h"
#include "purgekit/logic/CleanupRules.h"
#include "purgekit/logic/MouseIds.h"
#include "purgekit/logic/OsClass.h"
#include "purgekit/logic/RecordActions.h"
#include "purgekit/resource.h"
#include "common/logic/TextBuf.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(PurgekitRules, ClassifiesVersions) {
    struct Case {
        uint32_t version;
        OsClass osClass;
    } cases[] = {
        {0xC3B60004, V4_0}, // Windows 95: family bit set, build in the high word
        {0x05650004, V4_0}, // NT 4.0
        {0x0104, V4_1},      {0xC0000A04, V4_Other}, // 4.1 and Windows 98
        {0xC0005A04, V4_90}, {0x0204, V4_Other},     {0x0003, V4_0},         {0x08930005, V5_0},
        {0x0A280105, V5_1},  {0x0205, Unclassified}, {0x0006, Unclassified}, {0x0106, Unclassified},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.osClass, ClassifyVersion(c.version)) << std::hex << c.version;
}

TEST(PurgekitRules, WindowArgumentRoundTripsAndRejectsJunk) {
    char line[16];
    FormatWindowArgument(line, sizeof line, 0x0002015A);
    EXPECT_STREQ("131418", line);
    EXPECT_EQ(0x0002015Au, ParseWindowArgument(line));
    FormatWindowArgument(line, sizeof line, 0xFFFFFFFF);
    EXPECT_EQ(0xFFFFFFFFu, ParseWindowArgument(line));
    struct Case {
        const char* line;
        uint32_t value;
    } cases[] = {
        {"", 0},       {"   ", 0},    {"abc", 0},        {"  42", 42},
        {"42abc", 42}, {"-42", 0},    {"4294967296", 0}, {"99999999999999999999999", 0},
        {"\t7 8", 7},  {"00012", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, ParseWindowArgument(c.line)) << c.line;
}

TEST(PurgekitRules, RecordTable) {
    struct Case {
        int type;
        RecordAction action;
        int label;
    } cases[] = {
        {0xFF, ACTION_DELETE_FILE, IDC_FILES_LABEL},
        {0xFE, ACTION_REMOVE_FOLDER, IDC_FOLDERS_LABEL},
        {0xFD, ACTION_DELETE_RUN_VALUE, IDC_STARTUP_LABEL},
        {0xFC, ACTION_REMOVE_FOLDER, IDC_PROGRAM_FOLDER_LABEL},
        {0xFB, ACTION_DELETE_FILE, 0},
        {0xFA, ACTION_DELETE_KEY, IDC_REGISTRY_LABEL},
        {0xF9, ACTION_NONE, 0},
        {0x00, ACTION_NONE, 0},
        {0x43, ACTION_NONE, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action, ActionForRecord(static_cast<uint8_t>(c.type))) << c.type;
        EXPECT_EQ(c.label, ProgressLabelForRecord(static_cast<uint8_t>(c.type))) << c.type;
    }
}

TEST(PurgekitRules, RecordTextIsWholeOrNothing) {
    char out[kPathSize];
    std::string fits(259, 'a');
    std::string tooLong(260, 'a');
    LogRecord record = {0xFF, fits.data(), fits.size()};
    EXPECT_TRUE(RecordText(record, out, sizeof out));
    EXPECT_EQ(fits, out);
    record = {0xFF, tooLong.data(), tooLong.size()};
    EXPECT_FALSE(RecordText(record, out, sizeof out));
    EXPECT_STREQ("", out);
    record = {0xFF, "", 0};
    EXPECT_FALSE(RecordText(record, out, sizeof out));
    record = {0xFF, "C:\\a\0b", 6};
    EXPECT_FALSE(RecordText(record, out, sizeof out));
}

TEST(PurgekitRules, OnlyProductEntriesBelowTheUninstallKey) {
    struct Case {
        const char* path;
        bool entry;
    } cases[] = {
        {"Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Example Mouse Suite", true},
        {"SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\UNINSTALL\\a\\b", true},
        {"Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\", false},
        {"Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\\\x", false},
        {"Software\\Microsoft\\windows\\CurrentVersion\\Uninstall", false},
        {"Software\\Microsoft\\windows\\CurrentVersion", false},
        {"Software", false},
        {"", false},
        {"Software\\Other\\windows\\CurrentVersion\\Uninstall\\x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.entry, IsUninstallEntryKey(c.path)) << c.path;
}

TEST(PurgekitRules, FamilyCount) {
    struct Case {
        bool opened;
        uint32_t count;
        bool deleteKey, writeCount;
        uint32_t newCount;
        bool shared;
    } cases[] = {
        {false, 0, false, false, 0, false}, {true, 1, true, false, 0, false},
        {true, 3, false, true, 2, true},    {true, 2, false, true, 1, true},
        {true, 0, true, false, 0, true},    {true, 0xFFFFFFFF, false, true, 0xFFFFFFFE, true},
    };
    for (const Case& c : cases) {
        FamilyStep step = DecideFamilyStep(c.opened, c.count);
        EXPECT_EQ(c.deleteKey, step.deleteKey) << c.count;
        EXPECT_EQ(c.writeCount, step.writeCount) << c.count;
        EXPECT_EQ(c.newCount, step.writeCount ? step.newCount : 0u) << c.count;
        EXPECT_EQ(c.shared, step.sharedFolders) << c.count;
    }
}

TEST(PurgekitRules, FoldersTheCleanupMayEmpty) {
    const char* protectedFolders[] = {
        "C:\\windows",
        "C:\\windows\\temp\\",
        "C:\\Program Files",
        "C:\\users\\root\\Start Menu\\Programs",
        "",
    };
    struct Case {
        const char* path;
        bool may;
    } cases[] = {
        {"C:\\Program Files\\Example Input\\Mouse Suite", true},
        {"C:\\Program Files\\Example Input", true},
        {"c:/program files/Example Input/", true},
        {"C:\\Program Files", false},
        {"c:\\PROGRAM FILES\\\\", false},
        {"C:/Program Files/", false},
        {"C:\\Program Files\\..", false},
        {"C:\\Program Files\\.\\x", false},
        {"C:\\Program Files\\..\\windows", false},
        {"C:\\Program Files\\...", false},
        {"C:\\Program Files\\ . \\x", false},
        {"C:\\Program Files\\x.", true},
        {"C:\\Program Files\\.x", true},
        {"C:\\windows", false},
        {"C:\\windows\\temp", false},
        {"C:\\windows\\system32", true},
        {"C:\\windowsX", true},
        {"C:\\users", false},
        {"C:\\users\\root\\Start Menu\\Programs\\Example Input", true},
        {"C:\\", false},
        {"C:", false},
        {"C:\\\\", false},
        {"D:\\", false},
        {"D:\\Tools", true},
        {"\\", false},
        {"\\Tools", false},
        {"Tools", false},
        {"", false},
        {"\\\\server\\share", false},
        {"\\\\server\\share\\", false},
        {"\\\\server\\share\\Tools", true},
        {"\\\\server", false},
        {"\\\\\\share\\x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.may, MayEmptyFolder(c.path, protectedFolders, 5)) << c.path;
}

TEST(PurgekitRules, MouseKeyNames) {
    char key[kPathSize];
    std::set<std::string> pairs;
    for (size_t i = 0; i < kMousePairCount; ++i) {
        MouseIdPair pair = MousePair(mouseIdTable, i);
        EXPECT_EQ(4u, strlen(pair.vendor));
        EXPECT_EQ(4u, strlen(pair.product));
        pairs.insert(std::string(pair.vendor) + pair.product);
    }
    EXPECT_EQ(kMousePairCount, pairs.size());
    EXPECT_STREQ(mouseIdTable.vendors[0], MousePair(mouseIdTable, 3).vendor);
    EXPECT_STREQ(mouseIdTable.products[10], MousePair(mouseIdTable, 3).product);
    EXPECT_STREQ(mouseIdTable.products[3], MousePair(mouseIdTable, 4).product);
    EXPECT_STREQ(mouseIdTable.vendors[2], MousePair(mouseIdTable, 10).vendor);

    MouseIdTable table = {
        {"AAAA", "BBBB", "CCCC"},
        {"0001", "0002", "0003", "0004", "0005", "0006", "0007", "0008", "0009", "0010", "0011"}};
    CompositeDeviceKey(table, key, sizeof key);
    EXPECT_STREQ("Enum\\HID\\VID_AAAA&PID_0011&MI_01\\0000USB&VID_AAAA&PID_0011&MI_01&1USB&"
                 "VID_AAAA&PID_0011&INST_0",
                 key);
    HidDeviceKey(MousePair(table, 5), 3, key, sizeof key);
    EXPECT_STREQ("Enum\\HID\\VID_BBBB&PID_0005\\0000USB&VID_BBBB&PID_0005&INST_3", key);
    MouseClassKey(CLASS_SERVICES, 10, key, sizeof key);
    EXPECT_STREQ("SYSTEM\\CurrentControlSet\\Services\\Class\\Mouse\\0010", key);
    MouseClassKey(CLASS_CONTROL, 7, key, sizeof key);
    EXPECT_STREQ("SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96F-E325-11CE-BFC1-08002BE10318}"
                 "\\0007",
                 key);
}

TEST(PurgekitRules, ChineseTextsOnlyForTaiwanHongKongSingapore) {
    const MouseTexts& standard = MouseTextsFor(0x0409);
    EXPECT_STREQ("Microsoft", standard.manufacturer);
    EXPECT_STREQ("PS/2 Compatible Mouse", standard.ps2Description);
    for (uint16_t id : {0x0404, 0x0C04, 0x1004}) {
        const MouseTexts& texts = MouseTextsFor(id);
        EXPECT_STREQ("(\xBC\xD0\xB7\xC7\xB7\xC6\xB9\xAB\xC3\xFE\xAB\xAC)", texts.manufacturer);
        EXPECT_STREQ("HID-compliant mouse", texts.hidDescription);
    }
    for (uint16_t id : {0x0804, 0x0407, 0x1404, 0x0000})
        EXPECT_EQ(&standard, &MouseTextsFor(id)) << id;
}
