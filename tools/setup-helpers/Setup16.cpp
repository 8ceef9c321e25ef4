// Stand-in for the maker's "SETUP16.EXE" (outside the system): records its command line and, when
// a test asks through SETUP_HELPER_REBOOTFLAGS, sets HKLM\SOFTWARE "RebootFlags" to that number
// and creates the key HKLM\SOFTWARE\RebootFlags, as the real helper may; SETUP_HELPER_DELAYMS
// makes it take that long, as a helper that installs something does.
#include "HelperRecord.h"

namespace {

void SetRebootFlags(long value) {
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS, &software) != 0)
        return;
    DWORD number = static_cast<DWORD>(value);
    RegSetValueExA(software, "RebootFlags", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number),
                   sizeof number);
    HKEY flags = nullptr;
    if (RegCreateKeyExA(software, "RebootFlags", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &flags,
                        nullptr) == 0)
        RegCloseKey(flags);
    RegCloseKey(software);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RecordLine(kSetupHelperRecord, "Setup16", "CommandLine", GetCommandLineA());
    long rebootFlags = 0;
    if (InstructionNumber("SETUP_HELPER_REBOOTFLAGS", rebootFlags))
        SetRebootFlags(rebootFlags);
    long delay = 0;
    if (InstructionNumber("SETUP_HELPER_DELAYMS", delay) && delay > 0)
        Sleep(static_cast<DWORD>(delay));
    return 0;
}
