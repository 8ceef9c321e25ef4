// Replaying the install log into the uninstaller's own dialog template: every record acted on in
// file order, each kind's label shown with its first record, foreign bytes passed over, records
// that name nothing safely skipped, and the stop message when the log cannot be read.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "common/App.h"
#include "purgekit/RemovalEngine.h"
#include "purgekit/RemovalState.h"
#include "purgekit/resource.h"
#include "tools/uidriver/UiDriver.h"
#include <gtest/gtest.h>
#include <functional>
#include <thread>

namespace {
const char kRunKey[] = "Software\\Microsoft\\windows\\CurrentVersion\\Run";
const char kUninstallKey[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall";
const int kLabels[] = {IDC_FILES_LABEL, IDC_FOLDERS_LABEL, IDC_STARTUP_LABEL,
                       IDC_PROGRAM_FOLDER_LABEL, IDC_REGISTRY_LABEL};

// The uninstaller's dialog template, created modelessly with a procedure that does nothing, whose
// progress labels tell when they are first shown and what the machine looked like then.
class CWalkWindow {
  public:
    explicit CWalkWindow(std::function<std::string()> snapshot) : m_snapshot(snapshot) {
        theApp.SetInstance(GetModuleHandleA(nullptr));
        m_window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REMOVAL),
                                      nullptr, Procedure, 0);
        SetWindowTextA(m_window, "Walk test");
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        for (int id : kLabels) {
            HWND label = GetDlgItem(m_window, id);
            m_oldProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelProcedure)));
        }
    }
    ~CWalkWindow() { DestroyWindow(m_window); }
    CWalkWindow(const CWalkWindow&) = delete;
    CWalkWindow& operator=(const CWalkWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Label id and the snapshot taken when it was first shown, in order.
    const std::vector<std::pair<int, std::string>>& Shown() const { return m_shown; }
    bool AnyLabelVisible() const {
        for (int id : kLabels)
            if (IsWindowVisible(GetDlgItem(m_window, id)))
                return true;
        return false;
    }

  private:
    static INT_PTR CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    static LRESULT CALLBACK LabelProcedure(HWND label, UINT msg, WPARAM wParam, LPARAM lParam) {
        CWalkWindow* self =
            reinterpret_cast<CWalkWindow*>(GetWindowLongPtrA(GetParent(label), GWLP_USERDATA));
        if (msg == WM_SHOWWINDOW && wParam)
            self->m_shown.emplace_back(GetDlgCtrlID(label), self->m_snapshot());
        return CallWindowProcA(self->m_oldProc, label, msg, wParam, lParam);
    }

    std::function<std::string()> m_snapshot;
    HWND m_window = nullptr;
    WNDPROC m_oldProc = nullptr;
    std::vector<std::pair<int, std::string>> m_shown;
};

// The startup values that the end of the walk deletes, written for a test and removed after it.
class CStartupValues {
  public:
    CStartupValues() {
        WriteRegText(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU", "C:\\x\\glider9k.exe");
        WriteRegText(HKEY_LOCAL_MACHINE, kRunKey, "HALCYONKB", "C:\\x\\kb.exe");
        WriteRegText(HKEY_LOCAL_MACHINE, kRunKey, "PurgekitWalkValue", "C:\\x\\other.exe");
    }
    ~CStartupValues() {
        HKEY run;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &run) != ERROR_SUCCESS)
            return;
        for (const char* name : {"RERODUDEDARADU", "HALCYONKB", "PurgekitWalkValue"})
            RegDeleteValueA(run, name);
        RegCloseKey(run);
    }
    CStartupValues(const CStartupValues&) = delete;
    CStartupValues& operator=(const CStartupValues&) = delete;
    static bool Present(const char* name) {
        return RegValueExists(HKEY_LOCAL_MACHINE, kRunKey, name);
    }
};
} // namespace

TEST(PurgekitWalk, ReplaysTheLogInFileOrderShowingEachKindWithItsFirstRecord) {
    CRemovalStateGuard state;
    CStartupValues startup;
    CTempFolder install;
    CTempFolder menu;
    std::string entry = std::string(kUninstallKey) + "\\Purgekit Walk Test";
    CRegKeyGuard entryGuard(HKEY_LOCAL_MACHINE, entry);
    ASSERT_TRUE(WriteRegText(HKEY_LOCAL_MACHINE, entry, "DisplayName", "Purgekit Walk Test"));
    std::string a = install.Write("a.exe", "a");
    install.Write("purgekit.exe", "p");
    std::string icon = install.Write("RES\\notify.ico", "i");
    std::string link = menu.Write("Tool\\Tool.lnk", "l");
    std::string log = install.File("purgekit.log");
    install.Write("purgekit.log", LogBytes({{0xFF, a},
                                            {0xFF, icon},
                                            {0xFE, install.File("RES")},
                                            {0xFF, log},
                                            {0xFE, install.Path()},
                                            {0xFD, "PurgekitWalkValue"},
                                            {0xFB, link},
                                            {0xFC, menu.File("Tool")},
                                            {0xFA, entry}}));
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(install.Path().c_str());
    auto snapshot = [&] {
        return std::string(FileExists(a) ? "a" : "-") + (FileExists(icon) ? "i" : "-") +
               (FolderExists(install.File("RES")) ? "R" : "-") +
               (CStartupValues::Present("PurgekitWalkValue") ? "v" : "-") +
               (FileExists(link) ? "l" : "-") + (FolderExists(menu.File("Tool")) ? "T" : "-") +
               (RegKeyExists(HKEY_LOCAL_MACHINE, entry) ? "k" : "-");
    };
    CWalkWindow window(snapshot);
    ASSERT_NE(nullptr, window.Handle());
    ASSERT_EQ("aiRvlTk", snapshot());

    EXPECT_TRUE(RunRemoval(window.Handle()));

    std::vector<std::pair<int, std::string>> expected = {
        {IDC_FILES_LABEL, "-iRvlTk"},    {IDC_FOLDERS_LABEL, "---vlTk"},
        {IDC_STARTUP_LABEL, "----lTk"},  {IDC_PROGRAM_FOLDER_LABEL, "------k"},
        {IDC_REGISTRY_LABEL, "-------"},
    };
    EXPECT_EQ(expected, window.Shown());
    EXPECT_FALSE(FileExists(log));
    EXPECT_TRUE(FolderExists(install.Path())) << "purgekit.exe has no record";
    EXPECT_FALSE(CStartupValues::Present("RERODUDEDARADU"));
    EXPECT_FALSE(CStartupValues::Present("HALCYONKB"));
}

TEST(PurgekitWalk, ForeignBytesSkipToTheNextZeroAndALastTextNeedsNoZero) {
    CRemovalStateGuard state;
    CStartupValues startup;
    CTempFolder install;
    std::string kept = install.Write("kept.dll", "k");
    std::string next = install.Write("next.dll", "n");
    std::string last = install.Write("last.dll", "l");
    std::string bytes =
        "\x41" + kept + '\0' + "\xF9" + kept + '\0' + LogBytes({{0xFF, next}}) + "\xFF" + last;
    install.Write("purgekit.log", bytes);
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(install.Path().c_str());
    CWalkWindow window([] { return std::string(); });

    EXPECT_TRUE(RunRemoval(window.Handle()));
    EXPECT_TRUE(FileExists(kept));
    EXPECT_FALSE(FileExists(next));
    EXPECT_FALSE(FileExists(last));
    ASSERT_EQ(1u, window.Shown().size());
    EXPECT_EQ(IDC_FILES_LABEL, window.Shown()[0].first);
}

TEST(PurgekitWalk, AnEmptyLogStillDeletesTheStartupValues) {
    CRemovalStateGuard state;
    CStartupValues startup;
    CTempFolder install;
    install.Write("purgekit.log", "");
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(install.Path().c_str());
    CWalkWindow window([] { return std::string(); });

    EXPECT_TRUE(RunRemoval(window.Handle()));
    EXPECT_TRUE(window.Shown().empty());
    EXPECT_FALSE(CStartupValues::Present("RERODUDEDARADU"));
    EXPECT_FALSE(CStartupValues::Present("HALCYONKB"));
    EXPECT_TRUE(CStartupValues::Present("PurgekitWalkValue"));
}

TEST(PurgekitWalk, RecordsThatNameNothingOfTheProductAreSkipped) {
    CRemovalStateGuard state;
    CTempFolder install;
    std::string victim = install.Write("victim.txt", "v");
    std::string tooLong = victim + "\\" + std::string(300 - victim.size(), 'x');
    CRegKeyGuard outside(HKEY_LOCAL_MACHINE, "Software\\PurgekitWalkOutside");
    ASSERT_TRUE(WriteRegText(HKEY_LOCAL_MACHINE, "Software\\PurgekitWalkOutside", "x", "y"));
    std::string cutToVictim = std::string(tooLong.c_str(), 259);
    install.Write("purgekit.log", LogBytes({{0xFF, tooLong},
                                            {0xFF, ""},
                                            {0xFA, "Software\\PurgekitWalkOutside"},
                                            {0xFA, std::string(kUninstallKey) + "\\"},
                                            {0xFA, ""}}));
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(install.Path().c_str());
    CWalkWindow window([] { return std::string(); });

    EXPECT_TRUE(RunRemoval(window.Handle()));
    EXPECT_TRUE(FileExists(victim));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, "Software\\PurgekitWalkOutside"));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

namespace {
// Runs RunRemoval without a readable log and answers the stop message's text (wide, as shown)
// and whether the walk reported it, closing the message box as a user would.
std::wstring StopMessage(bool lockTheLog, bool& ran) {
    CTempFolder install;
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (lockTheLog) {
        install.Write("purgekit.log", LogBytes({{0xFF, install.File("x")}}));
        lock = CreateFileA(install.File("purgekit.log").c_str(), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(install.Path().c_str());
    CWalkWindow window([] { return std::string(); });
    std::wstring text;
    std::thread user([&] {
        uidriver::WindowQuery query;
        query.className = "#32770";
        query.caption = "Walk test";
        query.owner = window.Handle();
        HWND box = uidriver::WaitForWindow(query);
        wchar_t shown[256] = L"";
        GetWindowTextW(GetDlgItem(box, 0xFFFF), shown, 256);
        text = shown;
        uidriver::PressKey(box, VK_RETURN);
        if (box && !uidriver::WaitForGone(box, 5000))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ran = RunRemoval(window.Handle());
    user.join();
    EXPECT_FALSE(window.AnyLabelVisible());
    if (lock != INVALID_HANDLE_VALUE)
        CloseHandle(lock);
    return text;
}
} // namespace

// Run in a child under the Traditional Chinese code page, where the texts read as they are meant.
TEST(PurgekitWalk, DISABLED_StopMessageInChild) {
    CRemovalStateGuard state;
    CStartupValues startup;
    bool ran = true;
    EXPECT_EQ(L"\x6C92\x6709\x627E\x5230 purgekit.log .", StopMessage(false, ran));
    EXPECT_FALSE(ran);
    EXPECT_EQ(L"\x5B58\x53D6 purgekit.log \x906D\x53D7\x62D2\x7D55.", StopMessage(true, ran));
    EXPECT_FALSE(ran);
    EXPECT_TRUE(CStartupValues::Present("RERODUDEDARADU"));
}

TEST(PurgekitWalk, AnUnreadableLogStopsWithTheFileErrorMessage) {
    ChildOptions options;
    options.locale = "zh_TW.UTF-8";
    ChildResult result = RunTestInChild("PurgekitWalk.DISABLED_StopMessageInChild", options);
    EXPECT_TRUE(RanAndPassed(result)) << result.output;
}
