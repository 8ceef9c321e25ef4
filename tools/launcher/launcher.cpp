// Stand-in for the real setup launcher, which lies outside this system (not a deliverable):
// loads a Setup.dll, calls its DOINSTALL with a medium folder, prints and exits with the result.
#include <windows.h>
#include <stdint.h>
#include <stdio.h>

typedef int32_t(WINAPI* InstallEntry)(const char* mediaFolder);

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: launcher <Setup.dll> <medium folder>\n");
        return 1;
    }
    HMODULE setup = LoadLibraryA(argv[1]);
    if (!setup) {
        fprintf(stderr, "launcher: cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    InstallEntry install =
        reinterpret_cast<InstallEntry>(reinterpret_cast<void*>(GetProcAddress(setup, "DOINSTALL")));
    if (!install) {
        fprintf(stderr, "launcher: %s has no DOINSTALL\n", argv[1]);
        FreeLibrary(setup);
        return 1;
    }
    int32_t result = install(argv[2]);
    printf("DOINSTALL returned %ld\n", static_cast<long>(result));
    fflush(stdout);
    FreeLibrary(setup);
    return result;
}
