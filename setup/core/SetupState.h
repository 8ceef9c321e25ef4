// The process-wide state of one DOINSTALL call: folders, language, OS class, windows, texts.
#pragma once
#include "common/logic/TextBuf.h"
#include <stdint.h>

class CBackgroundDialog;
class CWizardFrame;

// The eleven texts of setupm.ini; each a heap block owned here, null while absent.
struct SetupConfig {
    char* manufacturer;
    char* productName;
    char* productVersion;
    char* productKey;
    char* targetDir;
    char* programFolder;
    char* displayName;
    char* captionBar;
    char* mainTitle;
    char* uninstallDisplayName;
    char* uninstallKey;
};

// clang-format off
// Keys of the [MSG] section of the language message file.
enum MsgKey {
    MSG_1, MSG_2, MSG_4, MSG_7, MSG_8, MSG_10, MSG_11, MSG_12, MSG_13,
    MSG_20, MSG_21, MSG_22, MSG_23, MSG_24, MSG_25,
    MSG_301, MSG_302, MSG_303, MSG_304, MSG_306,
    MSG_COUNT
};

// Keys of the [DLG] section of the language message file.
enum DlgKey {
    DLG_P1T, DLG_P11, DLG_P12, DLG_P13, DLG_P14, DLG_P15, DLG_P16,
    DLG_P2T, DLG_P21,
    DLG_P3T, DLG_P31, DLG_P32, DLG_P33,
    DLG_P4T, DLG_P41, DLG_P42, DLG_P43,
    DLG_P5T, DLG_P51,
    DLG_P7T, DLG_P71,
    DLG_PWHEEL3, DLG_PWHEEL31, DLG_PWHEEL32, DLG_PWHEEL5, DLG_PWHEEL51, DLG_PWHEEL52,
    DLG_PFT, DLG_PF1, DLG_PF2, DLG_PF3, DLG_PF4, DLG_PF5,
    DLG_COUNT
};
// clang-format on

// The wizard's language texts; each a heap block owned here, null while absent.
struct MessageTable {
    char* msg[MSG_COUNT];
    char* dlg[DLG_COUNT];
};

struct SetupState {
    char sourceFolder[kPathSize];
    char startFolder[kPathSize];
    char targetFolder[kPathSize];
    int32_t languageIndex;
    const char* languageCode;
    int32_t isWin95;
    int32_t isWin98;
    int32_t isWinMe;
    int32_t isWinXP;
    int32_t isWin2000;
    int32_t isNtOther;
    CBackgroundDialog* backgroundWindow;
    CWizardFrame* wizardFrame;
    int32_t restartFlag;
    SetupConfig config;
    MessageTable texts;
};

extern SetupState setupState;

// A text of the message table; the empty text when it is absent.
const char* Text(MsgKey key);
const char* Text(DlgKey key);
// A configuration text; the empty text when it is absent.
inline const char* ConfigText(const char* text) {
    return text ? text : "";
}
