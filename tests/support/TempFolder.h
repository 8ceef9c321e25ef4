// A temporary folder for one test, removed with its contents afterwards.
#pragma once
#include <string>

class CTempFolder {
  public:
    // Creates a new, empty, uniquely named folder below the Windows temporary folder.
    CTempFolder();
    // Deletes the folder and everything below it.
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder's Windows path, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    // Path + "\" + relative.
    std::string File(const std::string& relative) const;
    // Writes content as bytes to the file relative to the folder, creating its parent folders;
    // answers the file's full path.
    std::string Write(const std::string& relative, const std::string& content) const;

  private:
    std::string m_path;
};

// Deletes a folder and everything below it; answers whether it is gone.
bool DeleteFolderTree(const std::string& path);
// Reads a whole file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);
// Whether path names an existing file, or an existing folder.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
