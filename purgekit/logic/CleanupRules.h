// Decisions of the final cleanup: the family install count and the folders it may empty.
#pragma once
#include <stddef.h>
#include <stdint.h>

// What becomes of the family key "SOFTWARE\KOVRASETUP\<InstallName>".
struct FamilyStep {
    bool deleteKey;  // delete the family key
    bool writeCount; // write newCount as INSTALLCOUNT
    uint32_t newCount;
    bool sharedFolders; // other products of the family still use the family folders
};

// keyOpened: whether the family key exists; count: its INSTALLCOUNT, 0 when missing.
// The last installation (count 1) deletes the key and frees the family folders. A key without a
// usable count is deleted too, but its folders are kept as shared: nothing tells whether other
// products of the family still use them. Any larger count is lowered by one.
FamilyStep DecideFamilyStep(bool keyOpened, uint32_t count);

// Whether a full path names a folder that the cleanup may empty and remove: an absolute path
// ("X:\..." or "\\server\share\...") below a drive or share root, without parts made of dots and
// blanks only ("." or ".."), that is neither one of the protected folders nor above one of them.
// Letter case, "/" for "\" and trailing separators are not told apart. protectedFolders are full
// paths; empty ones are ignored.
bool MayEmptyFolder(const char* path, const char* const* protectedFolders, size_t count);
