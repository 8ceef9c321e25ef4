// Ending the mouse utility: the running "glider9k.exe" stand-in is ended, titles match in any
// letter case and anywhere, untitled windows and this process's own windows never match, and one
// fragment ends only the first matching process.
#include "PurgekitFixture.h"
#include "purgekit/MouseUtility.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
// A program whose top-level window has appeared.
std::unique_ptr<CTestProcess> StartWindowProgram(const std::string& program,
                                                 const std::string& arguments) {
    std::unique_ptr<CTestProcess> process(new CTestProcess(
        program, "\"" + program + "\"" + (arguments.empty() ? "" : " ") + arguments));
    EXPECT_TRUE(process->Started()) << program;
    uidriver::WaitUntil([&] { return !WindowsOfProcess(process->Id()).empty(); });
    return process;
}

std::unique_ptr<CTestProcess> StartTitled(const std::string& title) {
    return StartWindowProgram(EnvPath("TEST_WINDOW_EXE"), title);
}
} // namespace

TEST(PurgekitMouseUtility, TheRunningUtilityIsEnded) {
    auto glider = StartWindowProgram(EnvPath("GLIDER_EXE"), "");
    ASSERT_TRUE(glider->Running());

    EXPECT_EQ(0, StopMouseUtility());

    EXPECT_TRUE(glider->WaitForEnd(5000));
}

TEST(PurgekitMouseUtility, TitlesMatchInAnyCaseAndUntitledWindowsNever) {
    auto mixed = StartTitled("my gLiDeR9k panel");
    auto zoom = StartTitled("qxrzoomwnd");
    auto form = StartTitled("xx GLIDER9KFORM");
    auto pelto = StartTitled("Pelto5");
    auto untitled = StartTitled("");
    auto unrelated = StartTitled("Glider 9k settings");

    StopMouseUtility();

    EXPECT_TRUE(mixed->WaitForEnd(5000));
    EXPECT_TRUE(zoom->WaitForEnd(5000));
    EXPECT_TRUE(form->WaitForEnd(5000));
    EXPECT_TRUE(pelto->WaitForEnd(5000));
    EXPECT_TRUE(untitled->Running());
    EXPECT_TRUE(unrelated->Running());
}

TEST(PurgekitMouseUtility, OwnWindowsNeverMatchAndOneFragmentEndsOneProcess) {
    HWND own = CreateWindowA("STATIC", "Glider9k uninstaller", WS_OVERLAPPED, 0, 0, 50, 20, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, own);
    auto other = StartTitled("QXRSmartWnd");
    auto first = StartTitled("Pelto5 one");
    auto second = StartTitled("Pelto5 two");

    StopMouseUtility();

    EXPECT_TRUE(other->WaitForEnd(5000));
    EXPECT_TRUE(IsWindow(own));
    first->WaitForEnd(1000);
    EXPECT_NE(first->Running(), second->Running()) << "exactly one of the two is ended";
    DestroyWindow(own);
}

TEST(PurgekitMouseUtility, FindWindowByTitleStopsAtTheFirstMatch) {
    auto target = StartTitled("some QXRZOOMWND window");
    HWND window = WindowsOfProcess(target->Id()).at(0);
    WindowSearch search = {nullptr, 0, "qxrZoomWnd"};
    EXPECT_FALSE(FindWindowByTitle(window, reinterpret_cast<LPARAM>(&search)));
    EXPECT_EQ(window, search.window);
    EXPECT_EQ(target->Id(), search.processId);
    EXPECT_STREQ("QXRZOOMWND", search.fragment);

    auto untitled = StartTitled("");
    WindowSearch none = {nullptr, 0, ""};
    EXPECT_TRUE(
        FindWindowByTitle(WindowsOfProcess(untitled->Id()).at(0), reinterpret_cast<LPARAM>(&none)));
    EXPECT_EQ(nullptr, none.window);
}
