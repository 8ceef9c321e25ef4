// The look of the folder edits of the destination and program-folder pages.
#pragma once
#include "setup/wizard/EditEx.h"

// Attaches edit to the folder edit of page and gives it bold blue Times New Roman on white.
void AttachFolderEdit(CEditEx& edit, HWND page);
