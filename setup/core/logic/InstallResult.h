// What DOINSTALL tells the launcher, from the wizard's modal result (no Windows calls).
#pragma once
#include <stdint.h>

// The modal result codes of the wizard.
const int kResultLeft = 2;          // setup was left
const int kResultRestartNow = 6;    // finished, restart now
const int kResultRestartLater = 12; // finished, restart later
// Restart now on an NT-family system.
const int32_t kResultRestartNowNt = 0x10006;

// 2 and 12 as they are; 6 becomes kResultRestartNowNt on an NT-family system; anything else 0.
int32_t InstallResult(int modalResult, bool ntFamily);
