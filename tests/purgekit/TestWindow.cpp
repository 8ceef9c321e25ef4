// Test program for the uninstaller's tests (not part of the deliverables): one top-level window
// titled with the command line (an untitled window without one) that stays until the program is
// ended from outside.
#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "PurgekitTestWindow";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowA("PurgekitTestWindow", commandLine, WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                80, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
