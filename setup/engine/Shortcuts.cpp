// The Start-menu program folder and its shortcuts.
#include "setup/engine/Shortcuts.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/ShortcutWriter.h"
#include "setup/engine/logic/IconsEntry.h"

namespace {

const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The user's Start-menu "Programs" folder; false when it cannot be read (an empty path would put
// the program folder at the root of the current drive).
bool ReadProgramsFolder(char (&programs)[kPathSize]) {
    CRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    registry.SetKey(kShellFolders, false);
    CopyText(programs, registry.GetString("Programs", ""));
    return programs[0] != '\0';
}

// The shortcut of one "Icons" line, recorded when its link object could be made.
void WriteShortcut(const char* value, const char* programFolder) {
    IconsEntry entry;
    if (!ParseIconsEntry(entry, value, Text(MSG_12)))
        return;
    char path[kPathSize];
    ShortcutSpec spec;
    if (!JoinPath(path, programFolder, entry.name) || !AppendText(path, ".lnk") ||
        !JoinPath(spec.targetPath, setupState.targetFolder, entry.file))
        return;
    CopyText(spec.workingFolder, setupState.targetFolder);
    CopyText(spec.description, entry.name);
    if (entry.icon[0])
        JoinPath(spec.iconPath, setupState.targetFolder, entry.icon);
    else
        CopyText(spec.iconPath, spec.targetPath);
    ShortcutWriter writer;
    if (!writer.Assign(spec))
        return;
    writer.Save(path);
    InstallLog.Append(LOG_SHORTCUT, path);
}

} // namespace

void WriteShortcuts() {
    char setupIni[kPathSize];
    char programs[kPathSize];
    char programFolder[kPathSize];
    if (!JoinPath(setupIni, setupState.sourceFolder, "setupm.ini") ||
        !ReadProgramsFolder(programs) ||
        !JoinPath(programFolder, programs, ConfigText(setupState.config.programFolder)))
        return;
    HRESULT com = CoInitialize(nullptr);
    EnsureDirectory(programFolder, false);
    for (uint32_t i = 1;; ++i) {
        char key[16] = "";
        char value[kPathSize];
        AppendDecimal(key, sizeof key, i);
        GetPrivateProfileStringA("Icons", key, "", value, kPathSize, setupIni);
        if (!value[0])
            break;
        WriteShortcut(value, programFolder);
    }
    InstallLog.Append(LOG_PROGRAM_FOLDER, programFolder);
    if (SUCCEEDED(com))
        CoUninitialize();
}
