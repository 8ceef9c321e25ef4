// Library entry of Setup.dll: dialogs and pictures are built from this module's resources.
#include "common/App.h"
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH)
        theApp.SetInstance(module);
    return TRUE;
}
