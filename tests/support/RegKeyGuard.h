// Removes a test's registry key tree before and after the test.
#pragma once
#include <windows.h>
#include <string>

// Deletes root\path with all its subkeys and values; answers whether the key is gone.
bool DeleteKeyTree(HKEY root, const std::string& path);

class CRegKeyGuard {
  public:
    // Deletes root\path (so the test starts without it) and again at destruction.
    CRegKeyGuard(HKEY root, const std::string& path);
    ~CRegKeyGuard();
    CRegKeyGuard(const CRegKeyGuard&) = delete;
    CRegKeyGuard& operator=(const CRegKeyGuard&) = delete;

    const std::string& Path() const { return m_path; }

  private:
    HKEY m_root;
    std::string m_path;
};
