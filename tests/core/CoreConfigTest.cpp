// Reading setupm.ini into the configuration and the default installation folder, with the
// machine's Program Files key replaced by a scratch key the test controls.
#include "setup/core/ProductConfig.h"
#include "setup/core/SetupState.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace {

const char kMachine[] = "Software\\CoreConfigTest\\Machine";
const char kCurrentVersion[] = "Software\\microsoft\\windows\\currentversion";

const char kFullConfig[] = "[Manufacture]\r\nManufacture=Maker\r\n"
                           "[Product]\r\nProduct=Glider\r\nVersion=1.0\r\nKey=K1\r\n"
                           "[target]\r\ndir=Radored\r\nFOLDER=Radored Tools\r\n"
                           "[Display Name]\r\nName=Glider 1.0\r\n"
                           "[Title]\r\nCaptionBar=Bar\r\nMain=Main title\r\n"
                           "[Uninstall]\r\nDisplayName=Glider removal\r\nKey=GliderKey\r\n";

// Points HKEY_LOCAL_MACHINE of this process at a scratch key while the test runs.
class CoreConfigTest : public ::testing::Test {
  protected:
    CoreConfigTest() : m_guard(HKEY_CURRENT_USER, "Software\\CoreConfigTest") {
        RegCreateKeyExA(HKEY_CURRENT_USER, kMachine, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_machine, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
        CopyText(setupState.sourceFolder, m_medium.Path().c_str());
        setupState.targetFolder[0] = '\0';
    }
    ~CoreConfigTest() override {
        FreeProductConfig();
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(m_machine);
    }

    // Gives the scratch machine key a Program Files value.
    void SetProgramFiles(DWORD type, const std::string& data) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(m_machine, kCurrentVersion, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueExA(key, "ProgramFilesDir", 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1));
        RegCloseKey(key);
    }

    CRegKeyGuard m_guard;
    HKEY m_machine = nullptr;
    CTempFolder m_medium;
};

TEST_F(CoreConfigTest, ReadsEveryTextInAnyLetterCase) {
    m_medium.Write("setupm.ini", kFullConfig);
    SetProgramFiles(REG_SZ, "C:\\Program Files");
    LoadProductConfig();
    const SetupConfig& config = setupState.config;
    EXPECT_STREQ("Maker", config.manufacturer);
    EXPECT_STREQ("Glider", config.productName);
    EXPECT_STREQ("1.0", config.productVersion);
    EXPECT_STREQ("K1", config.productKey);
    EXPECT_STREQ("Radored", config.targetDir);
    EXPECT_STREQ("Radored Tools", config.programFolder);
    EXPECT_STREQ("Glider 1.0", config.displayName);
    EXPECT_STREQ("Bar", config.captionBar);
    EXPECT_STREQ("Main title", config.mainTitle);
    EXPECT_STREQ("Glider removal", config.uninstallDisplayName);
    EXPECT_STREQ("GliderKey", config.uninstallKey);
    EXPECT_STREQ("C:\\Program Files\\Radored", setupState.targetFolder);
}

TEST_F(CoreConfigTest, TargetFolderBase) {
    struct Case {
        const char* what;
        DWORD type; // 0: no Program Files key at all
        std::string programFiles;
        const char* expected;
    } cases[] = {
        {"Program Files", REG_SZ, "C:\\Program Files", "C:\\Program Files\\D1"},
        {"unexpanded", REG_EXPAND_SZ, "%SystemDrive%\\Apps", "%SystemDrive%\\Apps\\D1"},
        {"254 characters", REG_SZ, std::string(254, 'p'), nullptr},
        {"255 characters", REG_SZ, std::string(255, 'p'), "\\D1"},
        {"a number", REG_DWORD, "abc", "\\D1"},
        {"no key", 0, "", "\\K1\\D1"},
    };
    for (const Case& c : cases) {
        m_medium.Write("setupm.ini", "[Product]\r\nKey=K1\r\n[Target]\r\nDir=D1\r\n");
        DeleteKeyTree(m_machine, "Software");
        if (c.type)
            SetProgramFiles(c.type, c.programFiles);
        setupState.targetFolder[0] = '\0';
        LoadProductConfig();
        std::string expected = c.expected ? c.expected : (c.programFiles + "\\D1").substr(0, 259);
        EXPECT_EQ(expected, setupState.targetFolder) << c.what;
    }
}

TEST_F(CoreConfigTest, LaterRunWithoutTheKeyBuildsOnThePreviousTarget) {
    m_medium.Write("setupm.ini", "[Product]\r\nKey=K1\r\n[Target]\r\nDir=D1\r\n");
    LoadProductConfig();
    EXPECT_STREQ("\\K1\\D1", setupState.targetFolder);
    LoadProductConfig();
    EXPECT_STREQ("\\K1\\D1\\K1\\D1", setupState.targetFolder);
}

TEST_F(CoreConfigTest, MissingFileGivesEmptyTextsEverywhere) {
    SetProgramFiles(REG_SZ, "C:\\Program Files");
    LoadProductConfig();
    char* SetupConfig::*fields[] = {
        &SetupConfig::manufacturer,   &SetupConfig::productName,
        &SetupConfig::productVersion, &SetupConfig::productKey,
        &SetupConfig::targetDir,      &SetupConfig::programFolder,
        &SetupConfig::displayName,    &SetupConfig::captionBar,
        &SetupConfig::mainTitle,      &SetupConfig::uninstallDisplayName,
        &SetupConfig::uninstallKey,
    };
    for (auto field : fields) {
        ASSERT_NE(nullptr, setupState.config.*field);
        EXPECT_STREQ("", setupState.config.*field);
    }
    EXPECT_STREQ("C:\\Program Files\\", setupState.targetFolder);
    FreeProductConfig();
    for (auto field : fields)
        EXPECT_EQ(nullptr, setupState.config.*field);
}

TEST_F(CoreConfigTest, LongValuesAreCutAt259Characters) {
    std::string product(400, 'n');
    std::string dir(300, 'd');
    m_medium.Write("setupm.ini",
                   "[Product]\r\nProduct=" + product + "\r\n[Target]\r\nDir=" + dir + "\r\n");
    SetProgramFiles(REG_SZ, "C:\\Program Files");
    LoadProductConfig();
    EXPECT_EQ(product.substr(0, 259), setupState.config.productName);
    EXPECT_EQ(dir.substr(0, 259), setupState.config.targetDir);
    EXPECT_EQ(("C:\\Program Files\\" + dir).substr(0, 259), setupState.targetFolder);
}

TEST_F(CoreConfigTest, LoadingAgainLeavesNoStaleText) {
    m_medium.Write("setupm.ini", kFullConfig);
    LoadProductConfig();
    CTempFolder other;
    other.Write("setupm.ini", "[Product]\r\nProduct=Second\r\n");
    CopyText(setupState.sourceFolder, other.Path().c_str());
    LoadProductConfig();
    EXPECT_STREQ("Second", setupState.config.productName);
    EXPECT_STREQ("", setupState.config.productKey);
    EXPECT_STREQ("", setupState.config.uninstallKey);
    EXPECT_STREQ("", setupState.config.manufacturer);
}

TEST_F(CoreConfigTest, RecordsTheCurrentDirectory) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_medium.Path().c_str()));
    LoadProductConfig();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(m_medium.Path(), setupState.startFolder);
}

TEST_F(CoreConfigTest, FileBeyondThePathBufferIsNotReadUnderACutName) {
    // A medium folder so long that "<folder>\setupm.ini" needs 260 characters or more: the cut
    // name "<folder>\setupm.in" must not be read in its place.
    std::string folder = m_medium.Path() + "\\" + std::string(248 - m_medium.Path().size(), 'm');
    ASSERT_EQ(249u, folder.size());
    m_medium.Write(folder.substr(m_medium.Path().size() + 1) + "\\setupm.in",
                   "[Product]\r\nProduct=Wrong file\r\n");
    CopyText(setupState.sourceFolder, folder.c_str());
    LoadProductConfig();
    EXPECT_STREQ("", setupState.config.productName);
}

} // namespace
