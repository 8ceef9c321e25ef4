// The final cleanup: family count, product folders, installation folder, product key.
#include "purgekit/FinalCleanup.h"
#include "common/Registry.h"
#include "common/logic/TextBuf.h"
#include "purgekit/FolderTree.h"
#include "purgekit/RemovalState.h"
#include "purgekit/logic/CleanupRules.h"

namespace {
const char kFamilyRoot[] = "SOFTWARE\\KOVRASETUP";
const char kFamilyKeyPrefix[] = "SOFTWARE\\KOVRASETUP\\";
const char kVersionKey[] = "Software\\microsoft\\windows\\currentversion";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The full and the short (8.3) form of a folder; the short form is the full one when the folder
// does not exist. Answers false when the path has no full form that fits.
bool FolderForms(const char* path, char* full, char* shortForm) {
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path, kPathSize, full, &name);
    if (length == 0 || length >= kPathSize)
        return false;
    length = GetShortPathNameA(full, shortForm, kPathSize);
    if (length == 0 || length >= kPathSize)
        CopyText(shortForm, kPathSize, full);
    return true;
}

// The folders the cleanup never empties, each in its full and its short form.
class CProtectedFolders {
  public:
    CProtectedFolders(const char* programFiles, const char* programs) {
        char folder[kPathSize];
        Add(Answered(GetWindowsDirectoryA(folder, kPathSize), folder));
        Add(Answered(GetSystemDirectoryA(folder, kPathSize), folder));
        Add(Answered(GetTempPathA(kPathSize, folder), folder));
        Add(programFiles);
        Add(programs);
    }
    CProtectedFolders(const CProtectedFolders&) = delete;
    CProtectedFolders& operator=(const CProtectedFolders&) = delete;

    // Whether path may be emptied: absolute, not protected, in every form.
    bool MayEmpty(const char* path) const {
        char full[kPathSize];
        char shortForm[kPathSize];
        return FolderForms(path, full, shortForm) && MayEmptyFolder(path, m_list, m_count) &&
               MayEmptyFolder(full, m_list, m_count) && MayEmptyFolder(shortForm, m_list, m_count);
    }

  private:
    static const size_t kForms = 10;

    // The folder a platform query wrote, or "" when the query failed or did not fit.
    static const char* Answered(DWORD length, const char* folder) {
        return length != 0 && length < kPathSize ? folder : "";
    }

    void Add(const char* folder) {
        if (!folder[0] || !FolderForms(folder, m_forms[m_count], m_forms[m_count + 1]))
            return;
        m_list[m_count] = m_forms[m_count];
        m_list[m_count + 1] = m_forms[m_count + 1];
        m_count += 2;
    }

    char m_forms[kForms][kPathSize] = {};
    const char* m_list[kForms] = {};
    size_t m_count = 0;
};

void EmptyAndRemove(const CProtectedFolders& protectedFolders, const char* folder) {
    if (!protectedFolders.MayEmpty(folder))
        return;
    DeleteFolderTree(folder);
    RemoveDirectoryA(folder);
}

// base\family\product (product may be null for the family level); skipped when a part is empty
// or the joined path would not fit.
void RemoveProductFolder(const CProtectedFolders& protectedFolders, const char* base,
                         const char* family, const char* product) {
    char folder[kPathSize];
    if (!base[0] || !family[0] || (product && !product[0]))
        return;
    bool whole =
        product ? JoinPath3(folder, base, family, product) : JoinPath(folder, base, family);
    if (whole)
        EmptyAndRemove(protectedFolders, folder);
}

// Deletes the key that holds the family keys once the last family is gone. Windows 95 would
// delete a key with its subkeys, so it goes only when it holds nothing at all.
void DeleteEmptyFamilyRoot() {
    HKEY root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFamilyRoot, 0, KEY_READ, &root) != ERROR_SUCCESS)
        return;
    DWORD subkeys = 1;
    DWORD values = 1;
    LONG status = RegQueryInfoKeyA(root, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                   &values, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(root);
    if (status == ERROR_SUCCESS && subkeys == 0 && values == 0)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFamilyRoot);
}

// Lowers or deletes the family's install count; answers whether the family folders stay shared.
bool StepFamilyCount(CRegistry& registry, const char* family) {
    char key[kPathSize];
    if (!family[0] || !JoinPath(key, kFamilyKeyPrefix, family))
        return true;
    FamilyStep step = {false, false, 0, false};
    if (registry.SetKey(key, false))
        step = DecideFamilyStep(true, registry.GetDword("INSTALLCOUNT", 0));
    if (step.deleteKey) {
        registry.DeleteKey(key);
        DeleteEmptyFamilyRoot();
    }
    if (step.writeCount)
        registry.SetDword("INSTALLCOUNT", step.newCount);
    return step.sharedFolders;
}

void ReadValue(HKEY root, const char* key, const char* name, char* out) {
    CRegistry registry;
    registry.SetRootKey(root);
    out[0] = '\0';
    if (registry.SetKey(key, false))
        CopyText(out, kPathSize, registry.GetString(name, ""));
}
} // namespace

void FinalCleanup() {
    if (removalState.savedWorkingDir)
        GetCurrentDirectoryA(kPathSize, removalState.savedWorkingDir);
    DWORD tempLength = GetTempPathA(kPathSize, removalState.pathScratch);
    if (tempLength != 0 && tempLength < kPathSize)
        SetCurrentDirectoryA(removalState.pathScratch);

    CRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.SetKey(kProductKey, true);
    char family[kPathSize];
    char product[kPathSize];
    CopyText(family, registry.GetString("InstallName", ""));
    CopyText(product, registry.GetString("SubInstallName", ""));
    bool shared = StepFamilyCount(registry, family);

    char programFiles[kPathSize];
    char programs[kPathSize];
    ReadValue(HKEY_LOCAL_MACHINE, kVersionKey, "programfilesDir", programFiles);
    ReadValue(HKEY_CURRENT_USER, kShellFolders, "Programs", programs);
    CProtectedFolders protectedFolders(programFiles, programs);
    RemoveProductFolder(protectedFolders, programFiles, family, product);
    if (!shared)
        RemoveProductFolder(protectedFolders, programFiles, family, nullptr);
    RemoveProductFolder(protectedFolders, programs, family, product);
    if (!shared)
        RemoveProductFolder(protectedFolders, programs, family, nullptr);
    if (removalState.installFolder[0])
        EmptyAndRemove(protectedFolders, removalState.installFolder);

    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.DeleteKey(kProductKey);
    if (removalState.savedWorkingDir && removalState.savedWorkingDir[0])
        SetCurrentDirectoryA(removalState.savedWorkingDir);
}
