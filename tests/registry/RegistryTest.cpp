// The registry wrapper against Wine's real registry: key selection, text and number values,
// sizes at the edges, types, deletion, roots and the recorded status.
#include "common/Registry.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace {

const char kBase[] = "Software\\CoreRegistryTest";

class RegistryTest : public ::testing::Test {
  protected:
    RegistryTest() : m_guard(HKEY_CURRENT_USER, kBase) {}

    // Stores a value directly, bypassing the wrapper.
    static void PutRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kBase, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }
    static void PutText(const char* name, DWORD type, const std::string& text) {
        PutRaw(name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    // Type and size of a stored value; false when it is missing.
    static bool Query(const char* path, const char* name, DWORD* type, DWORD* size) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        LONG status = RegQueryValueExA(key, name, nullptr, type, nullptr, size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }
    static bool Exists(const std::string& path) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    // A registry at the test key, which exists.
    void Open(CRegistry& registry) { ASSERT_TRUE(registry.SetKey(kBase, true)); }

    CRegKeyGuard m_guard;
};

TEST_F(RegistryTest, EmptyPathSelectsTheRootWithoutARegistryCall) {
    CRegistry registry;
    EXPECT_FALSE(registry.SetKey("Software\\CoreRegistryTest\\Missing", false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    EXPECT_TRUE(registry.SetKey("", false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    EXPECT_TRUE(registry.KeyExists(kBase) == Exists(kBase));
}

TEST_F(RegistryTest, FailedOpenKeepsTheCurrentKeyAndRecordsTheStatus) {
    CRegistry registry;
    Open(registry);
    EXPECT_FALSE(registry.SetKey("Software\\CoreRegistryTest\\Missing", false));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    ASSERT_TRUE(registry.SetDword("kept", 7));
    DWORD type = 0, size = 0;
    EXPECT_TRUE(Query(kBase, "kept", &type, &size));
    EXPECT_FALSE(Exists("Software\\CoreRegistryTest\\Missing"));
    EXPECT_TRUE(registry.SetKey(kBase, false));
    EXPECT_EQ(ERROR_SUCCESS, registry.m_lastError);
}

TEST_F(RegistryTest, CreateMakesMissingParentsAndSelectsTheKey) {
    CRegistry registry;
    ASSERT_TRUE(registry.SetKey("Software\\CoreRegistryTest\\A\\B\\C", true));
    ASSERT_TRUE(registry.SetString("name", "value"));
    DWORD type = 0, size = 0;
    EXPECT_TRUE(Query("Software\\CoreRegistryTest\\A\\B\\C", "name", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
}

TEST_F(RegistryTest, PathLongerThanTheKeyBufferIsRefusedNotCut) {
    std::string folder = std::string(kBase) + "\\" + std::string(200, 'a');
    std::string fits =
        folder + "\\" + std::string(CRegistry::kKeyPathSize - 2 - folder.size(), 'c');
    ASSERT_EQ(CRegistry::kKeyPathSize - 1, fits.size());
    std::string tooLong = fits + "d";
    CRegistry registry;
    Open(registry);
    EXPECT_FALSE(registry.SetKey(tooLong.c_str(), true));
    EXPECT_FALSE(Exists(fits));
    EXPECT_FALSE(Exists(folder));
    ASSERT_TRUE(registry.SetDword("stays", 1)); // still the previous key
    DWORD type = 0, size = 0;
    EXPECT_TRUE(Query(kBase, "stays", &type, &size));

    EXPECT_TRUE(registry.SetKey(fits.c_str(), true));
    EXPECT_TRUE(registry.SetDword("here", 2));
    EXPECT_TRUE(Query(fits.c_str(), "here", &type, &size));
}

TEST_F(RegistryTest, TextWritesKeepTheirTerminatorUpTo254Characters) {
    CRegistry registry;
    Open(registry);
    std::string longest(254, 'x');
    ASSERT_TRUE(registry.SetString("longest", longest.c_str()));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(Query(kBase, "longest", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(255u, size);
    EXPECT_EQ(longest, registry.GetString("longest", "default"));

    EXPECT_FALSE(registry.SetString("tooLong", std::string(255, 'x').c_str()));
    EXPECT_FALSE(Query(kBase, "tooLong", &type, &size));
    EXPECT_TRUE(registry.SetString("empty", ""));
    ASSERT_TRUE(Query(kBase, "empty", &type, &size));
    EXPECT_EQ(1u, size);
}

TEST_F(RegistryTest, WritesNeverCreateTheCurrentKey) {
    CRegistry registry;
    ASSERT_TRUE(registry.SetKey("Software\\CoreRegistryTest\\Gone", true));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\CoreRegistryTest\\Gone"));
    EXPECT_FALSE(registry.SetString("name", "value"));
    EXPECT_FALSE(registry.SetDword("name", 1));
    EXPECT_FALSE(Exists("Software\\CoreRegistryTest\\Gone"));
}

TEST_F(RegistryTest, GetStringAnswersOnlyWholeTexts) {
    const char noTerminator[] = {'a', 'b', 'c'};
    std::string full(255, 'y');
    DWORD number = 5;
    PutText("text", REG_SZ, "plain");
    PutText("expand", REG_EXPAND_SZ, "%SystemRoot%\\system32");
    PutText("list", REG_MULTI_SZ, "one");
    PutText("long", REG_SZ, std::string(255, 'z'));
    PutRaw("number", REG_DWORD, &number, sizeof number);
    PutRaw("unterminated", REG_SZ, noTerminator, sizeof noTerminator);
    PutRaw("fullUnterminated", REG_SZ, full.data(), 255);
    struct Case {
        const char* name;
        const char* expected; // null: the default itself
    } cases[] = {
        {"text", "plain"},       {"expand", "%SystemRoot%\\system32"},
        {"unterminated", "abc"}, {"list", nullptr},
        {"long", nullptr},       {"fullUnterminated", nullptr},
        {"number", nullptr},     {"missing", nullptr},
    };
    CRegistry registry;
    Open(registry);
    const char* fallback = "fallback";
    for (const Case& c : cases) {
        const char* answer = registry.GetString(c.name, fallback);
        if (c.expected)
            EXPECT_STREQ(c.expected, answer) << c.name;
        else
            EXPECT_EQ(fallback, answer) << c.name;
    }
}

TEST_F(RegistryTest, GetDwordTakesExactlyFourBytesOfAnyType) {
    DWORD number = 0x12345678;
    unsigned char four[] = {1, 2, 3, 4};
    unsigned char two[] = {1, 2};
    PutRaw("number", REG_DWORD, &number, sizeof number);
    PutRaw("four", REG_BINARY, four, sizeof four);
    PutRaw("two", REG_BINARY, two, sizeof two);
    PutText("text", REG_SZ, "long text");
    CRegistry registry;
    Open(registry);
    EXPECT_EQ(0x12345678u, registry.GetDword("number", 9));
    EXPECT_EQ(0x04030201u, registry.GetDword("four", 9));
    EXPECT_EQ(9u, registry.GetDword("two", 9));
    EXPECT_EQ(9u, registry.GetDword("text", 9));
    EXPECT_EQ(9u, registry.GetDword("missing", 9));
    ASSERT_TRUE(registry.SetDword("written", 0xCAFE));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(Query(kBase, "written", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(0xCAFEu, registry.GetDword("written", 0));
}

TEST_F(RegistryTest, GetValueTypeAndTheRecordedStatus) {
    DWORD number = 1;
    unsigned char bytes[] = {1};
    PutText("text", REG_SZ, "t");
    PutText("expand", REG_EXPAND_SZ, "e");
    PutRaw("bytes", REG_BINARY, bytes, sizeof bytes);
    PutRaw("number", REG_DWORD, &number, sizeof number);
    PutText("list", REG_MULTI_SZ, "l");
    CRegistry registry;
    Open(registry);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), registry.GetValueType("text"));
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), registry.GetValueType("expand"));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), registry.GetValueType("bytes"));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), registry.GetValueType("number"));
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), registry.GetValueType("list"));
    EXPECT_EQ(0u, registry.GetValueType("missing"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    // Writes and number reads leave the status alone; text reads record theirs.
    EXPECT_TRUE(registry.SetDword("other", 2));
    EXPECT_EQ(2u, registry.GetDword("other", 0));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    EXPECT_STREQ("t", registry.GetString("text", ""));
    EXPECT_EQ(ERROR_SUCCESS, registry.m_lastError);
}

TEST_F(RegistryTest, GetBytesCopiesUpTo255Bytes) {
    std::string fits(255, '\x7f');
    std::string tooBig(256, '\x7f');
    PutRaw("fits", REG_BINARY, fits.data(), 255);
    PutRaw("tooBig", REG_BINARY, tooBig.data(), 256);
    PutText("text", REG_SZ, "abc");
    CRegistry registry;
    Open(registry);
    unsigned char buffer[CRegistry::kTextSize + 1] = {};
    EXPECT_EQ(255u, registry.GetBytes("fits", buffer));
    EXPECT_EQ(0x7f, buffer[254]);
    EXPECT_EQ(0, buffer[255]);
    EXPECT_EQ(0u, registry.GetBytes("tooBig", buffer));
    EXPECT_EQ(ERROR_MORE_DATA, registry.m_lastError);
    EXPECT_EQ(4u, registry.GetBytes("text", buffer));
    EXPECT_STREQ("abc", reinterpret_cast<char*>(buffer));
    EXPECT_EQ(0u, registry.GetBytes("missing", buffer));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
}

TEST_F(RegistryTest, DeleteKeyAndDeleteValue) {
    CRegistry registry;
    ASSERT_TRUE(registry.SetKey("Software\\CoreRegistryTest\\Leaf", true));
    ASSERT_TRUE(registry.SetDword("value", 1));
    EXPECT_TRUE(registry.DeleteValue("value"));
    EXPECT_FALSE(registry.DeleteValue("value"));
    EXPECT_TRUE(registry.DeleteKey("Software\\CoreRegistryTest\\Leaf"));
    EXPECT_FALSE(Exists("Software\\CoreRegistryTest\\Leaf"));
    EXPECT_TRUE(registry.DeleteKey("Software\\CoreRegistryTest\\Leaf"));
    EXPECT_FALSE(registry.DeleteKey(""));
    EXPECT_FALSE(registry.DeleteValue("value")); // the current key is gone
}

TEST_F(RegistryTest, KeyExistsUnderEitherRoot) {
    CRegistry registry;
    Open(registry);
    ASSERT_TRUE(registry.SetRootKey(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(registry.KeyExists(kBase));
    EXPECT_TRUE(registry.KeyExists(kBase, HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.KeyExists("Software\\Microsoft\\Windows\\CurrentVersion"));
    EXPECT_FALSE(registry.KeyExists("Software\\CoreRegistryTest\\Missing", HKEY_CURRENT_USER));
}

TEST_F(RegistryTest, SetRootKeyTakesOnlyThePredefinedRoots) {
    CRegistry registry;
    HKEY opened;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kBase, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &opened, nullptr));
    EXPECT_FALSE(registry.SetRootKey(opened));
    EXPECT_FALSE(registry.SetRootKey(nullptr));
    RegCloseKey(opened);
    EXPECT_TRUE(registry.KeyExists(kBase)); // still below HKEY_CURRENT_USER
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER})
        EXPECT_TRUE(registry.SetRootKey(root));
}

TEST_F(RegistryTest, CloseReturnsToTheUserRootAndKeepsTheStatus) {
    CRegistry registry;
    ASSERT_TRUE(registry.SetRootKey(HKEY_LOCAL_MACHINE));
    ASSERT_TRUE(registry.SetKey("Software\\Microsoft\\Windows\\CurrentVersion", false));
    EXPECT_EQ(0u, registry.GetValueType("missing value"));
    registry.Close();
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.m_lastError);
    PutText("text", REG_SZ, "user");
    EXPECT_TRUE(registry.KeyExists(kBase));
    EXPECT_EQ(0u, registry.GetValueType("ProgramFilesDir")); // the current key is the root again
    ASSERT_TRUE(registry.SetKey(kBase, false));
    EXPECT_STREQ("user", registry.GetString("text", ""));
}

} // namespace
