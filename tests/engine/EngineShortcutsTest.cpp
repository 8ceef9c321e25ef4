// The Start-menu program folder and its shortcuts, read back through the shell-link component:
// target, working folder, description, icon; nested folders, the end of the "Icons" walk, the
// product-name placeholder, lines without a comma, and a "Programs" folder that cannot be read.
#include "EngineFixture.h"
#include "common/logic/LogRecords.h"
#include "setup/engine/InstallLog.h"
#include "setup/engine/InstallWorker.h"
#include "setup/engine/Shortcuts.h"
#include <objidl.h>
#include <shlobj.h>

namespace {

struct LinkFields {
    std::string target;
    std::string workingFolder;
    std::string description;
    std::string iconPath;
    int iconIndex = -1;
    int showCommand = -1;
};

// Reads a shortcut file back; false when it cannot be loaded.
bool ReadLink(const std::string& path, LinkFields& fields) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    bool loaded =
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide, STGM_READ));
    if (loaded) {
        char text[MAX_PATH];
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        fields.target = text;
        link->GetWorkingDirectory(text, MAX_PATH);
        fields.workingFolder = text;
        link->GetDescription(text, MAX_PATH);
        fields.description = text;
        link->GetIconLocation(text, MAX_PATH, &fields.iconIndex);
        fields.iconPath = text;
        link->GetShowCmd(&fields.showCommand);
    }
    if (file)
        file->Release();
    link->Release();
    return loaded;
}

class EngineShortcuts : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        CoInitialize(nullptr);
        EnsureDirectory(m_target.c_str(), false);
        for (const char* name : {"glider9k.exe", "purgekit.exe", "tool.ico"})
            m_temp.Write("Target\\Level one\\Level two\\" + std::string(name), "target file");
        ASSERT_TRUE(InstallLog.Open(TargetFile("purgekit.log").c_str()));
    }
    void TearDown() override {
        CoUninitialize();
        EngineTest::TearDown();
    }
    void Run(const std::string& icons) {
        WriteSetupIni("[Icons]\r\n" + icons);
        WriteShortcuts();
        InstallLog.Close();
    }
    std::string ProgramFolder() const { return m_programs + "\\" + kFamily + "\\" + kSuite; }
    std::string LinkPath(const std::string& name) const {
        return ProgramFolder() + "\\" + name + ".lnk";
    }
};

} // namespace

TEST_F(EngineShortcuts, WritesEachIconsLineAndRecordsItThenTheFolder) {
    Run("1=glider9k.exe,Mouse Tool\r\n2=glider9k.exe,%s Help,tool.ico\r\n"
        "3=purgekit.exe,Remove it\r\n");
    struct Expected {
        std::string name;
        std::string target;
        std::string icon;
    } expected[] = {
        {"Mouse Tool", TargetFile("glider9k.exe"), TargetFile("glider9k.exe")},
        {std::string(kProduct) + " Help", TargetFile("glider9k.exe"), TargetFile("tool.ico")},
        {"Remove it", TargetFile("purgekit.exe"), TargetFile("purgekit.exe")},
    };
    std::vector<LoggedItem> records;
    for (const Expected& e : expected) {
        LinkFields fields;
        ASSERT_TRUE(ReadLink(LinkPath(e.name), fields)) << e.name;
        EXPECT_EQ(e.target, fields.target);
        EXPECT_EQ(m_target, fields.workingFolder);
        EXPECT_EQ(e.name, fields.description);
        EXPECT_EQ(e.icon, fields.iconPath);
        EXPECT_EQ(0, fields.iconIndex);
        // Show command 5 is stored as the link format's normal window.
        EXPECT_EQ(SW_SHOWNORMAL, fields.showCommand);
        records.push_back({LOG_SHORTCUT, LinkPath(e.name)});
    }
    records.push_back({LOG_PROGRAM_FOLDER, ProgramFolder()});
    EXPECT_EQ(records, Log());
    EXPECT_TRUE(FolderExists(m_programs + "\\" + kFamily));
}

TEST_F(EngineShortcuts, WalkStopsAtTheFirstMissingKey) {
    Run("1=glider9k.exe,One\r\n2=glider9k.exe,Two\r\n4=glider9k.exe,Four\r\n");
    EXPECT_TRUE(FileExists(LinkPath("One")));
    EXPECT_TRUE(FileExists(LinkPath("Two")));
    EXPECT_FALSE(FileExists(LinkPath("Four")));
    EXPECT_EQ(3u, Log().size());
}

TEST_F(EngineShortcuts, PlaceholderIsFilledWithoutFormatting) {
    SetMessage(MSG_12, "Mouse %d%n");
    Run("1=glider9k.exe,%s Help\r\n2=glider9k.exe,100% %x\r\n");
    EXPECT_TRUE(FileExists(LinkPath("Mouse %d%n Help")));
    EXPECT_TRUE(FileExists(LinkPath("100% %x")));
}

TEST_F(EngineShortcuts, LineWithoutACommaMakesNoShortcutAndNoRecord) {
    Run("1=glider9k.exe\r\n2=glider9k.exe,After\r\n");
    std::vector<LoggedItem> expected = {{LOG_SHORTCUT, LinkPath("After")},
                                        {LOG_PROGRAM_FOLDER, ProgramFolder()}};
    EXPECT_EQ(expected, Log());
    EXPECT_FALSE(FileExists(LinkPath("glider9k.exe")));
}

TEST_F(EngineShortcuts, NameThatMakesThePathTooLongIsPassedOver) {
    std::string name(260 - ProgramFolder().size() - 5, 'n');
    Run("1=glider9k.exe," + name + "\r\n2=glider9k.exe," + name.substr(1) + "\r\n");
    std::vector<LoggedItem> expected = {{LOG_SHORTCUT, LinkPath(name.substr(1))},
                                        {LOG_PROGRAM_FOLDER, ProgramFolder()}};
    EXPECT_EQ(expected, Log());
}

TEST_F(EngineShortcuts, NothingIsMadeWhenProgramsCannotBeRead) {
    DeleteRegValue(HKEY_CURRENT_USER, kShellFolders, "Programs");
    char root[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, root);
    std::string atRoot = std::string(root, 2) + "\\" + kFamily;
    Run("1=glider9k.exe,Mouse Tool\r\n");
    EXPECT_FALSE(FolderExists(atRoot));
    EXPECT_TRUE(Log().empty());
}

TEST_F(EngineShortcuts, RerunOverwritesShortcutsOfTheSameName) {
    Run("1=glider9k.exe,Mouse Tool\r\n");
    ASSERT_TRUE(InstallLog.Open(TargetFile("purgekit.log").c_str()));
    Run("1=purgekit.exe,Mouse Tool\r\n");
    LinkFields fields;
    ASSERT_TRUE(ReadLink(LinkPath("Mouse Tool"), fields));
    EXPECT_EQ(TargetFile("purgekit.exe"), fields.target);
}
