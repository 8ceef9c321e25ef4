// Loading "uninst.un2": found through AppPath, the working directory moved there, the texts kept;
// a missing file answers 0 and keeps the texts; without the product key the start-up folder is
// searched.
#include "PurgekitFixture.h"
#include "RemovalStateGuard.h"
#include "purgekit/RemovalState.h"
#include "purgekit/RemovalStrings.h"
#include <gtest/gtest.h>

TEST(PurgekitStringsFile, LoadsFromTheInstallationFolderAndEntersIt) {
    CRemovalStateGuard state;
    CRegKeyGuard key(HKEY_LOCAL_MACHINE, kProductKey);
    CTempFolder install;
    CWorkingDirGuard workingDir;
    install.Write("uninst.un2", "P1T=Uninstall\r\nNEXTBTN =x\r\nP1=a=b\r\nP1=c=d\r\n");
    ASSERT_TRUE(WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", install.Path()));

    EXPECT_EQ(1, LoadRemovalStrings());
    EXPECT_EQ(install.Path(), removalState.installFolder);
    EXPECT_STREQ("Uninstall", Text(RS_P1T));
    EXPECT_STREQ("c=d", Text(RS_P1));
    EXPECT_EQ(nullptr, removalState.strings.text[RS_NEXTBTN]);
    EXPECT_EQ(0, _stricmp(install.Path().c_str(), WorkingDir().c_str()));
}

TEST(PurgekitStringsFile, MissingFileAnswersZeroAndKeepsTheTexts) {
    CRemovalStateGuard state;
    CRegKeyGuard key(HKEY_LOCAL_MACHINE, kProductKey);
    CTempFolder install;
    CWorkingDirGuard workingDir;
    install.Write("uninst.un2", "P2T=kept\n");
    ASSERT_TRUE(WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", install.Path()));
    ASSERT_EQ(1, LoadRemovalStrings());
    ASSERT_TRUE(DeleteFileA(install.File("uninst.un2").c_str()));

    EXPECT_EQ(0, LoadRemovalStrings());
    EXPECT_STREQ("kept", Text(RS_P2T));
}

TEST(PurgekitStringsFile, WithoutTheProductKeyTheWorkingDirectoryIsSearched) {
    CRemovalStateGuard state;
    CRegKeyGuard key(HKEY_LOCAL_MACHINE, kProductKey);
    CTempFolder start;
    CWorkingDirGuard workingDir;
    start.Write("uninst.un2", "ABORTBTN=Cancel\n");
    SetCurrentDirectoryA(start.Path().c_str());

    EXPECT_EQ(1, LoadRemovalStrings());
    EXPECT_STREQ("", removalState.installFolder);
    EXPECT_STREQ("Cancel", Text(RS_ABORTBTN));
    EXPECT_EQ(0, _stricmp(start.Path().c_str(), WorkingDir().c_str()));
}

TEST(PurgekitStringsFile, AnEmptyAppPathKeepsTheWorkingDirectory) {
    CRemovalStateGuard state;
    CRegKeyGuard key(HKEY_LOCAL_MACHINE, kProductKey);
    CTempFolder start;
    CWorkingDirGuard workingDir;
    SetCurrentDirectoryA(start.Path().c_str());
    ASSERT_TRUE(WriteRegText(HKEY_LOCAL_MACHINE, kProductKey, "AppPath", ""));

    EXPECT_EQ(0, LoadRemovalStrings());
    EXPECT_EQ(0, _stricmp(start.Path().c_str(), WorkingDir().c_str()));
}
