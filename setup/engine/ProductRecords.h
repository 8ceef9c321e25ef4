// The product's registry records written after the copy: the start-up entry of the mouse
// utility, the family names of the installation and the family's shared install count.
#pragma once

// Under HKEY_LOCAL_MACHINE: Run value "RERODUDEDARADU" = "<target folder>\<product key>" (and its
// install-log record when the Run key opens), "Software\ZephyrPoint" "InstallName" and
// "SubInstallName", and "INSTALLCOUNT" of "SOFTWARE\KOVRASETUP\<main title>" raised by one (1 for
// a new key). Texts over 254 characters are not written; every step is tried.
void WriteProductRecords();
