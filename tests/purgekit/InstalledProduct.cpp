// The installed state of a product, made the way Setup makes it.
#include "InstalledProduct.h"
#include "PurgekitFixture.h"
#include "support/TestSupport.h"

const char CInstalledProduct::kFamily[] = "Purgekit E2E Family";
const char CInstalledProduct::kProduct[] = "E2E Product";
const char CInstalledProduct::kName[] = "Purgekit E2E Suite";

namespace {
const char kProductKey[] = "Software\\ZephyrPoint";
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ProgramFilesFolder() {
    return ReadRegText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                       "ProgramFilesDir");
}

std::string ProgramsFolder() {
    return ReadRegText(HKEY_CURRENT_USER, kShellFolders, "Programs");
}

std::string DriverPath() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\system32\\Drivers\\QXRHMSYS.SYS";
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void CreateFolders(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}
} // namespace

CInstalledProduct::CInstalledProduct(DWORD familyCount)
    : m_familyRoot(HKEY_LOCAL_MACHINE, "SOFTWARE\\KOVRASETUP"),
      m_programFiles(ProgramFilesFolder()),
      m_folder(m_programFiles + "\\" + kFamily + "\\" + kProduct),
      m_programFolder(ProgramsFolder() + "\\" + kFamily + "\\" + kProduct),
      m_driverFile(DriverPath()) {
    RemoveLeftovers();
    WriteFiles();
    WriteRegistry(familyCount);
    WriteLog();
}

CInstalledProduct::~CInstalledProduct() {
    RemoveLeftovers();
}

std::string CInstalledProduct::FamilyKey() const {
    return std::string("SOFTWARE\\KOVRASETUP\\") + kFamily;
}

std::string CInstalledProduct::UninstallKey() const {
    return std::string("Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\") + kName;
}

std::string CInstalledProduct::UninstallCommand() const {
    return ReadRegText(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString");
}

void CInstalledProduct::WriteFiles() {
    CreateFolders(m_folder + "\\RES");
    CreateFolders(m_programFolder);
    const char* payload[] = {"tuning.lrd",      "device.bmp",  "tuning.dat",
                             "glihook9.dll",    "brand.bmp",   "mtable.dat",
                             "res\\notify.ico", "rollRes.dll", "langsel.dll"};
    for (const char* name : payload) {
        WriteBytes(File(name), std::string("payload ") + name);
        m_items.push_back(File(name));
    }
    CopyFileA(EnvPath("GLIDER_EXE").c_str(), File("glider9k.exe").c_str(), FALSE);
    WriteBytes(File("tuning.ini"), "[Main]\r\nVER=2.1.0.0\r\n");
    WriteBytes(m_driverFile, "filter driver");
    CopyFileA((EnvPath("MEDIUM_DIR") + "\\is-00001\\uninst.enu").c_str(),
              File("uninst.un2").c_str(), FALSE);
    CopyFileA(EnvPath("PURGEKIT_EXE").c_str(), File("purgekit.exe").c_str(), FALSE);
    CopyFileA(EnvPath("RMHELP32_DLL").c_str(), File("rmhelp32.dll").c_str(), FALSE);
    CopyFileA(EnvPath("RMHELP16_EXE").c_str(), File("rmhelp16.exe").c_str(), FALSE);
    WritePrivateProfileStringA("Manufacture", "Manufacture", "Example Input Devices",
                               File("MouInfo.ini").c_str());
    for (const char* name : {"Purgekit E2E Suite.lnk", "Mouse Tray Notifier.lnk"})
        WriteBytes(m_programFolder + "\\" + name, "shortcut");
    for (const char* name : {"glider9k.exe", "tuning.ini", "uninst.un2", "purgekit.exe",
                             "rmhelp32.dll", "rmhelp16.exe", "MouInfo.ini", "purgekit.log"})
        m_items.push_back(File(name));
    m_items.push_back(m_driverFile);
    m_items.push_back(m_folder + "\\RES");
    m_items.push_back(m_folder);
    m_items.push_back(m_programFolder);
    m_items.push_back(m_programFiles + "\\" + kFamily);
    m_items.push_back(ProgramsFolder() + "\\" + kFamily);
}

void CInstalledProduct::WriteRegistry(DWORD familyCount) {
    WriteRegText(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU", File("glider9k.exe"));
    WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "InstallName", kFamily);
    WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "SubInstallName", kProduct);
    if (familyCount)
        WriteRegDword(HKEY_LOCAL_MACHINE, FamilyKey(), "INSTALLCOUNT", familyCount);
    WriteRegText(HKEY_LOCAL_MACHINE, UninstallKey(), "DisplayName", kName);
    WriteRegText(HKEY_LOCAL_MACHINE, UninstallKey(), "UninstallString", File("purgekit.exe"));
    WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", m_folder);
    WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "ProductName", kName);
    WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "ProductKey", "glider9k.exe");
}

void CInstalledProduct::WriteLog() {
    LogRecords records;
    for (const char* name :
         {"tuning.lrd", "glider9k.exe", "device.bmp", "tuning.dat", "glihook9.dll"})
        records.push_back({0xFF, File(name)});
    records.push_back({0xFF, m_driverFile});
    for (const char* name :
         {"brand.bmp", "mtable.dat", "res\\notify.ico", "rollRes.dll", "langsel.dll", "tuning.ini"})
        records.push_back({0xFF, File(name)});
    records.push_back({0xFE, m_folder + "\\RES"});
    records.push_back({0xFF, File("uninst.un2")});
    records.push_back({0xFF, File("purgekit.log")});
    records.push_back({0xFE, m_folder});
    records.push_back({0xFD, "RERODUDEDARADU"});
    for (const char* name : {"Purgekit E2E Suite.lnk", "Mouse Tray Notifier.lnk"})
        records.push_back({0xFB, m_programFolder + "\\" + name});
    records.push_back({0xFC, m_programFolder});
    records.push_back({0xFA, UninstallKey()});
    WriteBytes(File("purgekit.log"), LogBytes(records));
}

void CInstalledProduct::RemoveLeftovers() {
    std::string programFiles = ProgramFilesFolder();
    DeleteFolderTree(programFiles + "\\" + kFamily);
    DeleteFolderTree(ProgramsFolder() + "\\" + kFamily);
    DeleteFileA(DriverPath().c_str());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string("SOFTWARE\\KOVRASETUP\\") + kFamily);
    DeleteKeyTree(HKEY_LOCAL_MACHINE,
                  std::string("Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\") + kName);
    HKEY run;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, "RERODUDEDARADU");
        RegCloseKey(run);
    }
}
