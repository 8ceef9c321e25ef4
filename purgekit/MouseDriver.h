// Returning every mouse to the standard Windows drivers after the product's files are gone.
#pragma once

// On Windows 98 and the other versions below 5 without a class of their own: rewrites the
// "mouse" line of system.ini, the product's device descriptions and the mouse class keys. On
// every other version: forces the standard driver of MSMOUSE.INF onto each installed device of
// the mouse class. Reports nothing; every step ignores the one before.
void RestoreMouseDriver();
