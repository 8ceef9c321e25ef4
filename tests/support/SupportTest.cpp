// Checks that the shared test helpers do what other tests rely on: a child really runs under the
// chosen Windows version and system language, and folders and keys are cleaned away.
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <stdio.h>

// Run in a child only: reports what the system tells this process.
TEST(SupportChild, DISABLED_ReportSystem) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    printf("system: %lu.%lu.%lu platform %lu language %04x\n", version.dwMajorVersion,
           version.dwMinorVersion, version.dwBuildNumber & 0xFFFF, version.dwPlatformId,
           GetSystemDefaultLangID());
    const char* extra = getenv("SUPPORT_EXTRA");
    printf("extra: %s\n", extra ? extra : "(none)");
}

// Run in a child only: outlasts the time limit of the test below.
TEST(SupportChild, DISABLED_Linger) {
    Sleep(60000);
}

TEST(ChildRun, RunsUnderTheChosenVersionAndLanguage) {
    struct Case {
        const char* version;
        const char* locale;
        const char* expected;
    } cases[] = {
        {"win98", "", "system: 4.10.2222 platform 1"},
        {"winxp", "", "system: 5.1.2600 platform 2"},
        {"", "de_CH.UTF-8", "language 0807"},
        {"win95", "zh_SG.UTF-8", "system: 4.0.950 platform 1 language 1004"},
    };
    for (const Case& c : cases) {
        ChildOptions options;
        options.windowsVersion = c.version;
        options.locale = c.locale;
        options.environment = {{"SUPPORT_EXTRA", "passed"}};
        ChildResult result = RunTestInChild("SupportChild.DISABLED_ReportSystem", options);
        ASSERT_TRUE(result.finished) << c.version << " " << c.locale;
        EXPECT_EQ(0u, result.exitCode) << result.output;
        EXPECT_NE(std::string::npos, result.output.find(c.expected)) << result.output;
        EXPECT_NE(std::string::npos, result.output.find("extra: passed")) << result.output;
    }
}

TEST(ChildRun, LeavesNoVersionSetting) {
    ChildOptions options;
    options.windowsVersion = "win2k";
    ASSERT_TRUE(RunTestInChild("SupportChild.DISABLED_ReportSystem", options).finished);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults", 0, KEY_READ, &key));
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        EXPECT_EQ(nullptr, strstr(name, "-win2k-")) << name;
    }
    RegCloseKey(key);
}

TEST(ChildRun, EndsAChildAtTheTimeout) {
    for (const char* locale : {"", "en_US.UTF-8"}) {
        ChildOptions options;
        options.timeoutSeconds = 1;
        options.locale = locale;
        EXPECT_FALSE(RunTestInChild("SupportChild.DISABLED_Linger", options).finished) << locale;
    }
}

TEST(TempFolder, RemovesItsTree) {
    std::string path;
    {
        CTempFolder folder;
        path = folder.Path();
        std::string file = folder.Write("a\\b\\c.txt", "text");
        EXPECT_EQ("text", ReadFileText(file));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}

TEST(RegKeyGuard, DeletesTheTreeBeforeAndAfter) {
    const char path[] = "Software\\TestSupport\\Guard";
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TestSupport\\Guard\\Old", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);
    {
        CRegKeyGuard guard(HKEY_CURRENT_USER, path);
        EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TestSupport\\Guard\\New", 0,
                                  nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);
    }
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key));
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\TestSupport");
}

TEST(TestEnv, MapsHostPathsToDriveZ) {
    EXPECT_EQ("Z:\\work\\main\\medium", WindowsPath("/work/main/medium"));
    EXPECT_EQ("C:\\x", WindowsPath("C:\\x"));
}
