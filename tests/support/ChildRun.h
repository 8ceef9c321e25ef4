// Runs a program, or one test of this test program, in a child process under a chosen Windows
// version and system language, and collects its exit code and output.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ChildOptions {
    // Wine's Version value for the child ("win95", "win98", "winme", "nt40", "win2k", "winxp",
    // "win2003", "vista"); empty keeps the prefix's default. The program runs as a uniquely named
    // copy whose per-program setting is removed again when it has ended.
    std::string windowsVersion;
    // LC_ALL of the child ("en_US.UTF-8", "de_CH.UTF-8", "zh_SG.UTF-8", ...), which sets its
    // GetSystemDefaultLangID and ANSI code page; empty keeps this process's. Wine takes it only
    // from the host environment, so such a child is started through /bin/sh and has no process
    // handle (whilePolling gets process id 0).
    std::string locale;
    // Command-line arguments, each quoted as needed. With a locale, none may hold ' or ".
    std::vector<std::string> arguments;
    // Variables set (or replaced) in the child's environment.
    std::vector<std::pair<std::string, std::string>> environment;
    // The child is ended after this time and the run counts as not finished.
    unsigned timeoutSeconds = 120;
    // Called about every 100 ms while the child runs (for example to drive or close its windows).
    std::function<void(DWORD processId)> whilePolling;
};

struct ChildResult {
    bool finished = false; // false: it could not be started, or was ended at the timeout
    DWORD exitCode = 0;
    std::string output; // its standard output and standard error
};

// Runs the program (a Windows path) with the options and waits for it.
ChildResult RunChild(const std::string& program, const ChildOptions& options);
// Runs one test of this program ("Suite.DISABLED_Name" keeps it out of the normal run).
ChildResult RunTestInChild(const std::string& testName, ChildOptions options);
// The Windows path of this program.
std::string ThisProgram();
