// Shared fixture of the engine tests: a medium, a start-up and a target folder in a temporary
// folder, the setup state pointed at them, and the removal of everything an installation leaves.
#pragma once
#include "setup/core/SetupState.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <stdint.h>
#include <ostream>
#include <string>
#include <vector>

// A registry value a test may change or create: the earlier state returns at destruction.
class CRegValueGuard {
  public:
    CRegValueGuard(HKEY root, const std::string& key, const std::string& name);
    ~CRegValueGuard();
    CRegValueGuard(const CRegValueGuard&) = delete;
    CRegValueGuard& operator=(const CRegValueGuard&) = delete;

  private:
    HKEY m_root;
    std::string m_key;
    std::string m_name;
    bool m_existed = false;
    DWORD m_type = 0;
    std::string m_data;
};

// A key a test creates below ancestors that may be missing: the outermost key missing at
// construction is deleted (with everything below it) at destruction.
class CCreatedKeyGuard {
  public:
    CCreatedKeyGuard(HKEY root, const std::string& path);
    ~CCreatedKeyGuard();
    CCreatedKeyGuard(const CCreatedKeyGuard&) = delete;
    CCreatedKeyGuard& operator=(const CCreatedKeyGuard&) = delete;

  private:
    HKEY m_root;
    std::string m_outermost;
};

// One install-log record as the tests compare it.
struct LoggedItem {
    uint8_t type;
    std::string text;
    bool operator==(const LoggedItem& other) const {
        return type == other.type && text == other.text;
    }
};
std::ostream& operator<<(std::ostream& out, const LoggedItem& item);
// The records of an install log file, decoded with the uninstaller's reader.
std::vector<LoggedItem> ReadInstallLog(const std::string& path);

// Registry reads through the platform itself. ReadRegString answers REG_SZ values only.
bool ReadRegString(HKEY root, const std::string& key, const std::string& name, std::string& value);
bool ReadRegDword(HKEY root, const std::string& key, const std::string& name, DWORD& value);
bool RegValueExists(HKEY root, const std::string& key, const std::string& name);
bool RegKeyExists(HKEY root, const std::string& key);
bool WriteRegString(HKEY root, const std::string& key, const std::string& name,
                    const std::string& value);
bool WriteRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name);

// The lines of a text file, without their line ends.
std::vector<std::string> ReadLines(const std::string& path);

extern const char kRunKey[];
extern const char kProductKey[];
extern const char kFamilyRoot[];
extern const char kUninstallRoot[];
extern const char kShellFolders[];

// Everything an installation of product leaves, removed before and after a test: the product's
// registry records, the family counts, the uninstall key, the Run value, "RebootFlags", the
// filter-driver file; and the user's "Programs" folder pointed at programs meanwhile.
class CInstallGuards {
  public:
    CInstallGuards(const std::string& product, const std::string& programs);
    ~CInstallGuards();
    CInstallGuards(const CInstallGuards&) = delete;
    CInstallGuards& operator=(const CInstallGuards&) = delete;

    // The filter driver's place in the system drivers folder.
    const std::string& DriverFile() const { return m_driverFile; }

  private:
    std::string m_driverFile;
    CRegKeyGuard m_productKeyGuard;
    CRegKeyGuard m_familyGuard;
    CRegKeyGuard m_uninstallGuard;
    CRegKeyGuard m_rebootKeyGuard;
    CRegValueGuard m_runGuard;
    CRegValueGuard m_rebootValueGuard;
    CRegValueGuard m_programsGuard;
};

// Copies the folder tree source into target (made as needed); answers whether every file came.
bool CopyFolderTree(const std::string& source, const std::string& target);

class EngineTest : public ::testing::Test {
  protected:
    EngineTest();
    ~EngineTest() override;
    void SetUp() override;
    void TearDown() override;

    // Texts of the setup state, owned by the fixture for the test.
    void SetConfig(char* SetupConfig::*field, const std::string& text);
    void SetMessage(MsgKey key, const std::string& text);
    // The setup state's OS class: one of "win95", "win98", "winme", "nt40", "win2k", "winxp".
    void SetWindows(const std::string& version);

    // The medium's setupm.ini (a default one is written by SetUp).
    void WriteSetupIni(const std::string& text) const;
    // Copies a built stand-in helper of the sample medium onto the test's medium.
    void CopyHelper(const std::string& name) const;
    std::string MediumFile(const std::string& relative) const { return m_medium + "\\" + relative; }
    std::string TargetFile(const std::string& relative) const { return m_target + "\\" + relative; }
    std::vector<LoggedItem> Log() const { return ReadInstallLog(TargetFile("purgekit.log")); }
    // The lines the stand-in helpers recorded, each "<Helper>.<Field>=<value>".
    std::vector<std::string> HelperRecord() const { return ReadLines(m_record); }

    // The records a full copy phase writes into the log with every file present.
    std::vector<LoggedItem> WorkerRecords() const;

    static const char kProduct[];
    static const char kFamily[];
    static const char kSuite[];

    CTempFolder m_temp;
    std::string m_medium;
    std::string m_start;
    std::string m_target;
    std::string m_programs;
    std::string m_driverFile;
    std::string m_record;

  private:
    std::vector<char*> m_owned;
    CInstallGuards m_guards;
};
