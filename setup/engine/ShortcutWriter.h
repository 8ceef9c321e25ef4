// Writing one shell shortcut file through the shell-link component.
#pragma once
#include "common/logic/TextBuf.h"
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

// The properties of one shortcut. A new one holds empty texts, hot key 0, icon index 0 and show
// command 5 (show normally).
struct ShortcutSpec {
    char targetPath[kPathSize] = "";
    char arguments[kPathSize] = "";
    char description[kPathSize] = "";
    WORD hotKey = 0;
    char iconPath[kPathSize] = "";
    int iconIndex = 0;
    int showCommand = SW_SHOW;
    char workingFolder[kPathSize] = "";
};

// Holds one ShortcutSpec and the shell-link object with its file-saving interface, made on the
// first Assign and released with the writer. The thread must have initialised the component
// system.
class ShortcutWriter {
  public:
    ShortcutWriter() = default;
    ~ShortcutWriter();
    ShortcutWriter(const ShortcutWriter&) = delete;
    ShortcutWriter& operator=(const ShortcutWriter&) = delete;

    // Makes the shell objects (tried once per writer) and takes spec's properties. Answers false,
    // keeping the previous properties, when the objects do not exist.
    bool Assign(const ShortcutSpec& spec);
    // Writes the shortcut file at path with the assigned properties. Answers false when the
    // objects do not exist, the path cannot be converted, or saving fails.
    bool Save(const char* path);

  private:
    bool MakeObjects();

    ShortcutSpec m_spec;
    IShellLinkA* m_link = nullptr;
    IPersistFile* m_file = nullptr;
    bool m_attempted = false;
};
