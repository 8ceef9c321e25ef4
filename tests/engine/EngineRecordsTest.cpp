// The product's registry records and the uninstall registration as the registry then holds them,
// the family install count, over-long values, and the install-log records of both steps.
#include "EngineFixture.h"
#include "common/logic/LogRecords.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/ProductRecords.h"
#include "setup/engine/UninstallRegistration.h"

namespace {

class EngineRecords : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ::EnsureDirectory(m_target.c_str(), false);
        ASSERT_TRUE(InstallLog.Open(TargetFile("purgekit.log").c_str()));
    }
    void WriteBoth() {
        WriteProductRecords();
        RegisterUninstaller();
        InstallLog.Close();
    }
    std::string FamilyKey() const { return std::string(kFamilyRoot) + "\\" + kFamily; }
    std::string UninstallKey() const { return std::string(kUninstallRoot) + "\\" + kProduct; }
};

} // namespace

TEST_F(EngineRecords, WritesTheWholeLayout) {
    WriteBoth();
    struct Text {
        std::string key;
        const char* name;
        std::string value;
    } texts[] = {
        {kRunKey, "RERODUDEDARADU", m_target + "\\glider9k.exe"},
        {kProductKey, "InstallName", kFamily},
        {kProductKey, "SubInstallName", kSuite},
        {UninstallKey(), "DisplayName", kProduct},
        {UninstallKey(), "UninstallString", m_target + "\\purgekit.exe"},
        {kProductKey, "AppPath", m_target},
        {kProductKey, "ProductName", kProduct},
        {kProductKey, "ProductKey", "glider9k.exe"},
    };
    for (const Text& text : texts) {
        std::string value;
        EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, text.key, text.name, value)) << text.name;
        EXPECT_EQ(text.value, value) << text.name;
    }
    DWORD count = 0;
    EXPECT_TRUE(ReadRegDword(HKEY_LOCAL_MACHINE, FamilyKey(), "INSTALLCOUNT", count));
    EXPECT_EQ(1u, count);
    std::vector<LoggedItem> expected = {{LOG_RUN_VALUE, "RERODUDEDARADU"},
                                        {LOG_UNINSTALL_KEY, UninstallKey()}};
    EXPECT_EQ(expected, Log());
}

TEST_F(EngineRecords, FamilyCountRisesWithEveryInstallation) {
    WriteBoth();
    ASSERT_TRUE(InstallLog.Open(TargetFile("purgekit.log").c_str()));
    WriteBoth();
    DWORD count = 0;
    EXPECT_TRUE(ReadRegDword(HKEY_LOCAL_MACHINE, FamilyKey(), "INSTALLCOUNT", count));
    EXPECT_EQ(2u, count);
}

TEST_F(EngineRecords, FamilyKeyWithoutACountStartsAtOne) {
    ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, FamilyKey(), "Other", "x"));
    WriteBoth();
    DWORD count = 0;
    EXPECT_TRUE(ReadRegDword(HKEY_LOCAL_MACHINE, FamilyKey(), "INSTALLCOUNT", count));
    EXPECT_EQ(1u, count);
}

TEST_F(EngineRecords, ValuesOver254CharactersAreLeftUnwritten) {
    struct Case {
        char* SetupConfig::*field;
        std::string key;
        const char* name;
    } cases[] = {
        {&SetupConfig::captionBar, kProductKey, "SubInstallName"},
        {&SetupConfig::productKey, kProductKey, "ProductKey"},
        {&SetupConfig::productKey, kRunKey, "RERODUDEDARADU"},
    };
    for (const Case& c : cases) {
        for (size_t length : {254u, 255u}) {
            DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
            DeleteRegValue(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU");
            std::string text(length, 'v');
            if (c.name == std::string("RERODUDEDARADU"))
                text.resize(length - m_target.size() - 1);
            SetConfig(c.field, text);
            ASSERT_TRUE(InstallLog.Open(TargetFile("purgekit.log").c_str()));
            WriteBoth();
            std::string value;
            EXPECT_EQ(length == 254u, ReadRegString(HKEY_LOCAL_MACHINE, c.key, c.name, value))
                << c.name << " " << length;
            if (length == 254u) {
                EXPECT_EQ(254u, value.size());
            }
        }
    }
}

TEST_F(EngineRecords, OverLongTargetFolderLeavesThePathsUnwritten) {
    std::string target = m_temp.File(std::string(255 - m_temp.Path().size() - 1, 't'));
    ASSERT_EQ(255u, target.size());
    CopyText(setupState.targetFolder, target.c_str());
    WriteBoth();
    std::string value;
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", value));
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", value));
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName", value));
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, "ProductName", value));
}

TEST_F(EngineRecords, ProductNameWithABackslashMakesTheKeyOneLevelDeeper) {
    SetConfig(&SetupConfig::productName, std::string(kProduct) + "\\Deeper");
    WriteBoth();
    std::string key = UninstallKey() + "\\Deeper";
    std::string value;
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, key, "DisplayName", value));
    EXPECT_EQ(std::string(kProduct) + "\\Deeper", value);
    EXPECT_EQ(key, Log().back().text);
}

TEST_F(EngineRecords, NoUninstallKeyWithoutAProductName) {
    SetConfig(&SetupConfig::productName, "");
    WriteBoth();
    std::string value;
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, kUninstallRoot, "DisplayName", value));
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, kUninstallRoot, "UninstallString", value));
    std::vector<LoggedItem> expected = {{LOG_RUN_VALUE, "RERODUDEDARADU"}};
    EXPECT_EQ(expected, Log());
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", value));
}
