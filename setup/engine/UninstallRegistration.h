// The uninstaller's place in the installation folder and its registration with Windows.
#pragma once

// Worker step: copies "is-00001\uninst.<language code>" of the medium to "uninst.un2" and the
// uninstaller ("Win98\purgekit.exe" on Windows 98, else "purgekit.exe") to "purgekit.exe" in the
// target folder, overwriting. Records "uninst.un2" when copied and, when the uninstaller was
// copied, the install log's own path (so the uninstaller deletes the log; the program itself is
// not recorded).
void PlaceUninstaller();

// Last window step: the uninstall key "Software\Microsoft\windows\CurrentVersion\Uninstall\<product
// name>" (recorded when it opens) with "DisplayName" and "UninstallString", and the "AppPath",
// "ProductName" and "ProductKey" values of "Software\ZephyrPoint". Without a product name no
// uninstall key is made, since the recorded key would be the whole "Uninstall" key.
void RegisterUninstaller();
