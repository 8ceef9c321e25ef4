// The final cleanup that the cleanup copy runs after the dialog process has ended.
#pragma once

// Lowers the family install count (deleting the family key, and the key of all families once
// it is empty, after the last installation) and removes the product's folders under Program Files
// and the Start-menu Programs folder, the installation folder and HKLM "Software\ZephyrPoint". A
// step whose folder name would be empty, cut, or name Program Files, Programs, a drive root, the
// Windows, system or temporary folder (or a folder above one of them) is skipped. Works from the
// temporary folder, so that the installation folder is nobody's working directory.
void FinalCleanup();
