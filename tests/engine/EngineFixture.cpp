// Shared fixture of the engine tests: folders, setup state, registry and file clean-up.
#include "EngineFixture.h"
#include "common/App.h"
#include "common/logic/LogRecords.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include <stdlib.h>
#include <string.h>

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kProductKey[] = "Software\\ZephyrPoint";
const char kFamilyRoot[] = "SOFTWARE\\KOVRASETUP";
const char kUninstallRoot[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const char EngineTest::kProduct[] = "Engine Test Mouse";
const char EngineTest::kFamily[] = "Engine Test Family";
const char EngineTest::kSuite[] = "Engine Test Suite";

namespace {

const char kDefaultSetupIni[] = "[Manufacture]\r\nManufacture=Engine Test Devices\r\n"
                                "[Product]\r\nVER=9.8.7.6\r\n"
                                "[Applications]\r\nMain=glider9k.exe\r\nIniFile=tuning.ini\r\n"
                                "[Icons]\r\n1=glider9k.exe,Mouse Tool\r\n";

std::string WindowsFolder() {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

} // namespace

CRegValueGuard::CRegValueGuard(HKEY root, const std::string& key, const std::string& name)
    : m_root(root), m_key(key), m_name(name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    char data[4096];
    DWORD size = sizeof data;
    m_existed = RegQueryValueExA(handle, name.c_str(), nullptr, &m_type,
                                 reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
    if (m_existed)
        m_data.assign(data, size);
    RegCloseKey(handle);
}

CRegValueGuard::~CRegValueGuard() {
    HKEY handle;
    if (RegOpenKeyExA(m_root, m_key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return;
    if (m_existed)
        RegSetValueExA(handle, m_name.c_str(), 0, m_type,
                       reinterpret_cast<const BYTE*>(m_data.data()),
                       static_cast<DWORD>(m_data.size()));
    else
        RegDeleteValueA(handle, m_name.c_str());
    RegCloseKey(handle);
}

CCreatedKeyGuard::CCreatedKeyGuard(HKEY root, const std::string& path) : m_root(root) {
    for (size_t cut = path.find('\\');; cut = path.find('\\', cut + 1)) {
        std::string prefix = path.substr(0, cut);
        if (!RegKeyExists(root, prefix)) {
            m_outermost = prefix;
            return;
        }
        if (cut == std::string::npos)
            return;
    }
}

CCreatedKeyGuard::~CCreatedKeyGuard() {
    if (!m_outermost.empty())
        DeleteKeyTree(m_root, m_outermost);
}

std::ostream& operator<<(std::ostream& out, const LoggedItem& item) {
    char type[8];
    snprintf(type, sizeof type, "0x%02X", item.type);
    return out << type << " \"" << item.text << "\"";
}

std::vector<LoggedItem> ReadInstallLog(const std::string& path) {
    std::string data = ReadFileText(path);
    std::vector<LoggedItem> items;
    CLogReader reader(data.data(), data.size());
    LogRecord record;
    while (reader.Next(record))
        items.push_back({record.type, std::string(record.text, record.length)});
    return items;
}

bool ReadRegString(HKEY root, const std::string& key, const std::string& name, std::string& value) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    char data[1024];
    DWORD size = sizeof data;
    DWORD type = 0;
    bool read = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
                type == REG_SZ;
    RegCloseKey(handle);
    if (read)
        value.assign(data, size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    return read;
}

bool ReadRegDword(HKEY root, const std::string& key, const std::string& name, DWORD& value) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = sizeof value;
    DWORD type = 0;
    bool read = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
                type == REG_DWORD;
    RegCloseKey(handle);
    return read;
}

bool RegValueExists(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    bool exists =
        RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return exists;
}

bool RegKeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

static bool WriteRegValue(HKEY root, const std::string& key, const std::string& name, DWORD type,
                          const void* data, DWORD size) {
    HKEY handle;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                  size) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return written;
}

bool WriteRegString(HKEY root, const std::string& key, const std::string& name,
                    const std::string& value) {
    return WriteRegValue(root, key, name, REG_SZ, value.c_str(),
                         static_cast<DWORD>(value.size() + 1));
}

bool WriteRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
    return WriteRegValue(root, key, name, REG_DWORD, &value, sizeof value);
}

bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return false;
    bool deleted = RegDeleteValueA(handle, name.c_str()) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return deleted;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::string text = ReadFileText(path);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

CInstallGuards::CInstallGuards(const std::string& product, const std::string& programs)
    : m_driverFile(WindowsFolder() + "\\system32\\Drivers\\QXRHMSYS.SYS"),
      m_productKeyGuard(HKEY_LOCAL_MACHINE, kProductKey),
      m_familyGuard(HKEY_LOCAL_MACHINE, kFamilyRoot),
      m_uninstallGuard(HKEY_LOCAL_MACHINE, std::string(kUninstallRoot) + "\\" + product),
      m_rebootKeyGuard(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags"),
      m_runGuard(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU"),
      m_rebootValueGuard(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags"),
      m_programsGuard(HKEY_CURRENT_USER, kShellFolders, "Programs") {
    DeleteFileA(m_driverFile.c_str());
    DeleteRegValue(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags");
    DeleteRegValue(HKEY_LOCAL_MACHINE, kRunKey, "RERODUDEDARADU");
    CreateDirectoryA(programs.c_str(), nullptr);
    WriteRegString(HKEY_CURRENT_USER, kShellFolders, "Programs", programs);
}

CInstallGuards::~CInstallGuards() {
    DeleteFileA(m_driverFile.c_str());
}

bool CopyFolderTree(const std::string& source, const std::string& target) {
    CreateDirectoryA(target.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool whole = true;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            whole = CopyFolderTree(source + "\\" + name, target + "\\" + name) && whole;
        else
            whole =
                CopyFileA((source + "\\" + name).c_str(), (target + "\\" + name).c_str(), FALSE) &&
                whole;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return whole;
}

EngineTest::EngineTest() : m_guards(kProduct, m_temp.File("Programs")) {}

EngineTest::~EngineTest() = default;

void EngineTest::SetUp() {
    m_medium = m_temp.File("Medium");
    m_start = m_temp.File("Start");
    m_target = m_temp.File("Target\\Level one\\Level two");
    m_programs = m_temp.File("Programs");
    m_record = m_temp.File("helpers.txt");
    m_driverFile = m_guards.DriverFile();
    SetEnvironmentVariableA("SETUP_HELPER_RECORD", m_record.c_str());
    SetEnvironmentVariableA("SETUP_HELPER_REBOOTFLAGS", nullptr);
    SetEnvironmentVariableA("SETUP_HELPER_RESTARTFLAG", nullptr);

    for (int i = 0; i < PAYLOAD_COUNT; ++i) {
        std::string name = PayloadFiles[i];
        if (i == PAYLOAD_LOG || i == PAYLOAD_UNINSTALLER)
            continue;
        std::string folder = i >= PAYLOAD_FIRST_LANGUAGE  ? "deu\\"
                             : i >= PAYLOAD_FIRST_HELPER  ? ""
                             : i >= PAYLOAD_FIRST_VARIANT ? "4D\\"
                                                          : "";
        m_temp.Write("Medium\\" + folder + name, "medium " + folder + name);
    }
    m_temp.Write("Medium\\deu\\tuning.ini", "[Main]\r\nLanguage=deu\r\n");
    m_temp.Write("Medium\\is-00001\\uninst.deu", "medium is-00001\\uninst.deu");
    m_temp.Write("Medium\\is-00001\\uninst.FIN", "medium is-00001\\uninst.FIN");
    m_temp.Write("Medium\\purgekit.exe", "medium purgekit.exe");
    m_temp.Write("Medium\\Win98\\purgekit.exe", "medium Win98\\purgekit.exe");
    m_temp.Write("Start\\QXRHMSYS.SYS", "start QXRHMSYS.SYS");
    WriteSetupIni(kDefaultSetupIni);

    CopyText(setupState.sourceFolder, m_medium.c_str());
    CopyText(setupState.startFolder, m_start.c_str());
    CopyText(setupState.targetFolder, m_target.c_str());
    setupState.languageCode = "deu";
    SetWindows("win2k");
    setupState.restartFlag = 1;
    SetConfig(&SetupConfig::productName, kProduct);
    SetConfig(&SetupConfig::productKey, "glider9k.exe");
    SetConfig(&SetupConfig::mainTitle, kFamily);
    SetConfig(&SetupConfig::captionBar, kSuite);
    SetConfig(&SetupConfig::programFolder, std::string(kFamily) + "\\" + kSuite);
    SetMessage(MSG_12, kProduct);
    workerRunning = 0;
}

void EngineTest::TearDown() {
    InstallLog.Close();
    setupState.config = SetupConfig{};
    setupState.texts = MessageTable{};
    for (char* text : m_owned)
        free(text);
    m_owned.clear();
    SetWindows("");
    setupState.restartFlag = 1;
    setupState.languageCode = nullptr;
    setupState.sourceFolder[0] = setupState.startFolder[0] = setupState.targetFolder[0] = '\0';
    theApp.SetMainWindow(nullptr);
    SetEnvironmentVariableA("SETUP_HELPER_RECORD", nullptr);
    SetEnvironmentVariableA("SETUP_HELPER_REBOOTFLAGS", nullptr);
    SetEnvironmentVariableA("SETUP_HELPER_RESTARTFLAG", nullptr);
    DeleteFileA(m_driverFile.c_str());
}

void EngineTest::SetConfig(char* SetupConfig::*field, const std::string& text) {
    char* copy = _strdup(text.c_str());
    m_owned.push_back(copy);
    setupState.config.*field = copy;
}

void EngineTest::SetMessage(MsgKey key, const std::string& text) {
    char* copy = _strdup(text.c_str());
    m_owned.push_back(copy);
    setupState.texts.msg[key] = copy;
}

void EngineTest::SetWindows(const std::string& version) {
    setupState.isWin95 = version == "win95";
    setupState.isWin98 = version == "win98";
    setupState.isWinMe = version == "winme";
    setupState.isNtOther = version == "nt40" || version == "vista";
    setupState.isWin2000 = version == "win2k";
    setupState.isWinXP = version == "winxp";
}

void EngineTest::WriteSetupIni(const std::string& text) const {
    m_temp.Write("Medium\\setupm.ini", text);
}

void EngineTest::CopyHelper(const std::string& name) const {
    std::string source = EnvPath("MEDIUM_DIR") + "\\" + name;
    ASSERT_TRUE(CopyFileA(source.c_str(), MediumFile(name).c_str(), FALSE)) << source;
}

std::vector<LoggedItem> EngineTest::WorkerRecords() const {
    std::vector<LoggedItem> records;
    for (int i = PAYLOAD_FIRST_PROGRAM; i < PAYLOAD_FIRST_VARIANT; ++i)
        records.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    records.push_back({LOG_FILE, m_driverFile});
    for (int i = PAYLOAD_FIRST_VARIANT; i < PAYLOAD_FIRST_HELPER; ++i)
        records.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    for (int i = PAYLOAD_FIRST_LANGUAGE; i < PAYLOAD_UNINSTALLER; ++i)
        records.push_back({LOG_FILE, TargetFile(PayloadFiles[i])});
    records.push_back({LOG_FOLDER, TargetFile("RES")});
    records.push_back({LOG_FILE, TargetFile("uninst.un2")});
    records.push_back({LOG_FILE, TargetFile("purgekit.log")});
    records.push_back({LOG_FOLDER, m_target});
    return records;
}
