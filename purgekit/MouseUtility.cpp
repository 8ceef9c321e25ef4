// Finding the mouse utility's windows by title and ending their processes.
#include "purgekit/MouseUtility.h"
#include "purgekit/Processes.h"
#include <string.h>

namespace {
const char* const kStopList[] = {
    "Glider9k", "QXRZoomWnd", "QXRSMARTWND", "Glider9KForm", "Glider9K", "Pelto5",
};
} // namespace

BOOL CALLBACK FindWindowByTitle(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == GetCurrentProcessId())
        return TRUE;
    char* title = static_cast<char*>(LocalAlloc(LPTR, static_cast<SIZE_T>(length) + 1));
    if (!title)
        return TRUE;
    GetWindowTextA(window, title, length + 1);
    CharUpperA(search->fragment);
    CharUpperA(title);
    bool found = strstr(title, search->fragment) != nullptr;
    LocalFree(title);
    if (!found)
        return TRUE;
    search->window = window;
    search->processId = processId;
    return FALSE;
}

int StopMouseUtility() {
    for (const char* fragment : kStopList) {
        WindowSearch search = {nullptr, 0, ""};
        CopyText(search.fragment, fragment);
        EnumWindows(FindWindowByTitle, reinterpret_cast<LPARAM>(&search));
        if (search.window)
            TerminateProcessById(search.processId, 0);
    }
    return 0;
}
