// Quoting and unquoting of a path in place.
#include "common/logic/QuotePath.h"
#include "common/logic/TextBuf.h"
#include <string.h>

void QuotePath(char* path, bool quote) {
    char work[kPathSize];
    if (quote) {
        if (path[0] == '"' || !strchr(path, ' '))
            return;
        CopyText(work, "\"");
        AppendText(work, path);
        if (!AppendText(work, "\""))
            return;
    } else {
        if (path[0] != '"')
            return;
        CopyText(work, path + 1);
        size_t length = strlen(work);
        if (length > 0 && work[length - 1] == '"')
            work[length - 1] = '\0';
    }
    CopyText(path, kPathSize, work);
}
