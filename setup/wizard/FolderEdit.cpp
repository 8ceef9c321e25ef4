// The folder edits of the wizard pages.
#include "setup/wizard/FolderEdit.h"
#include "setup/resources/resource.h"
#include "setup/wizard/PageText.h"

void AttachFolderEdit(CEditEx& edit, HWND page) {
    edit.Attach(page, IDC_FOLDER_EDIT);
    edit.SetBackColour(RGB(255, 255, 255));
    edit.SetTextColour(kAccentBlue);
    edit.SetEditFont(-12, 800, 0, "Times New Roman");
}
