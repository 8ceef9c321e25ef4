// Cut positions of a path for creating its folders one level at a time.
#include "setup/engine/logic/FolderPath.h"
#include <string.h>

size_t NextFolderCut(const char* path, size_t cut) {
    const char* next = strchr(path + cut + 1, '\\');
    return next ? static_cast<size_t>(next - path) : kNoCut;
}

size_t FirstFolderCut(const char* path) {
    if (path[0] == '\0')
        return kNoCut;
    if (path[0] == '\\' && path[1] != '\\')
        return NextFolderCut(path, 0);
    const char* root = strchr(path + 1, '\\');
    return root ? NextFolderCut(path, static_cast<size_t>(root - path)) : kNoCut;
}

size_t ParentLength(const char* path) {
    const char* last = strrchr(path, '\\');
    return last ? static_cast<size_t>(last - path) : kNoCut;
}
