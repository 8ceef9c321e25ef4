// Emptying a folder tree: everything below goes and the folder stays; read-only files keep their
// folders; a folder link is never entered; an empty name names nothing.
#include "PurgekitFixture.h"
#include "purgekit/FolderTree.h"
#include <gtest/gtest.h>
#include <winioctl.h>

namespace {
// The attributes of an entry as a folder search lists it (which does not follow links).
DWORD ListedAttributes(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    return entry.dwFileAttributes;
}

// Makes link (an existing empty folder) a mount-point link to target; false when the file system
// cannot hold such links.
bool MakeFolderLink(const std::string& link, const std::string& target) {
    std::wstring substitute = L"\\??\\";
    for (char c : target)
        substitute += static_cast<wchar_t>(static_cast<unsigned char>(c));
    size_t nameBytes = substitute.size() * sizeof(wchar_t);
    std::vector<BYTE> buffer(8 + 8 + nameBytes + 2 * sizeof(wchar_t), 0);
    struct Header {
        DWORD tag;
        WORD dataLength;
        WORD reserved;
        WORD substituteOffset, substituteLength, printOffset, printLength;
    }* header = reinterpret_cast<Header*>(buffer.data());
    header->tag = IO_REPARSE_TAG_MOUNT_POINT;
    header->dataLength = static_cast<WORD>(buffer.size() - 8);
    header->substituteOffset = 0;
    header->substituteLength = static_cast<WORD>(nameBytes);
    header->printOffset = static_cast<WORD>(nameBytes + sizeof(wchar_t));
    header->printLength = 0;
    memcpy(buffer.data() + 16, substitute.c_str(), nameBytes);
    HANDLE folder = CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    BOOL made = DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                                static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(folder);
    return made && (ListedAttributes(link) & FILE_ATTRIBUTE_REPARSE_POINT);
}
// The host path of a Windows path, through Wine's own mapping; empty elsewhere.
std::string HostPath(const std::string& path) {
    typedef char*(CDECL * UnixName)(const WCHAR*);
    UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH];
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH))
        return std::string();
    char* host = toUnix(wide);
    std::string result = host ? host : "";
    HeapFree(GetProcessHeap(), 0, host);
    return result;
}

// Under Wine, a host symbolic link is what Windows programs see as a folder link.
bool MakeHostLink(const std::string& link, const std::string& target) {
    std::string hostLink = HostPath(link);
    std::string hostTarget = HostPath(target);
    if (hostLink.empty() || hostTarget.empty())
        return false;
    // Wine gives no handle to wait on for a host program: the link is polled for instead.
    CTestProcess ln("Z:\\bin\\ln", "ln -s \"" + hostTarget + "\" \"" + hostLink + "\"");
    for (int tries = 0; tries < 100; ++tries) {
        if (ListedAttributes(link) & FILE_ATTRIBUTE_REPARSE_POINT)
            return true;
        Sleep(50);
    }
    return false;
}

void RemoveHostLink(const std::string& link) {
    CTestProcess rm("Z:\\bin\\rm", "rm \"" + HostPath(link) + "\"");
    for (int tries = 0; tries < 100 && ListedAttributes(link); ++tries)
        Sleep(50);
}
} // namespace

TEST(PurgekitFolderTree, EmptiesEverythingBelowAndKeepsReadOnlyFiles) {
    CTempFolder tree;
    tree.Write("a.txt", "a");
    tree.Write("sub\\b.txt", "b");
    tree.Write("sub\\deeper\\c.txt", "c");
    std::string locked = tree.Write("kept\\inner\\locked.txt", "l");
    CreateDirectoryA(tree.File("empty").c_str(), nullptr);
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);

    DeleteFolderTree(tree.Path().c_str());

    EXPECT_TRUE(FolderExists(tree.Path()));
    EXPECT_FALSE(FileExists(tree.File("a.txt")));
    EXPECT_FALSE(FolderExists(tree.File("sub")));
    EXPECT_FALSE(FolderExists(tree.File("empty")));
    EXPECT_TRUE(FileExists(locked));
    EXPECT_TRUE(FolderExists(tree.File("kept\\inner")));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    DeleteFolderTree((tree.Path() + "\\").c_str());
    EXPECT_FALSE(FolderExists(tree.File("kept")));
}

TEST(PurgekitFolderTree, AnEmptyNameNamesNothing) {
    CTempFolder tree;
    std::string canary = tree.Write("canary.txt", "c");
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(tree.Path().c_str());

    DeleteFolderTree("");

    EXPECT_TRUE(FileExists(canary));
}

TEST(PurgekitFolderTree, FolderLinksAreNeverEntered) {
    CTempFolder tree;
    CTempFolder outside;
    std::string precious = outside.Write("precious.txt", "p");
    std::string link = tree.File("link");
    CreateDirectoryA(link.c_str(), nullptr);
    bool hostLink = false;
    bool linked = MakeFolderLink(link, outside.Path());
    if (!linked) {
        RemoveDirectoryA(link.c_str());
        linked = hostLink = MakeHostLink(link, outside.Path());
    }
    if (!linked)
        GTEST_SKIP() << "this file system holds no folder links";
    ASSERT_TRUE(FileExists(tree.File("link\\precious.txt")));

    DeleteFolderTree(tree.Path().c_str());

    EXPECT_TRUE(FileExists(precious));
    // Windows removes a folder link as a link; Wine keeps a host link, which the test removes.
    if (hostLink && ListedAttributes(link))
        RemoveHostLink(link);
    EXPECT_EQ(0u, ListedAttributes(link));
}
