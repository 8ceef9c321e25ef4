// Splitting of an "Icons" line and filling of its name placeholder.
#include "setup/engine/logic/IconsEntry.h"
#include <string.h>

namespace {

// Copies the text up to end (or all of it when end is null) into field, cut to fit.
void CopyField(char (&field)[kPathSize], const char* begin, const char* end) {
    size_t length = end ? static_cast<size_t>(end - begin) : strlen(begin);
    if (length > kPathSize - 1)
        length = kPathSize - 1;
    memcpy(field, begin, length);
    field[length] = '\0';
}

} // namespace

bool ParseIconsEntry(IconsEntry& entry, const char* value, const char* productText) {
    const char* first = strchr(value, ',');
    if (!first)
        return false;
    const char* second = strchr(first + 1, ',');
    CopyField(entry.file, value, first);
    char name[kPathSize];
    CopyField(name, first + 1, second);
    if (second)
        CopyField(entry.icon, second + 1, nullptr);
    else
        entry.icon[0] = '\0';
    if (strchr(name, '%'))
        ReplaceFirst(entry.name, kPathSize, name, "%s", productText);
    else
        CopyText(entry.name, name);
    return true;
}
