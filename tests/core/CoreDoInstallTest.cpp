// DOINSTALL through the real Setup.dll: twice in one process, with a long or missing medium, and
// through the launcher. Setup's top-level window, once there is one, is closed as a user would
// close it, which ends the run with 2.
#include "setup/core/SetupState.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

typedef int32_t(WINAPI* InstallEntry)(const char* mediaFolder);

} // namespace

// The export itself, linked into this program with the rest of Setup's code.
extern "C" int32_t WINAPI DOINSTALL(const char* mediaFolder);

namespace {

const char kCaption[] = "Core test setup";

// Closes the visible top-level windows without owner (Setup's background window) of a thread
// or process, and records their captions.
struct WindowCloser {
    DWORD threadId = 0;
    DWORD processId = 0;
    std::vector<std::string> captions;

    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        WindowCloser& closer = *reinterpret_cast<WindowCloser*>(self);
        DWORD processId = 0;
        DWORD threadId = GetWindowThreadProcessId(window, &processId);
        bool ours = closer.threadId ? threadId == closer.threadId : processId == closer.processId;
        if (ours && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
            char caption[256] = "";
            GetWindowTextA(window, caption, sizeof caption);
            if (closer.captions.empty() || closer.captions.back() != caption)
                closer.captions.push_back(caption);
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return TRUE;
    }
    void CloseAll() { EnumWindows(Visit, reinterpret_cast<LPARAM>(this)); }
};

struct InstallRun {
    InstallEntry install;
    std::string medium;
    int32_t result;
};

DWORD WINAPI RunInstall(void* parameter) {
    InstallRun& run = *static_cast<InstallRun*>(parameter);
    run.result = run.install(run.medium.c_str());
    return 0;
}

// Calls DOINSTALL on a thread of its own, closing its windows, and answers its result.
int32_t CallInstall(InstallEntry install, const std::string& medium, WindowCloser& closer) {
    InstallRun run = {install, medium, -1};
    HANDLE thread = CreateThread(nullptr, 0, RunInstall, &run, 0, &closer.threadId);
    EXPECT_NE(nullptr, thread);
    if (!thread)
        return -1;
    DWORD waited = 0;
    while (WaitForSingleObject(thread, 100) == WAIT_TIMEOUT && waited < 60000) {
        waited += 100;
        closer.CloseAll();
    }
    EXPECT_LT(waited, 60000u) << "DOINSTALL did not return";
    CloseHandle(thread);
    return run.result;
}

// What a run answers: 2 once it has shown a window that was closed, 0 while none is shown.
int32_t Expected(const WindowCloser& closer) {
    return closer.captions.empty() ? 0 : 2;
}

void WriteMedium(const CTempFolder& medium) {
    std::string texts = "[MSG]\r\n10=" + std::string(kCaption) + "\r\n";
    for (const char* code : {"chs", "cht", "deu", "nld", "enu", "FIN", "fra", "ita", "esp"})
        medium.Write(std::string("is-00001\\setuplan.") + code, texts);
    medium.Write("setupm.ini", "[Product]\r\nProduct=Core test\r\nKey=CoreTest\r\n"
                               "[Target]\r\nDir=Core Test\r\n");
}

class CoreDoInstallTest : public ::testing::Test {
  protected:
    CoreDoInstallTest() { WriteMedium(m_medium); }

    CTempFolder m_medium;
};

bool TextsAbsent() {
    for (const char* text : setupState.texts.msg)
        if (text)
            return false;
    for (const char* text : setupState.texts.dlg)
        if (text)
            return false;
    return !setupState.config.productName && !setupState.config.targetDir &&
           !setupState.config.uninstallKey;
}

void PrintState(int run) {
    printf("after run %d: language %d %s, texts %s, source %s, target ends %s\n", run,
           setupState.languageIndex, setupState.languageCode ? setupState.languageCode : "(none)",
           TextsAbsent() ? "absent" : "present", setupState.sourceFolder,
           strstr(setupState.targetFolder, "\\Core Test") ? "Core Test" : setupState.targetFolder);
}

// Run in a child only: two runs of the linked DOINSTALL in one process; between them the
// language is left at English, as a language switch in the first run would leave it.
TEST(CoreDoInstallChild, DISABLED_TwoRuns) {
    CTempFolder medium;
    WriteMedium(medium);
    for (int run = 1; run <= 2; ++run) {
        WindowCloser closer;
        int32_t result = CallInstall(DOINSTALL, medium.Path(), closer);
        printf("run %d answered %s\n", run, result == Expected(closer) ? "as expected" : "wrongly");
        EXPECT_EQ(medium.Path(), setupState.sourceFolder);
        PrintState(run);
        setupState.languageIndex = 4;
    }
}

TEST_F(CoreDoInstallTest, TwiceInOneProcess) {
    std::string dll = EnvPath("SETUP_DLL");
    HMODULE setup = LoadLibraryA(dll.c_str());
    ASSERT_NE(nullptr, setup) << dll;
    InstallEntry install =
        reinterpret_cast<InstallEntry>(reinterpret_cast<void*>(GetProcAddress(setup, "DOINSTALL")));
    ASSERT_NE(nullptr, install);
    for (int run = 0; run < 2; ++run) {
        WindowCloser closer;
        EXPECT_EQ(Expected(closer), CallInstall(install, m_medium.Path(), closer)) << run;
        for (const std::string& caption : closer.captions)
            EXPECT_EQ(kCaption, caption) << "run " << run;
    }
    // A missing medium and one beyond the path size are no errors either.
    for (const std::string& medium : {m_medium.File("missing"), std::string(400, 'm')}) {
        WindowCloser closer;
        EXPECT_EQ(Expected(closer), CallInstall(install, medium, closer)) << medium.size();
    }
    FreeLibrary(setup);
}

TEST_F(CoreDoInstallTest, LauncherPrintsAndExitsWithTheResult) {
    WindowCloser closer;
    ChildOptions options;
    options.arguments = {EnvPath("SETUP_DLL"), m_medium.Path()};
    options.whilePolling = [&closer](DWORD processId) {
        closer.processId = processId;
        closer.CloseAll();
    };
    ChildResult result = RunChild(EnvPath("LAUNCHER"), options);
    ASSERT_TRUE(result.finished) << result.output;
    int32_t expected = Expected(closer);
    EXPECT_EQ(static_cast<DWORD>(expected), result.exitCode);
    EXPECT_NE(std::string::npos,
              result.output.find("DOINSTALL returned " + std::to_string(expected)))
        << result.output;
}

TEST(CoreDoInstall, StateLeftForTheNextRun) {
    struct Case {
        const char* locale;
        const char* first;
        const char* second;
    } cases[] = {
        {"en_US.UTF-8", "language 6 fra", "language 4 enu"},
        {"de_CH.UTF-8", "language 2 deu", "language 2 deu"},
    };
    for (const Case& c : cases) {
        ChildOptions options;
        options.locale = c.locale;
        ChildResult result = RunTestInChild("CoreDoInstallChild.DISABLED_TwoRuns", options);
        ASSERT_TRUE(result.finished) << result.output;
        EXPECT_EQ(0u, result.exitCode) << result.output;
        for (const char* line : {"run 1 answered as expected", "run 2 answered as expected"})
            EXPECT_NE(std::string::npos, result.output.find(line)) << result.output;
        std::string tail = ", texts absent, source ";
        EXPECT_NE(std::string::npos,
                  result.output.find("after run 1: " + std::string(c.first) + tail))
            << result.output;
        EXPECT_NE(std::string::npos,
                  result.output.find("after run 2: " + std::string(c.second) + tail))
            << result.output;
        size_t first = result.output.find("target ends Core Test");
        ASSERT_NE(std::string::npos, first) << result.output;
        EXPECT_NE(std::string::npos, result.output.find("target ends Core Test", first + 1))
            << result.output;
    }
}

TEST(CoreLauncher, RefusesAMissingLibrary) {
    ChildOptions options;
    options.arguments = {"Z:\\no\\such\\Setup.dll", "C:\\"};
    ChildResult result = RunChild(EnvPath("LAUNCHER"), options);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(1u, result.exitCode);
    EXPECT_NE(std::string::npos, result.output.find("cannot load")) << result.output;
}

} // namespace
