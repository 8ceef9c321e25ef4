// The one instance of the setup state and its text accessors.
#include "setup/core/SetupState.h"

SetupState setupState = {{0}, {0}, {0}, 6, nullptr, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 1, {}, {}};

const char* Text(MsgKey key) {
    const char* text = key < MSG_COUNT ? setupState.texts.msg[key] : nullptr;
    return text ? text : "";
}

const char* Text(DlgKey key) {
    const char* text = key < DLG_COUNT ? setupState.texts.dlg[key] : nullptr;
    return text ? text : "";
}
