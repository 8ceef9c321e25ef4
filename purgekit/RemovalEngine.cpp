// Replaying the install log.
#include "purgekit/RemovalEngine.h"
#include "common/App.h"
#include "common/Registry.h"
#include "common/logic/LogRecords.h"
#include "common/logic/TextBuf.h"
#include "purgekit/FileData.h"
#include "purgekit/MouseDriver.h"
#include "purgekit/RemovalState.h"
#include "purgekit/logic/RecordActions.h"
#include "purgekit/resource.h"

namespace {
const char kLogName[] = "purgekit.log";
const char kRunKey[] = "Software\\Microsoft\\windows\\CurrentVersion\\Run";

void DeleteRunValue(const char* name) {
    CRegistry run;
    run.SetRootKey(HKEY_LOCAL_MACHINE);
    if (run.SetKey(kRunKey, false))
        run.DeleteValue(name);
}

void PerformAction(CRegistry& registry, RecordAction action, const char* text) {
    switch (action) {
    case ACTION_DELETE_FILE:
        DeleteFileA(text);
        break;
    case ACTION_REMOVE_FOLDER:
        RemoveDirectoryA(text);
        break;
    case ACTION_DELETE_RUN_VALUE:
        DeleteRunValue(text);
        break;
    case ACTION_DELETE_KEY:
        if (IsUninstallEntryKey(text))
            registry.DeleteKey(text);
        break;
    case ACTION_NONE:
        break;
    }
}

// Shows a progress label and paints it now: the dialog's thread handles no messages meanwhile.
void ShowProgressLabel(HWND dialog, int id) {
    HWND label = GetDlgItem(dialog, id);
    if (!label)
        return;
    ShowWindow(label, SW_SHOW);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void HandleRecord(HWND dialog, CRegistry& registry, const LogRecord& record) {
    RecordAction action = ActionForRecord(record.type);
    char text[kPathSize];
    if (action != ACTION_NONE && RecordText(record, text, sizeof text))
        PerformAction(registry, action, text);
    if (int label = ProgressLabelForRecord(record.type))
        ShowProgressLabel(dialog, label);
}

void ReportLogError(HWND dialog, DWORD error) {
    bool denied = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                  error == ERROR_LOCK_VIOLATION;
    char format[kPathSize] = "";
    LoadStringA(theApp.Instance(), denied ? IDS_LOG_ACCESS_DENIED : IDS_LOG_NOT_FOUND, format,
                sizeof format);
    char message[kPathSize];
    ReplaceFirst(message, sizeof message, format, "%1", kLogName);
    char caption[kPathSize] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    MessageBoxA(dialog, message, caption, MB_OK | MB_ICONSTOP);
}
} // namespace

bool RunRemoval(HWND dialog) {
    CFileData log;
    if (!log.Read(kLogName)) {
        ReportLogError(dialog, log.LastError());
        return false;
    }
    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    CLogReader reader(log.Data(), log.Size());
    LogRecord record;
    while (reader.Next(record)) {
        HandleRecord(dialog, registry, record);
        Sleep(10);
    }
    RestoreMouseDriver();
    DeleteRunValue("RERODUDEDARADU");
    DeleteRunValue("HALCYONKB");
    return true;
}
