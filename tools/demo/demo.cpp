// Scripted user for the main job (a tool, not part of the deliverables): runs DOINSTALL of a
// Setup.dll on a medium, clicks through the wizard to "restart later", then starts the installed
// uninstaller as Windows would, removes the product and reports what is left.
#include "tools/uidriver/UiDriver.h"
#include <windows.h>
#include <stdint.h>
#include <stdio.h>
#include <string>

namespace {

typedef int32_t(WINAPI* InstallEntry)(const char* mediaFolder);

const int kNext = 1002;
const int kFrameCancel = 1010;
const int kRestartLater = 1015;
const int kUninstallNext = 1012;
const int kUninstallFinish = 1013;
const int kUninstallRestartLater = 1004;
const DWORD kInstallTimeoutMs = 120000;

struct Script {
    DWORD uiThread;
    bool finished;
};

HWND FrameWindow(DWORD thread) {
    uidriver::WindowQuery query;
    query.threadId = thread;
    query.itemId = kNext;
    return uidriver::WaitForWindow(query);
}

// Presses Next and waits until the frame's caption names the next page.
bool NextPage(HWND frame) {
    std::string before = uidriver::Text(frame);
    HWND next = uidriver::FindItem(frame, kNext);
    if (!uidriver::WaitUntil([&] { return uidriver::IsEnabled(next); }) || !uidriver::Click(next))
        return false;
    return uidriver::WaitUntil([&] { return uidriver::Text(frame) != before; });
}

// The wizard as a user goes through it: language, welcome, destination, program folder, ready,
// then the finish page with "restart later".
DWORD WINAPI DriveWizard(void* param) {
    Script* script = static_cast<Script*>(param);
    HWND frame = FrameWindow(script->uiThread);
    if (!frame)
        return 1;
    for (int page = 0; page < 4; ++page) {
        printf("wizard page: %s\n", uidriver::Text(frame).c_str());
        if (!NextPage(frame))
            return 1;
    }
    printf("wizard page: %s\n", uidriver::Text(frame).c_str());
    uidriver::Click(uidriver::FindItem(frame, kNext));
    HWND later = nullptr;
    uidriver::WaitUntil(
        [&] {
            later = uidriver::FindItem(frame, kRestartLater);
            return later && uidriver::IsVisible(frame) && uidriver::IsVisible(later);
        },
        kInstallTimeoutMs);
    if (!later)
        return 1;
    printf("wizard page: %s\n", uidriver::Text(frame).c_str());
    uidriver::Click(later);
    uidriver::WaitUntil([&] { return uidriver::CheckState(later) == BST_CHECKED; });
    uidriver::Click(uidriver::FindItem(frame, kFrameCancel));
    script->finished = true;
    return 0;
}

int Install(const char* dll, const char* medium) {
    HMODULE setup = LoadLibraryA(dll);
    InstallEntry install = setup ? reinterpret_cast<InstallEntry>(
                                       reinterpret_cast<void*>(GetProcAddress(setup, "DOINSTALL")))
                                 : nullptr;
    if (!install) {
        fprintf(stderr, "demo: cannot load DOINSTALL from %s\n", dll);
        return -1;
    }
    Script script = {GetCurrentThreadId(), false};
    HANDLE driver = CreateThread(nullptr, 0, DriveWizard, &script, 0, nullptr);
    int32_t result = install(medium);
    WaitForSingleObject(driver, INFINITE);
    CloseHandle(driver);
    FreeLibrary(setup);
    printf("DOINSTALL returned %ld%s\n", static_cast<long>(result),
           script.finished ? "" : " (the wizard was not driven to its end)");
    return result;
}

std::string ReadInstallFolder() {
    char folder[MAX_PATH] = "";
    DWORD size = sizeof folder;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\ZephyrPoint", 0, KEY_READ, &key) == 0) {
        RegQueryValueExA(key, "AppPath", nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
        RegCloseKey(key);
    }
    folder[sizeof folder - 1] = '\0';
    return folder;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The uninstaller's dialog as a user goes through it: Next, then "restart later" and Finish.
bool DriveUninstaller(DWORD processId) {
    uidriver::WindowQuery query;
    query.processId = processId;
    query.itemId = kUninstallNext;
    HWND dialog = uidriver::WaitForWindow(query);
    if (!dialog)
        return false;
    printf("uninstaller: %s\n", uidriver::Text(dialog).c_str());
    uidriver::Click(uidriver::FindItem(dialog, kUninstallNext));
    HWND finish = uidriver::FindItem(dialog, kUninstallFinish);
    if (!uidriver::WaitUntil(
            [&] { return uidriver::IsVisible(finish) && uidriver::IsEnabled(finish); },
            kInstallTimeoutMs))
        return false;
    HWND later = uidriver::FindItem(dialog, kUninstallRestartLater);
    uidriver::Click(later);
    uidriver::WaitUntil([&] { return uidriver::CheckState(later) == BST_CHECKED; });
    return uidriver::Click(finish);
}

int Uninstall() {
    std::string folder = ReadInstallFolder();
    if (folder.empty()) {
        fprintf(stderr, "demo: no installation is registered\n");
        return 1;
    }
    std::string program = folder + "\\purgekit.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::string command = program;
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        fprintf(stderr, "demo: cannot start %s\n", program.c_str());
        return 1;
    }
    bool driven = DriveUninstaller(process.dwProcessId);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    bool removed = uidriver::WaitUntil([&] { return !Exists(folder); }, 60000);
    printf("uninstaller %s; installation folder %s %s\n",
           driven ? "driven to Finish" : "NOT driven", folder.c_str(),
           removed ? "removed" : "still present");
    // The cleanup copy removes the product's registry key after the folder.
    bool keyRemoved = uidriver::WaitUntil([] { return ReadInstallFolder().empty(); }, 30000);
    printf("product key %s\n", keyRemoved ? "removed" : "still present");
    return driven && removed && keyRemoved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: demo <Setup.dll> <medium folder>\n");
        return 2;
    }
    setvbuf(stdout, nullptr, _IONBF, 0);
    int result = Install(argv[1], argv[2]);
    if (result != 12)
        return 1;
    return Uninstall();
}
