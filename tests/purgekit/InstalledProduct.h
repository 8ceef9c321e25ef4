// An installed product as Setup leaves it behind, made by the test: the files of the installation
// folder with the uninstaller and its helpers, the filter-driver file, the Start-menu program
// folder, the install log in Setup's order, the product's registry records and the uninstall
// entry. Everything that remains is removed again at destruction.
#pragma once
#include "PurgekitFixture.h"
#include <windows.h>
#include <string>
#include <vector>

class CInstalledProduct {
  public:
    static const char kFamily[];  // InstallName, the family folder
    static const char kProduct[]; // SubInstallName, the product folder
    static const char kName[];    // ProductName, the uninstall entry's name

    // familyCount: INSTALLCOUNT written into the family key (0: no family key).
    explicit CInstalledProduct(DWORD familyCount = 1);
    ~CInstalledProduct();
    CInstalledProduct(const CInstalledProduct&) = delete;
    CInstalledProduct& operator=(const CInstalledProduct&) = delete;

    const std::string& Folder() const { return m_folder; }
    std::string File(const std::string& name) const { return m_folder + "\\" + name; }
    const std::string& ProgramFolder() const { return m_programFolder; }
    const std::string& DriverFile() const { return m_driverFile; }
    std::string FamilyKey() const;
    std::string UninstallKey() const;
    // The command Windows starts the uninstaller with: UninstallString of the uninstall entry.
    std::string UninstallCommand() const;
    // Every file and folder the installation made, for checks that they are gone.
    const std::vector<std::string>& Items() const { return m_items; }

    // Removes whatever the installation left (files, folders, keys, values).
    static void RemoveLeftovers();

  private:
    void WriteFiles();
    void WriteRegistry(DWORD familyCount);
    void WriteLog();

    CNewKeyGuard m_familyRoot;
    std::string m_programFiles;
    std::string m_folder;
    std::string m_programFolder;
    std::string m_driverFile;
    std::vector<std::string> m_items;
};
