// The uninstaller's process-wide state.
#include "purgekit/RemovalState.h"

RemovalState removalState = {{0}, {0}, {0}, nullptr, 1, 0, 0, Unclassified, {{nullptr}}};

const char kProductKey[] = "Software\\ZephyrPoint";
