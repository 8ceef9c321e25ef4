// Classifying the running Windows version.
#include "purgekit/OsVersion.h"
#include "purgekit/RemovalState.h"

void ClassifyWindows() {
    removalState.osClass = ClassifyVersion(GetVersion());
}
