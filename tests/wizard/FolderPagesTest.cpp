// The destination and program-folder pages: what they show, and what Next stores.
#include "WizardRun.h"
#include "common/Registry.h"
#include "setup/core/SetupState.h"
#include "support/TempFolder.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace uidriver;

namespace {

const int kEdit = 1018, kList = 1014;
const char kSampleTarget[] = "C:\\Program Files\\Example Input\\Mouse Suite";
const char kSampleProgramFolder[] = "Example Input\\Mouse Suite";

std::string ProgramsFolder() {
    CRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    registry.SetKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", false);
    return registry.GetString("Programs", "");
}

std::string ProgramFolderNow() {
    return ConfigText(setupState.config.programFolder);
}

void GoTo(const CWizard& wizard, int step) {
    while (wizard.Step() < step)
        wizard.Next();
}

bool SortedAsTheListSortsThem(const std::vector<std::string>& rows) {
    return std::is_sorted(rows.begin(), rows.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
               CSTR_LESS_THAN;
    });
}

// Folders (and a file) made in the user's Programs folder for one test, removed afterwards.
class CProgramsEntries {
  public:
    explicit CProgramsEntries(const std::vector<std::string>& folders) : m_root(ProgramsFolder()) {
        for (const std::string& folder : folders) {
            m_paths.push_back(m_root + "\\" + folder);
            CreateDirectoryA(m_paths.back().c_str(), nullptr);
        }
        m_file = m_root + "\\Wizard test file.lnk";
        HANDLE file =
            CreateFileA(m_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    ~CProgramsEntries() {
        DeleteFileA(m_file.c_str());
        for (const std::string& path : m_paths)
            RemoveDirectoryA(path.c_str());
    }
    CProgramsEntries(const CProgramsEntries&) = delete;
    CProgramsEntries& operator=(const CProgramsEntries&) = delete;

  private:
    std::string m_root;
    std::string m_file;
    std::vector<std::string> m_paths;
};

} // namespace

TEST(WizardDestinationPage, StoresATypedFolderOnNextAndShowsTheStoredOneWhenComingBack) {
    std::string stored;
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        GoTo(wizard, 2);
        EXPECT_EQ(kSampleTarget, Text(wizard.Item(kEdit)));
        ASSERT_TRUE(SetEditText(wizard.Item(kEdit), "D:\\Wizard Test\\First"));
        wizard.Next();
        EXPECT_STREQ("D:\\Wizard Test\\First", setupState.targetFolder);
        wizard.Back();
        EXPECT_EQ("D:\\Wizard Test\\First", Text(wizard.Item(kEdit)));

        // Editing and leaving backwards stores nothing; the page shows the stored folder again.
        ASSERT_TRUE(SetEditText(wizard.Item(kEdit), "D:\\Not Stored"));
        wizard.Back();
        EXPECT_STREQ("D:\\Wizard Test\\First", setupState.targetFolder);
        wizard.Next();
        EXPECT_EQ("D:\\Wizard Test\\First", Text(wizard.Item(kEdit)));

        ASSERT_TRUE(SetEditText(wizard.Item(kEdit), "D:\\Wizard Test\\Second"));
        wizard.Next();
        wizard.Next();
        wizard.Back();
        wizard.Back();
        EXPECT_EQ("D:\\Wizard Test\\Second", Text(wizard.Item(kEdit)));
        stored = setupState.targetFolder;
    });
    EXPECT_EQ("D:\\Wizard Test\\Second", stored);
}

TEST(WizardDestinationPage, CutsAFolderOfMoreThan259Characters) {
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        GoTo(wizard, 2);
        std::string longPath = "D:\\" + std::string(300, 'x');
        ASSERT_TRUE(SetEditText(wizard.Item(kEdit), longPath));
        wizard.Next();
        EXPECT_EQ(longPath.substr(0, 259), setupState.targetFolder);
    });
}

TEST(WizardDestinationPage, ShowsItsFolderInBoldBlueTimesNewRomanOnWhite) {
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        GoTo(wizard, 2);
        LabelFont font;
        ASSERT_TRUE(ReadLabelFont(wizard.Item(kEdit), font));
        EXPECT_EQ("Times New Roman", font.face);
        EXPECT_EQ(-12, font.height);
        EXPECT_EQ(800, font.weight);
        COLORREF ink = 0;
        ASSERT_TRUE(ReadInkColour(wizard.Item(kEdit), ink));
        EXPECT_EQ(RGB(0, 0, 255), ink);
        LabelFont sizeFont;
        ASSERT_TRUE(ReadLabelFont(wizard.Item(1009), sizeFont));
        EXPECT_EQ("2.00 MB.", Text(wizard.Item(1009)));
        EXPECT_EQ(FW_BOLD, sizeFont.weight);
        EXPECT_EQ(-12, sizeFont.height);
    });
}

TEST(WizardProgramFolderPage, ListsTheProgramsFoldersSortedAndASelectionReplacesTheEditText) {
    CProgramsEntries entries({"Wizard Zeta", "wizard alpha", "Wizard Beta"});
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        GoTo(wizard, 3);
        EXPECT_EQ(kSampleProgramFolder, Text(wizard.Item(kEdit)));
        std::vector<std::string> rows = ListItems(wizard.Item(kList));
        EXPECT_TRUE(SortedAsTheListSortsThem(rows));
        for (const char* folder : {"Wizard Zeta", "wizard alpha", "Wizard Beta"})
            EXPECT_NE(rows.end(), std::find(rows.begin(), rows.end(), folder)) << folder;
        EXPECT_EQ(rows.end(), std::find(rows.begin(), rows.end(), "Wizard test file.lnk"));
        EXPECT_EQ(rows.end(), std::find(rows.begin(), rows.end(), "."));
        EXPECT_EQ(rows.end(), std::find(rows.begin(), rows.end(), ".."));

        int beta = (int)(std::find(rows.begin(), rows.end(), "Wizard Beta") - rows.begin());
        ASSERT_TRUE(SelectListRow(wizard.Item(kList), beta));
        wizard.Settle();
        EXPECT_EQ("Wizard Beta", Text(wizard.Item(kEdit)));
        wizard.Next();
        EXPECT_EQ("Wizard Beta", ProgramFolderNow());
        wizard.Back();
        EXPECT_EQ("Wizard Beta", Text(wizard.Item(kEdit)));
    });
}

TEST(WizardProgramFolderPage, AnEmptyEditKeepsTheProgramFolderAndATypedOneReplacesIt) {
    RunWizard(SampleMedium(), [&](CWizard& wizard) {
        GoTo(wizard, 3);
        ASSERT_TRUE(SetEditText(wizard.Item(kEdit), ""));
        wizard.Next();
        EXPECT_EQ(kSampleProgramFolder, ProgramFolderNow());
        wizard.Back();
        EXPECT_EQ(kSampleProgramFolder, Text(wizard.Item(kEdit)));

        ASSERT_TRUE(PressKey(wizard.Item(kEdit), VK_END));
        ASSERT_TRUE(TypeChars(wizard.Item(kEdit), " 2"));
        wizard.Next();
        EXPECT_EQ(std::string(kSampleProgramFolder) + " 2", ProgramFolderNow());
    });
}
