// The 16-bit helper's command line: program path quoted when it has a blank, the folder, "\winme".
#include "setup/engine/logic/HelperCommand.h"
#include <gtest/gtest.h>
#include <string>

TEST(EngineHelperCommand, QuotesTheProgramOnlyWhenItHasABlank) {
    struct Case {
        const char* program;
        const char* folder;
        bool winMe;
        const char* commandLine;
    } cases[] = {
        {"C:\\MEDIUM\\SETUP16.EXE", "C:\\MEDIUM", false, "C:\\MEDIUM\\SETUP16.EXE C:\\MEDIUM"},
        {"C:\\My Medium\\SETUP16.EXE", "C:\\MYMEDI~1", false,
         "\"C:\\My Medium\\SETUP16.EXE\" C:\\MYMEDI~1"},
        {"C:\\My Medium\\SETUP16.EXE", "C:\\MYMEDI~1", true,
         "\"C:\\My Medium\\SETUP16.EXE\" C:\\MYMEDI~1\\winme"},
        {"\"C:\\My Medium\\SETUP16.EXE\"", "C:\\M", false, "\"C:\\My Medium\\SETUP16.EXE\" C:\\M"},
    };
    for (const Case& c : cases) {
        char commandLine[kCommandLineSize];
        EXPECT_TRUE(BuildHelperCommandLine(commandLine, c.program, c.folder, c.winMe));
        EXPECT_STREQ(c.commandLine, commandLine);
    }
}

TEST(EngineHelperCommand, LongestPathsFit) {
    std::string program = "C:\\a b" + std::string(251, 'x');
    std::string folder = "C:\\" + std::string(256, 'f');
    char commandLine[kCommandLineSize];
    EXPECT_TRUE(BuildHelperCommandLine(commandLine, program.c_str(), folder.c_str(), true));
    EXPECT_EQ("\"" + program + "\" " + folder + "\\winme", commandLine);
}
