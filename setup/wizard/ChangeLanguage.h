// Switches the wizard to another language while it runs.
#pragma once

// Loads the texts of the language at row (0..8) of the language table and relabels at once the
// background's caption and title, the frame's caption and buttons, and the language page.
void ChangeLanguage(int row);
