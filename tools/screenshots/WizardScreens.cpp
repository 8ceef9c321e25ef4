// Screenshot tool (not part of the deliverables): runs the wizard on a medium and, at every page
// and at the exit question, asks the calling script to photograph the screen.
// Usage: wizard_screens.exe <medium folder> <output folder>
// For a picture NAME it creates NAME.request in the output folder and waits for NAME.done.
#include "common/App.h"
#include "setup/resources/resource.h"
#include "tools/uidriver/UiDriver.h"
#include <windows.h>
#include <stdio.h>
#include <string>
#include <thread>

extern "C" int32_t WINAPI DOINSTALL(const char* mediaFolder);

namespace {

const DWORD kShotTimeoutMs = 30000;
// Time for a page to finish painting after its title has appeared.
const DWORD kPaintMs = 500;
const int kEnglishRow = 4;

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class CPhotographer {
  public:
    explicit CPhotographer(const std::string& folder) : m_folder(folder) {}

    bool Shoot(const char* name) const {
        Sleep(kPaintMs);
        std::string request = m_folder + "\\" + name + ".request";
        std::string done = m_folder + "\\" + name + ".done";
        HANDLE file =
            CreateFileA(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(file);
        bool taken = uidriver::WaitUntil([&] { return FileExists(done); }, kShotTimeoutMs);
        printf("%s: %s\n", name, taken ? "taken" : "not taken");
        return taken;
    }

  private:
    std::string m_folder;
};

std::string PageTitle(HWND frame) {
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (uidriver::ClassName(child) == "#32770" && uidriver::IsVisible(child))
            return uidriver::Text(GetDlgItem(child, IDC_TITLE));
    }
    return "";
}

// Clicks Next and waits for the next page's title.
void Next(HWND frame) {
    std::string before = PageTitle(frame);
    uidriver::Click(GetDlgItem(frame, IDC_NEXT));
    uidriver::WaitUntil([&] { return PageTitle(frame) != before; });
}

HWND WaitForQuestion(DWORD thread) {
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.threadId = thread;
    query.itemId = IDCANCEL;
    return uidriver::WaitForWindow(query);
}

void Drive(DWORD uiThread, const CPhotographer& camera) {
    uidriver::WindowQuery query;
    query.className = "#32770";
    query.threadId = uiThread;
    query.itemId = IDC_NEXT;
    HWND frame = uidriver::WaitForWindow(query);
    if (frame == nullptr)
        return;
    HWND background = GetWindow(frame, GW_OWNER);
    camera.Shoot("1-language");
    std::string title = PageTitle(frame);
    uidriver::SelectListRow(uidriver::FindItem(frame, IDC_LIST), kEnglishRow);
    uidriver::WaitUntil([&] { return PageTitle(frame) != title; });
    camera.Shoot("2-language-english");
    const char* const pages[] = {"3-welcome", "4-destination", "5-program-folder", "6-ready"};
    for (const char* page : pages) {
        Next(frame);
        camera.Shoot(page);
    }
    uidriver::Click(GetDlgItem(frame, IDC_CANCEL_WIZARD));
    HWND question = WaitForQuestion(uiThread);
    if (question != nullptr) {
        camera.Shoot("7-exit-confirmation");
        uidriver::Click(GetDlgItem(question, IDCANCEL));
    }
    if (!uidriver::WaitForGone(background))
        uidriver::CloseBySystemMenu(background);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: wizard_screens <medium folder> <output folder>\n");
        return 2;
    }
    theApp.SetInstance(GetModuleHandleA(nullptr));
    CPhotographer camera(argv[2]);
    DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] { Drive(uiThread, camera); });
    int result = DOINSTALL(argv[1]);
    driver.join();
    printf("DOINSTALL answered %d\n", result);
    return result == 2 ? 0 : 1;
}
