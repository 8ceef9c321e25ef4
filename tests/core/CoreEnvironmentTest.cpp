// Windows version and default language detection for real under Wine: each Windows version the
// prefix can pretend to be, product options in the registry, and system languages through LC_ALL.
#include "setup/core/Environment.h"
#include "setup/core/OsVersion.h"
#include "setup/core/SetupState.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <string>

namespace {

const char kProductOptions[] = "System\\CurrentControlSet\\Control\\ProductOptions";
const char kChildTest[] = "CoreEnvironmentChild.DISABLED_Report";

std::string SetFlags() {
    const struct {
        const char* name;
        int32_t value;
    } flags[] = {
        {"isWin95", setupState.isWin95},     {"isWin98", setupState.isWin98},
        {"isWinMe", setupState.isWinMe},     {"isWinXP", setupState.isWinXP},
        {"isWin2000", setupState.isWin2000}, {"isNtOther", setupState.isNtOther},
    };
    std::string set;
    for (const auto& flag : flags)
        if (flag.value)
            set += set.empty() ? flag.name : std::string(" ") + flag.name;
    return set.empty() ? "none" : set;
}

// Run in a child only: a first DetectEnvironment of the process, then a later one that starts
// from English.
TEST(CoreEnvironmentChild, DISABLED_Report) {
    DetectEnvironment();
    printf("os flags: %s\n", SetFlags().c_str());
    printf("first run language: %d\n", setupState.languageIndex);
    setupState.languageIndex = 4;
    DetectEnvironment();
    printf("later run language: %d\n", setupState.languageIndex);
}

struct Report {
    std::string flags;
    std::string firstLanguage;
    std::string laterLanguage;
};

std::string Field(const std::string& output, const std::string& label) {
    size_t at = output.find(label + ": ");
    if (at == std::string::npos)
        return "(missing)";
    at += label.size() + 2;
    return output.substr(at, output.find_first_of("\r\n", at) - at);
}

Report RunReport(const char* version, const char* locale) {
    ChildOptions options;
    options.windowsVersion = version;
    options.locale = locale;
    ChildResult result = RunTestInChild(kChildTest, options);
    EXPECT_TRUE(result.finished && result.exitCode == 0) << result.output;
    return {Field(result.output, "os flags"), Field(result.output, "first run language"),
            Field(result.output, "later run language")};
}

TEST(CoreEnvironment, EachWindowsVersionSetsItsFlag) {
    struct Case {
        const char* version;
        const char* flags;
    } cases[] = {
        {"win95", "isWin95"},     {"win98", "isWin98"},   {"winme", "isWinMe"},
        {"nt40", "isNtOther"},    {"win2k", "isWin2000"}, {"winxp", "isWinXP"},
        {"win2003", "isWin2000"}, {"vista", "isNtOther"}, {"", "isNtOther"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.flags, RunReport(c.version, "en_US.UTF-8").flags) << c.version;
}

TEST(CoreEnvironment, DefaultLanguageFromTheSystemLanguage) {
    // 6 is "fra", 1 "cht", 2 "deu", 4 "enu": an unlisted language keeps the previous run's choice.
    struct Case {
        const char* locale;
        const char* first;
        const char* later;
    } cases[] = {
        {"en_US.UTF-8", "6", "4"},
        {"zh_SG.UTF-8", "1", "1"},
        {"de_CH.UTF-8", "2", "2"},
        {"fi_FI.UTF-8", "5", "5"},
    };
    for (const Case& c : cases) {
        Report report = RunReport("", c.locale);
        EXPECT_EQ(c.first, report.firstLanguage) << c.locale;
        EXPECT_EQ(c.later, report.laterLanguage) << c.locale;
    }
}

// Keeps the prefix's ProductOptions values and puts them back afterwards.
class CProductOptionsGuard {
  public:
    CProductOptionsGuard() {
        m_haveType = Save("ProductType", m_type, m_typeKind);
        m_haveSuite = Save("ProductSuite", m_suite, m_suiteKind);
    }
    ~CProductOptionsGuard() {
        Restore("ProductType", m_haveType, m_type, m_typeKind);
        Restore("ProductSuite", m_haveSuite, m_suite, m_suiteKind);
    }
    CProductOptionsGuard(const CProductOptionsGuard&) = delete;
    CProductOptionsGuard& operator=(const CProductOptionsGuard&) = delete;

    static void Put(const char* name, DWORD type, const std::string& data) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductOptions, 0, KEY_SET_VALUE, &key));
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    static void Remove(const char* name) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductOptions, 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, name);
            RegCloseKey(key);
        }
    }

  private:
    static bool Save(const char* name, std::string& data, DWORD& type) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductOptions, 0, KEY_QUERY_VALUE, &key) != 0)
            return false;
        char buffer[1024];
        DWORD size = sizeof buffer;
        bool saved = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                                      &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (saved)
            data.assign(buffer, size);
        return saved;
    }
    static void Restore(const char* name, bool had, const std::string& data, DWORD type) {
        if (had)
            Put(name, type, data);
        else
            Remove(name);
    }

    bool m_haveType, m_haveSuite;
    std::string m_type, m_suite;
    DWORD m_typeKind = 0, m_suiteKind = 0;
};

std::string Sz(const char* text) {
    return std::string(text) + '\0';
}

TEST(CoreEnvironment, ProductTypeFromTheRegistry) {
    CProductOptionsGuard guard;
    struct Case {
        DWORD type;
        std::string data;
        bool known;
        int32_t code;
    } cases[] = {
        {REG_SZ, Sz("WinNT"), true, 2},
        {REG_SZ, Sz("ServerNT"), true, 6},
        {REG_SZ, Sz("LanmanNt"), true, 7},
        {REG_SZ, Sz("LANSECNT"), true, 8},
        {REG_SZ, std::string("ServerNT"), true, 6}, // stored without its terminator
        {REG_SZ, Sz("Workstation"), false, 0},
        {REG_SZ, Sz(std::string(120, 'W').c_str()), false, 0},
        {REG_BINARY, std::string("WinNT"), false, 0},
        {REG_DWORD, std::string("\2\0\0\0", 4), false, 0},
    };
    for (const Case& c : cases) {
        CProductOptionsGuard::Put("ProductType", c.type, c.data);
        int32_t code = -1;
        EXPECT_EQ(c.known, ReadProductType(code)) << c.data;
        EXPECT_EQ(c.known ? c.code : -1, code) << c.data;
    }
    CProductOptionsGuard::Remove("ProductType");
    int32_t code = -1;
    EXPECT_FALSE(ReadProductType(code));
}

TEST(CoreEnvironment, ProductSuiteFromTheRegistry) {
    CProductOptionsGuard guard;
    using namespace std::string_literals;
    struct Case {
        DWORD type;
        std::string data;
        bool terminalServer;
        bool enterprise;
    } cases[] = {
        {REG_MULTI_SZ, "Small Business\0Terminal Server\0\0"s, true, false},
        {REG_MULTI_SZ, "ENTERPRISE\0\0"s, false, true},
        {REG_MULTI_SZ, "Enterprise"s, false, true}, // no list terminator
        {REG_MULTI_SZ, ""s, false, false},
        {REG_SZ, "Enterprise\0"s, false, false},
        {REG_BINARY, "Terminal Server\0\0"s, false, false},
    };
    for (const Case& c : cases) {
        CProductOptionsGuard::Put("ProductSuite", c.type, c.data);
        EXPECT_EQ(c.terminalServer, HasProductSuite("Terminal Server")) << c.data;
        EXPECT_EQ(c.enterprise, HasProductSuite("enterprise")) << c.data;
    }
    CProductOptionsGuard::Remove("ProductSuite");
    EXPECT_FALSE(HasProductSuite("Enterprise"));
}

TEST(CoreEnvironment, ProductOptionsDecideTheNtClass) {
    CProductOptionsGuard guard;
    struct Case {
        const char* suite;
        const char* type;
        const char* version;
        const char* flags;
    } cases[] = {
        {"Terminal Server\0\0", "WinNT", "winxp", "isNtOther"},
        {"Enterprise\0\0", "WinNT", "win2k", "isNtOther"},
        {"Enterprise\0\0", "WinNT", "win98", "isWin98"}, // 9x has no product suite
        {nullptr, "SERVERNT", "win2003", "isWin2000"},
        {nullptr, "Unknown", "winxp", "isWinXP"},
    };
    for (const Case& c : cases) {
        if (c.suite)
            CProductOptionsGuard::Put("ProductSuite", REG_MULTI_SZ,
                                      std::string(c.suite, strlen(c.suite) + 2));
        else
            CProductOptionsGuard::Remove("ProductSuite");
        CProductOptionsGuard::Put("ProductType", REG_SZ, Sz(c.type));
        EXPECT_EQ(c.flags, RunReport(c.version, "").flags) << c.version << " " << c.type;
    }
}

} // namespace
