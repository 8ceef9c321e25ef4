// The product's Start-menu program folder and one shortcut in it per "Icons" line of setupm.ini.
#pragma once

// Makes "<Programs>\<program folder>" (every level) and, for the "Icons" keys 1, 2, ... up to the
// first missing or empty one, the shortcut "<name>.lnk" to "<target folder>\<file>" with the
// target folder as working folder, the name as description and the icon file's (else the
// target's) first icon. Records each shortcut whose link object could be made and, last, the
// program folder. A line without a comma, or whose shortcut path does not fit, is passed over.
// When the user's "Programs" folder cannot be read, nothing is made and nothing recorded.
void WriteShortcuts();
