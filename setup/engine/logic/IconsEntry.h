// One line of the "Icons" section of setupm.ini: program file, shortcut name, optional icon file.
#pragma once
#include "common/logic/TextBuf.h"

struct IconsEntry {
    char file[kPathSize];
    char name[kPathSize];
    char icon[kPathSize]; // empty when the line names no icon
};

// Splits value ("file,name" or "file,name,icon") at its first and second comma; blanks stay, and
// a further comma stays part of icon. In a name that contains "%", the first "%s" is replaced by
// productText (the name is never used as a format; the result is cut at 259 characters).
// Answers false for a value without a comma (entry unspecified then).
bool ParseIconsEntry(IconsEntry& entry, const char* value, const char* productText);
