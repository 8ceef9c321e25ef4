// The progress window and its timer sequence, run modally on the test's thread while a driver
// thread acts as a user: the four captions in turn, the step label, keys that must change nothing,
// phase 2 only after a poll has found the worker ended, and the install log closed with the window.
#include "EngineFixture.h"
#include "common/App.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include "setup/resources/resource.h"
#include "setup/wizard/ProgressDialog.h"
#include "setup/wizard/ProgressWindow.h"
#include "tools/uidriver/UiDriver.h"
#include <chrono>
#include <stdio.h>
#include <thread>

namespace {

struct TimerEvent {
    UINT_PTR id;
    int phaseBefore;
    LONG workerBefore;
    int phaseAfter;
    std::string caption;
    bool barVisible;
    bool labelVisible;
    bool animationVisible;
    DWORD handledMs; // time the handler took
    DWORD atMs;      // when it was handled, from the first timer message
};

// The progress window with every timer message recorded after the window has handled it.
class CRecordingProgress : public CProgressDialog {
  public:
    std::vector<TimerEvent> events;
    uidriver::LabelFont labelFont;
    COLORREF labelColour = 0;

  protected:
    void OnTimer(UINT_PTR id) override {
        TimerEvent event = {id, Phase(), workerRunning, 0, "", false, false, false, 0, 0};
        DWORD before = GetTickCount();
        CProgressDialog::OnTimer(id);
        event.handledMs = GetTickCount() - before;
        if (events.empty())
            m_firstTick = before;
        event.atMs = before - m_firstTick;
        event.phaseAfter = Phase();
        event.caption = uidriver::Text(m_hWnd);
        event.barVisible = uidriver::IsVisible(Item(IDC_PROGRESS_BAR));
        event.labelVisible = uidriver::IsVisible(Item(IDC_PROGRESS_TEXT));
        event.animationVisible = uidriver::IsVisible(Item(IDC_PROGRESS_ANIMATION));
        if (event.phaseBefore == 3 && id == 3) {
            uidriver::ReadLabelFont(Item(IDC_PROGRESS_TEXT), labelFont);
            uidriver::ReadLabelTextColour(Item(IDC_PROGRESS_TEXT), labelColour);
        }
        events.push_back(event);
    }

  private:
    DWORD m_firstTick = 0;
};

class EngineProgress : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        theApp.SetInstance(GetModuleHandleA(nullptr));
        SetMessage(MSG_301, "Copying files");
        SetMessage(MSG_302, "Writing registry records");
        SetMessage(MSG_303, "Never shown");
        SetMessage(MSG_304, "Creating shortcuts");
        SetMessage(MSG_306, "Registering the uninstaller");
    }
    void TearDown() override {
        theApp.SetInstance(nullptr);
        EngineTest::TearDown();
    }
};

} // namespace

TEST_F(EngineProgress, RunsTheFourPhasesInTurnAfterThePoll) {
    CopyHelper("SETUP16.EXE");
    SetWindows("win98");
    SetEnvironmentVariableA("SETUP_HELPER_DELAYMS", "2000");
    INT_PTR result = 0;
    std::vector<TimerEvent> events;
    uidriver::LabelFont font;
    COLORREF colour = 0;
    auto started = std::chrono::steady_clock::now();
    {
        CRecordingProgress dialog;
        result = dialog.DoModal();
        events = dialog.events;
        font = dialog.labelFont;
        colour = dialog.labelColour;
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    SetEnvironmentVariableA("SETUP_HELPER_DELAYMS", nullptr);
    printf("progress window with a 2.0 s helper: %.2f s\n", seconds);
    for (const TimerEvent& event : events)
        printf("  timer %3u at %5lu ms, phase %d -> %d, handled in %lu ms\n",
               static_cast<unsigned>(event.id), event.atMs, event.phaseBefore, event.phaseAfter,
               event.handledMs);
    EXPECT_EQ(IDOK, result);

    std::vector<std::string> captions;
    for (const TimerEvent& event : events) {
        if (captions.empty() || captions.back() != event.caption)
            captions.push_back(event.caption);
        EXPECT_FALSE(event.barVisible);
        EXPECT_EQ(event.phaseAfter >= 3 || event.phaseBefore == 4, event.labelVisible);
        EXPECT_EQ(event.phaseAfter < 3 && event.phaseBefore < 2, event.animationVisible);
    }
    std::vector<std::string> expected = {"Copying files", "Writing registry records",
                                         "Creating shortcuts", "Registering the uninstaller"};
    EXPECT_EQ(expected, captions);

    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(1u, events[0].id);
    size_t polls = 0;
    size_t second = 0;
    for (size_t i = 1; i < events.size() && !second; ++i) {
        if (events[i].id == 100) {
            ++polls;
            EXPECT_EQ(events[i].workerBefore == 0 ? 2 : 1, events[i].phaseAfter);
            if (events[i].phaseAfter == 2)
                second = i;
        }
    }
    EXPECT_GE(polls, 2u) << "a poll found the worker still running";
    ASSERT_GT(second, 0u);
    std::vector<std::pair<UINT_PTR, int>> rest;
    for (size_t i = second + 1; i < events.size(); ++i)
        rest.push_back({events[i].id, events[i].phaseAfter});
    std::vector<std::pair<UINT_PTR, int>> expectedRest = {{2, 3}, {3, 4}, {4, 4}};
    EXPECT_EQ(expectedRest, rest);

    EXPECT_EQ(700, font.weight);
    HDC screen = GetDC(nullptr);
    double pixels = 11.0 * GetDeviceCaps(screen, LOGPIXELSY) / 72;
    ReleaseDC(nullptr, screen);
    EXPECT_NEAR(-pixels, font.height, 1.0);
    EXPECT_EQ(RGB(0, 0, 255), colour);
}

TEST_F(EngineProgress, EnterEscapeAndCloseChangeNothing) {
    std::thread user([] {
        uidriver::WindowQuery query;
        query.caption = "Copying files";
        query.processId = GetCurrentProcessId();
        HWND window = uidriver::WaitForWindow(query);
        if (!window)
            return;
        uidriver::PressKey(window, VK_RETURN);
        uidriver::PressKey(window, VK_ESCAPE);
        uidriver::CloseBySystemMenu(window);
        uidriver::PressKeyOnFocus(window, VK_ESCAPE);
    });
    auto started = std::chrono::steady_clock::now();
    int result = RunProgressWindow(nullptr);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    user.join();
    printf("one installation through the progress window: %.2f s (timers: 4.52 s)\n", seconds);
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(InstallLog.IsOpen());
    std::vector<LoggedItem> log = Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(LoggedItem({LOG_UNINSTALL_KEY, std::string(kUninstallRoot) + "\\" + kProduct}),
              log.back());
    std::string value;
    EXPECT_TRUE(ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", value));
}

TEST_F(EngineProgress, DestroyingTheWindowObjectClosesTheLog) {
    ASSERT_TRUE(InstallLog.Open(m_temp.File("purgekit.log").c_str()));
    { CProgressDialog dialog; }
    EXPECT_FALSE(InstallLog.IsOpen());
    { CProgressDialog dialog; }
    EXPECT_FALSE(InstallLog.IsOpen());
}
