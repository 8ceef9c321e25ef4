// Emptying a folder tree for the final cleanup.
#pragma once

// Deletes every file and folder below folder; the folder itself stays (callers remove it). File
// attributes are not changed, so a read-only file stays, and with it the folders above it. A
// folder link (reparse point) is removed as a link: what it points to is never entered. Entries
// whose full path would not fit in a path buffer are left alone; an empty folder names nothing.
void DeleteFolderTree(const char* folder);
