// The final cleanup's rules for the family count and for the folders it empties.
#include "purgekit/logic/CleanupRules.h"
#include <string.h>

FamilyStep DecideFamilyStep(bool keyOpened, uint32_t count) {
    FamilyStep step = {false, false, 0, false};
    if (!keyOpened)
        return step;
    if (count <= 1) {
        step.deleteKey = true;
        step.sharedFolders = count == 0;
        return step;
    }
    step.writeCount = true;
    step.newCount = count - 1;
    step.sharedFolders = true;
    return step;
}

namespace {
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

char Folded(char c) {
    if (c == '/')
        return '\\';
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length of the path without its trailing separators.
size_t TrimmedLength(const char* path) {
    size_t n = strlen(path);
    while (n > 0 && IsSeparator(path[n - 1]))
        --n;
    return n;
}

// Length of the root part without its closing separator: 2 for "X:\", the length of
// "\\server\share" for a share; 0 when the path is not absolute in one of these forms.
size_t RootLength(const char* path) {
    char drive = static_cast<char>(path[0] | 0x20);
    if (drive >= 'a' && drive <= 'z' && path[1] == ':' && IsSeparator(path[2]))
        return 2;
    if (!IsSeparator(path[0]) || !IsSeparator(path[1]))
        return 0;
    size_t i = 2;
    for (int part = 0; part < 2; ++part) {
        if (part == 1) {
            if (!IsSeparator(path[i]))
                return 0;
            ++i;
        }
        size_t start = i;
        while (path[i] && !IsSeparator(path[i]))
            ++i;
        if (i == start)
            return 0;
    }
    return i;
}

// Whether a part of the path consists of dots and blanks only: Windows drops trailing dots and
// blanks from a name, so such a part means the folder itself or the one above it.
bool HasDotParts(const char* path) {
    bool onlyDots = true;
    size_t length = 0;
    for (const char* p = path;; ++p) {
        if (*p == '\0' || IsSeparator(*p)) {
            if (length > 0 && onlyDots)
                return true;
            if (*p == '\0')
                return false;
            onlyDots = true;
            length = 0;
            continue;
        }
        onlyDots = onlyDots && (*p == '.' || *p == ' ');
        ++length;
    }
}

// Whether folder a equals folder b or lies above it (b is a or below a).
bool IsSameOrAbove(const char* a, const char* b) {
    size_t na = TrimmedLength(a);
    size_t nb = TrimmedLength(b);
    if (na > nb)
        return false;
    for (size_t i = 0; i < na; ++i) {
        if (Folded(a[i]) != Folded(b[i]))
            return false;
    }
    return na == nb || IsSeparator(b[na]);
}
} // namespace

bool MayEmptyFolder(const char* path, const char* const* protectedFolders, size_t count) {
    size_t root = RootLength(path);
    if (root == 0 || TrimmedLength(path) <= root || HasDotParts(path))
        return false;
    for (size_t i = 0; i < count; ++i) {
        if (protectedFolders[i][0] && IsSameOrAbove(path, protectedFolders[i]))
            return false;
    }
    return true;
}
