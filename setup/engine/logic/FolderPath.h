// Where folder creation cuts a path: the backslashes that end each folder made in turn.
#pragma once
#include <stddef.h>

const size_t kNoCut = static_cast<size_t>(-1);

// The backslash that ends the first folder to create: the one after the backslash that ends the
// drive or server root (the first backslash at or after the second character). A path below the
// root of the current drive ("\a\b") has that single backslash as its root, so "\a" is made too.
// kNoCut when the path has no such backslash.
size_t FirstFolderCut(const char* path);
// The next backslash after position cut; kNoCut when there is none.
size_t NextFolderCut(const char* path, size_t cut);
// Length of the text before the last backslash (the folder holding a file); kNoCut without one.
size_t ParentLength(const char* path);
