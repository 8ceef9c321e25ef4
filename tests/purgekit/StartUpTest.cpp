// The start-up pieces against Wine's tokens and processes: the version class of each Windows
// version (children under Wine's version setting), privileges enabled and disabled, processes
// terminated by id.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "purgekit/OsVersion.h"
#include "purgekit/Privileges.h"
#include "purgekit/Processes.h"
#include "purgekit/RemovalState.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace {
bool PrivilegeEnabled(const char* name) {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    LUID id;
    LookupPrivilegeValueA(nullptr, name, &id);
    PRIVILEGE_SET set = {1, PRIVILEGE_SET_ALL_NECESSARY, {{id, 0}}};
    BOOL held = FALSE;
    PrivilegeCheck(token, &set, &held);
    CloseHandle(token);
    return held != FALSE;
}
} // namespace

// Run in a child under a Windows version; PURGEKIT_EXPECT_CLASS holds the expected class.
TEST(PurgekitStartUp, DISABLED_ClassInChild) {
    CRemovalStateGuard state;
    ClassifyWindows();
    EXPECT_EQ(atoi(getenv("PURGEKIT_EXPECT_CLASS")), removalState.osClass)
        << std::hex << GetVersion();
    EXPECT_EQ(0, EnableDebugPrivilege());
}

TEST(PurgekitStartUp, EachWindowsVersionHasItsClass) {
    struct Case {
        const char* version;
        OsClass osClass;
    } cases[] = {
        {"win95", V4_0}, {"win98", V4_Other}, {"winme", V4_90},          {"nt40", V4_0},
        {"win2k", V5_0}, {"winxp", V5_1},     {"win2003", Unclassified}, {"vista", Unclassified}};
    for (const Case& c : cases) {
        ChildOptions options;
        options.windowsVersion = c.version;
        options.environment.emplace_back("PURGEKIT_EXPECT_CLASS", std::to_string(c.osClass));
        ChildResult result = RunTestInChild("PurgekitStartUp.DISABLED_ClassInChild", options);
        EXPECT_TRUE(RanAndPassed(result)) << c.version << "\n" << result.output;
    }
}

TEST(PurgekitStartUp, SetTokenPrivilegeEnablesAndDisables) {
    HANDLE token = nullptr;
    ASSERT_TRUE(
        OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    bool before = PrivilegeEnabled(SE_SHUTDOWN_NAME);

    EXPECT_TRUE(SetTokenPrivilege(token, SE_SHUTDOWN_NAME, true));
    EXPECT_TRUE(PrivilegeEnabled(SE_SHUTDOWN_NAME));
    EXPECT_TRUE(SetTokenPrivilege(token, SE_SHUTDOWN_NAME, false));
    EXPECT_FALSE(PrivilegeEnabled(SE_SHUTDOWN_NAME));
    EXPECT_TRUE(EnableShutdownPrivilege());
    EXPECT_TRUE(PrivilegeEnabled(SE_SHUTDOWN_NAME));
    EXPECT_FALSE(SetTokenPrivilege(token, "SeNoSuchPrivilege", true));

    SetTokenPrivilege(token, SE_SHUTDOWN_NAME, before);
    CloseHandle(token);
}

TEST(PurgekitStartUp, TerminateProcessById) {
    std::string program = EnvPath("TEST_WINDOW_EXE");
    CTestProcess window(program, "\"" + program + "\" target");
    ASSERT_TRUE(window.Started());
    DWORD id = window.Id();

    EXPECT_EQ(0, TerminateProcessById(id, 0));
    EXPECT_TRUE(window.WaitForEnd(0)) << "ended within the wait";
    EXPECT_EQ(-1, TerminateProcessById(0, 0));
}
