// The wizard test runner: DOINSTALL on this thread, the driver on another, clean-up of leftovers.
#include "WizardRun.h"
#include "common/App.h"
#include "setup/core/SetupState.h"
#include "setup/wizard/WizardFrame.h"
#include "support/TestEnv.h"
#include <gtest/gtest.h>
#include <thread>

extern "C" int32_t WINAPI DOINSTALL(const char* mediaFolder);

namespace {

const int kNextId = 1002;
const int kLeaveButtonId = IDCANCEL;
const UINT kSettleMessage = WM_APP + 1;
const UINT kRunMessage = WM_APP + 2;

// A window on the wizard's thread that records the last marker it received: posted messages of
// a thread are handled in order, so once a marker arrives, everything posted before it is done.
HWND settleWindow = nullptr;
volatile LONG settledMarker = 0;
LONG postedMarker = 0;

LRESULT CALLBACK SettleProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRunMessage)
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
    else if (msg != kSettleMessage)
        return DefWindowProcA(window, msg, wParam, lParam);
    InterlockedExchange(&settledMarker, (LONG)wParam);
    return 0;
}

// Posts a marker (with work for the wizard's thread, or none) behind everything posted so far.
LONG PostMarker(UINT msg, const std::function<void()>* work) {
    LONG marker = InterlockedIncrement(&postedMarker);
    PostMessageA(settleWindow, msg, (WPARAM)marker, reinterpret_cast<LPARAM>(work));
    return marker;
}

HWND MakeSettleWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SettleProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WizardTestSettle";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "WizardTestSettle", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

bool IsVisibleDialogChild(HWND window) {
    return uidriver::ClassName(window) == "#32770" && uidriver::IsVisible(window);
}

HWND FindFrame(DWORD uiThread) {
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.threadId = uiThread;
    query.itemId = kNextId;
    return uidriver::WaitForWindow(query);
}

HWND FindQuestion(DWORD uiThread) {
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.threadId = uiThread;
    query.itemId = kLeaveButtonId;
    return uidriver::FindTopWindow(query);
}

void CloseLeftovers(DWORD uiThread, HWND background) {
    for (int attempt = 0; attempt < 20 && IsWindow(background); ++attempt) {
        HWND question = FindQuestion(uiThread);
        if (question != nullptr) {
            uidriver::Click(GetDlgItem(question, kLeaveButtonId));
            uidriver::WaitForGone(question, 2000);
            continue;
        }
        uidriver::CloseBySystemMenu(background);
        uidriver::WaitForGone(background, 2000);
    }
}

} // namespace

CMediumTexts::CMediumTexts(const std::string& medium, const std::string& languageCode)
    : m_file(medium + "\\is-00001\\setuplan." + languageCode) {}

std::string CMediumTexts::Read(const char* section, const char* key) const {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, m_file.c_str());
    return buffer;
}

std::string CMediumTexts::Msg(const char* key) const {
    return Read("MSG", key);
}
std::string CMediumTexts::Dlg(const char* key) const {
    return Read("DLG", key);
}

HWND CWizard::Page() const {
    for (HWND child = GetWindow(m_frame, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsVisibleDialogChild(child))
            return child;
    }
    return nullptr;
}

HWND CWizard::Item(int id) const {
    HWND page = Page();
    HWND item = page != nullptr ? GetDlgItem(page, id) : nullptr;
    return item != nullptr ? item : FrameItem(id);
}

std::string CWizard::PageTitle() const {
    HWND page = Page();
    return page != nullptr ? uidriver::Text(GetDlgItem(page, 1000)) : "";
}

int CWizard::Step() const {
    Settle();
    return setupState.wizardFrame != nullptr ? setupState.wizardFrame->Step() : -1;
}

void CWizard::Click(int id) const {
    EXPECT_TRUE(uidriver::Click(FrameItem(id))) << "button " << id;
    Settle();
}

void CWizard::Press(HWND target, WORD vk) const {
    EXPECT_TRUE(uidriver::PressKey(target, vk));
    Settle();
}

void CWizard::Settle() const {
    LONG marker = PostMarker(kSettleMessage, nullptr);
    uidriver::WaitUntil([marker] { return settledMarker == marker; });
}

void CWizard::OnUiThread(const std::function<void()>& work) const {
    LONG marker = PostMarker(kRunMessage, &work);
    uidriver::WaitUntil([marker] { return settledMarker == marker; });
}

void CWizard::QueueOnUiThread(const std::function<void()>& work) const {
    PostMarker(kRunMessage, &work);
}

void CWizard::Focus(HWND window) const {
    OnUiThread([window] { SetFocus(window); });
}

HWND CWizard::Question() const {
    return FindQuestion(GetWindowThreadProcessId(m_frame, nullptr));
}

HWND CWizard::WaitForQuestion() const {
    HWND question = nullptr;
    uidriver::WaitUntil([&] { return (question = Question()) != nullptr; });
    return question;
}

std::string SampleMedium() {
    std::string medium = EnvPath("MEDIUM_DIR");
    EXPECT_FALSE(medium.empty()) << "MEDIUM_DIR names no sample medium";
    return medium;
}

int RunWizard(const std::string& medium, const std::function<void(CWizard&)>& drive) {
    theApp.SetInstance(GetModuleHandleA(nullptr));
    setupState.languageIndex = 6;
    setupState.targetFolder[0] = '\0';
    DWORD uiThread = GetCurrentThreadId();
    if (settleWindow == nullptr)
        settleWindow = MakeSettleWindow();
    std::thread driver([&] {
        HWND frame = FindFrame(uiThread);
        EXPECT_NE(nullptr, frame) << "the wizard frame did not appear";
        if (frame == nullptr)
            return;
        HWND background = GetWindow(frame, GW_OWNER);
        uidriver::WaitUntil([&] { return uidriver::IsVisible(frame); });
        CWizard wizard(background, frame);
        wizard.Settle();
        drive(wizard);
        CloseLeftovers(uiThread, background);
    });
    int result = DOINSTALL(medium.c_str());
    driver.join();
    return result;
}
