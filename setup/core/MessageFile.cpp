// The language message file "is-00001\setuplan.<code>" of the medium and the texts read from it.
#include "setup/core/MessageFile.h"
#include "setup/core/SetupState.h"
#include "common/logic/HeapText.h"
#include "setup/core/logic/MessageKeys.h"
#include <windows.h>

// "<source>\is-00001\setuplan.<code>"; false when it does not fit or no language is set.
static bool MessageFilePath(char (&path)[kPathSize]) {
    if (!setupState.languageCode)
        return false;
    bool whole = JoinPath(path, setupState.sourceFolder, "is-00001\\setuplan");
    whole = AppendText(path, ".") && whole;
    return AppendText(path, setupState.languageCode) && whole;
}

// Reads one value; an empty or missing one leaves the text absent.
static void ReadText(const char* section, const char* key, size_t size, const char* path,
                     char*& text) {
    char value[kLongTextSize];
    DWORD length =
        GetPrivateProfileStringA(section, key, "", value, static_cast<DWORD>(size), path);
    if (length != 0)
        text = NewText(value, length);
}

bool LoadMessageTable() {
    char path[kPathSize];
    bool haveFile = MessageFilePath(path);
    FreeMessageTable();
    if (!haveFile)
        return true;
    MessageTable& texts = setupState.texts;
    for (int key = 0; key < MSG_COUNT; ++key)
        ReadText("MSG", MsgKeyName(static_cast<MsgKey>(key)), kPathSize, path, texts.msg[key]);
    for (int key = 0; key < DLG_COUNT; ++key) {
        DlgKey dlg = static_cast<DlgKey>(key);
        ReadText("DLG", DlgKeyName(dlg), DlgTextSize(dlg), path, texts.dlg[key]);
        if (texts.dlg[key] && HasProductPlaceholder(dlg))
            ConvertProductPlaceholder(texts.dlg[key]);
    }
    return true;
}

void FreeMessageTable() {
    for (char*& text : setupState.texts.msg)
        FreeText(text);
    for (char*& text : setupState.texts.dlg)
        FreeText(text);
}
