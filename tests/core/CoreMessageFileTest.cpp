// Reading the language message files into the message table: every key, the product
// placeholder, empty and long values, missing files, reloading and switching the language.
#include "setup/core/Language.h"
#include "setup/core/MessageFile.h"
#include "setup/core/SetupState.h"
#include "setup/core/logic/MessageKeys.h"
#include "support/TestSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace {

class CoreMessageFileTest : public ::testing::Test {
  protected:
    CoreMessageFileTest() {
        CopyText(setupState.sourceFolder, m_medium.Path().c_str());
        setupState.languageCode = "enu";
    }
    ~CoreMessageFileTest() override { FreeMessageTable(); }

    void WriteLanguage(const char* code, const std::string& content) {
        m_medium.Write(std::string("is-00001\\setuplan.") + code, content);
    }
    static bool AllAbsent() {
        for (const char* text : setupState.texts.msg)
            if (text)
                return false;
        for (const char* text : setupState.texts.dlg)
            if (text)
                return false;
        return true;
    }

    CTempFolder m_medium;
};

TEST_F(CoreMessageFileTest, ReadsEveryKeyOfBothSections) {
    std::string content = "[msg]\r\n";
    for (int key = 0; key < MSG_COUNT; ++key)
        content += std::string(MsgKeyName(static_cast<MsgKey>(key))) + "=Message " +
                   MsgKeyName(static_cast<MsgKey>(key)) + "\r\n";
    content += "[DLG]\r\n";
    for (int key = 0; key < DLG_COUNT; ++key) {
        std::string name = DlgKeyName(static_cast<DlgKey>(key));
        for (char& c : name)
            c = static_cast<char>(tolower(c)); // key names match in any letter case
        content += name + "=Dialog " + DlgKeyName(static_cast<DlgKey>(key)) + "\r\n";
    }
    WriteLanguage("enu", content);
    ASSERT_TRUE(LoadMessageTable());
    for (int key = 0; key < MSG_COUNT; ++key)
        EXPECT_EQ(std::string("Message ") + MsgKeyName(static_cast<MsgKey>(key)),
                  Text(static_cast<MsgKey>(key)));
    for (int key = 0; key < DLG_COUNT; ++key)
        EXPECT_EQ(std::string("Dialog ") + DlgKeyName(static_cast<DlgKey>(key)),
                  Text(static_cast<DlgKey>(key)));
}

TEST_F(CoreMessageFileTest, ProductPlaceholderOfP31AndPF1) {
    WriteLanguage("enu", "[DLG]\r\n"
                         "P31=Setup will install %P into this folder\r\n"
                         "PF1=Setup has finished.\r\n"
                         "P32=%P stays in other texts\r\n");
    LoadMessageTable();
    EXPECT_STREQ("Setup will install %s into this folder", Text(DLG_P31));
    EXPECT_STREQ("Setup has finished.", Text(DLG_PF1));
    EXPECT_STREQ("%P stays in other texts", Text(DLG_P32));

    WriteLanguage("deu", "[DLG]\r\nP31=%P wird installiert\r\nPF1=%P ist fertig, %P\r\n");
    setupState.languageCode = "deu";
    LoadMessageTable();
    EXPECT_STREQ("%s wird installiert", Text(DLG_P31));
    EXPECT_STREQ("%s ist fertig, %P", Text(DLG_PF1));
}

TEST_F(CoreMessageFileTest, EmptyValuesAreAbsent) {
    WriteLanguage("enu", "[MSG]\r\n1=\r\n2=Next\r\n[DLG]\r\nP31=\r\n");
    LoadMessageTable();
    EXPECT_EQ(nullptr, setupState.texts.msg[MSG_1]);
    EXPECT_STREQ("", Text(MSG_1));
    EXPECT_STREQ("Next", Text(MSG_2));
    EXPECT_EQ(nullptr, setupState.texts.dlg[DLG_P31]);
    EXPECT_EQ(nullptr, setupState.texts.msg[MSG_4]);
}

TEST_F(CoreMessageFileTest, LongValuesAreCutToTheirBuffers) {
    std::string long400(400, 'x');
    std::string long600(600, 'y');
    WriteLanguage("enu", "[MSG]\r\n13=" + long400 + "\r\n[DLG]\r\nP41=" + long400 +
                             "\r\nP51=" + long400 + "\r\nP5T=" + long400 + "\r\n");
    LoadMessageTable();
    EXPECT_EQ(long400.substr(0, 259), Text(MSG_13));
    EXPECT_EQ(long400.substr(0, 259), Text(DLG_P41));
    EXPECT_EQ(long400, Text(DLG_P51));
    EXPECT_EQ(long400.substr(0, 259), Text(DLG_P5T));

    WriteLanguage("nld", "[DLG]\r\nP51=" + long600 + "\r\n");
    setupState.languageCode = "nld";
    LoadMessageTable();
    EXPECT_EQ(long600.substr(0, 519), Text(DLG_P51));
}

TEST_F(CoreMessageFileTest, MissingFileLeavesEveryTextAbsent) {
    WriteLanguage("enu", "[MSG]\r\n1=Back\r\n");
    LoadMessageTable();
    ASSERT_STREQ("Back", Text(MSG_1));
    setupState.languageCode = "ita";
    EXPECT_TRUE(LoadMessageTable());
    EXPECT_TRUE(AllAbsent());
    setupState.languageCode = nullptr;
    EXPECT_TRUE(LoadMessageTable());
    EXPECT_TRUE(AllAbsent());
}

TEST_F(CoreMessageFileTest, FileBeyondThePathBufferIsNotReadUnderACutName) {
    // "<folder>\is-00001\setuplan.enu" needs 260 characters; the cut name ends in ".en".
    std::string folder = m_medium.Path() + "\\" + std::string(237 - m_medium.Path().size(), 'm');
    ASSERT_EQ(238u, folder.size());
    m_medium.Write(folder.substr(m_medium.Path().size() + 1) + "\\is-00001\\setuplan.en",
                   "[MSG]\r\n1=Wrong file\r\n");
    CopyText(setupState.sourceFolder, folder.c_str());
    EXPECT_TRUE(LoadMessageTable());
    EXPECT_TRUE(AllAbsent());
}

TEST_F(CoreMessageFileTest, SwitchingLanguageReplacesEveryText) {
    WriteLanguage("enu", "[MSG]\r\n1=Back\r\n12=Only English\r\n[DLG]\r\nP1T=Welcome\r\n");
    WriteLanguage("FIN", "[MSG]\r\n1=Takaisin\r\n[DLG]\r\nP1T=Tervetuloa\r\n");
    SwitchLanguage(4);
    EXPECT_EQ(4, setupState.languageIndex);
    EXPECT_STREQ("enu", setupState.languageCode);
    EXPECT_STREQ("Only English", Text(MSG_12));
    SwitchLanguage(5);
    EXPECT_EQ(5, setupState.languageIndex);
    EXPECT_STREQ("FIN", setupState.languageCode);
    EXPECT_STREQ("Takaisin", Text(MSG_1));
    EXPECT_STREQ("Tervetuloa", Text(DLG_P1T));
    EXPECT_EQ(nullptr, setupState.texts.msg[MSG_12]);
    // Rows outside the list change nothing.
    SwitchLanguage(9);
    SwitchLanguage(-1);
    EXPECT_EQ(5, setupState.languageIndex);
    EXPECT_STREQ("Takaisin", Text(MSG_1));
    SwitchLanguage(2); // no file for "deu" here
    EXPECT_STREQ("deu", setupState.languageCode);
    EXPECT_TRUE(AllAbsent());
}

TEST(CoreSampleMedium, EveryLanguageHasEveryText) {
    std::string medium = EnvPath("MEDIUM_DIR");
    ASSERT_FALSE(medium.empty());
    CopyText(setupState.sourceFolder, medium.c_str());
    for (int row = 0; row < kLanguageCount; ++row) {
        SwitchLanguage(row);
        for (int key = 0; key < MSG_COUNT; ++key)
            EXPECT_NE(nullptr, setupState.texts.msg[key])
                << LanguageCode(row) << " [MSG] " << MsgKeyName(static_cast<MsgKey>(key));
        for (int key = 0; key < DLG_COUNT; ++key)
            EXPECT_NE(nullptr, setupState.texts.dlg[key])
                << LanguageCode(row) << " [DLG] " << DlgKeyName(static_cast<DlgKey>(key));
    }
    FreeMessageTable();
}

} // namespace
