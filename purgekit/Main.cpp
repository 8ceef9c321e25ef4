// Entry point of purgekit.exe, the uninstaller.
#include "common/App.h"
#include "purgekit/RemovalApp.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    theApp.SetInstance(instance);
    CRemovalApp app;
    return app.StartUp();
}
