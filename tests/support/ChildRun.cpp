// Runs a program in a child process under a chosen Windows version and system language.
#include "support/ChildRun.h"
#include "support/RegKeyGuard.h"
#include "support/TempFolder.h"
#include <stdio.h>
#include <stdlib.h>

namespace {

const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

// This process's environment with the given variables set or replaced, as a block for
// CreateProcess.
std::string BuildEnvironment(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry; entry += strlen(entry) + 1) {
        bool replaced = false;
        for (const auto& change : changes)
            replaced =
                replaced || (_strnicmp(entry, change.first.c_str(), change.first.size()) == 0 &&
                             entry[change.first.size()] == '=');
        if (!replaced)
            block.append(entry).push_back('\0');
    }
    FreeEnvironmentStringsA(strings);
    for (const auto& change : changes)
        block.append(change.first + "=" + change.second).push_back('\0');
    block.push_back('\0');
    return block;
}

// The host path of a Windows path, through Wine's own mapping.
std::string UnixPath(const std::string& path) {
    typedef char*(CDECL * UnixName)(const WCHAR*);
    UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH * 2];
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2))
        return std::string();
    char* unix = toUnix(wide);
    std::string result = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A copy of program with a name of its own, whose per-program Version setting is removed with it.
class CVersionedCopy {
  public:
    CVersionedCopy(const std::string& program, const std::string& version,
                   const CTempFolder& folder)
        : m_path(program) {
        if (version.empty())
            return;
        static unsigned serial;
        std::string stem = FileName(program);
        if (stem.size() > 4 && _stricmp(stem.c_str() + stem.size() - 4, ".exe") == 0)
            stem.resize(stem.size() - 4);
        char suffix[64];
        snprintf(suffix, sizeof suffix, "-%s-%lu-%u.exe", version.c_str(), GetCurrentProcessId(),
                 ++serial);
        m_path = folder.File(stem + suffix);
        CopyFileA(program.c_str(), m_path.c_str(), FALSE);
        m_key = kAppDefaults + FileName(m_path);
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, "Version", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(version.c_str()),
                           static_cast<DWORD>(version.size() + 1));
            RegCloseKey(key);
        }
    }
    ~CVersionedCopy() {
        if (!m_key.empty())
            DeleteKeyTree(HKEY_CURRENT_USER, m_key);
    }
    CVersionedCopy(const CVersionedCopy&) = delete;
    CVersionedCopy& operator=(const CVersionedCopy&) = delete;
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
    std::string m_key;
};

void WaitFor(HANDLE process, DWORD processId, const ChildOptions& options, ChildResult& result) {
    DWORD waited = 0;
    while (WaitForSingleObject(process, 100) == WAIT_TIMEOUT) {
        waited += 100;
        if (waited >= options.timeoutSeconds * 1000) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            return;
        }
        if (options.whilePolling)
            options.whilePolling(processId);
    }
    result.finished = GetExitCodeProcess(process, &result.exitCode) != 0;
}

// A direct child: its output goes to a file through inherited handles.
void RunDirect(const std::string& program, const ChildOptions& options, const std::string& outPath,
               ChildResult& result) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                            OPEN_EXISTING, 0, nullptr);
    std::string commandLine = QuoteArgument(program);
    for (const std::string& argument : options.arguments)
        commandLine += " " + QuoteArgument(argument);
    std::string environment = BuildEnvironment(options.environment);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, &environment[0],
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        WaitFor(process.hProcess, process.dwProcessId, options, result);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(in);
}

std::string ShellQuote(const std::string& text) {
    return "'" + text + "'";
}

// A child whose Wine starts from a host shell, so that it takes LC_ALL from its environment.
// Wine gives no handle for a host process: the shell writes the exit code to a file when done.
void RunThroughShell(const std::string& program, const ChildOptions& options,
                     const CTempFolder& folder, ChildResult& result) {
    std::string unixProgram = UnixPath(program);
    std::string unixOut = UnixPath(folder.File("output.txt"));
    std::string unixCode = UnixPath(folder.File("exitcode.txt"));
    if (unixProgram.empty() || unixOut.empty() || unixCode.empty())
        return;
    char limit[32];
    snprintf(limit, sizeof limit, "%u", options.timeoutSeconds);
    std::string script =
        std::string("timeout -s KILL ") + limit + " wine " + ShellQuote(unixProgram);
    for (const std::string& argument : options.arguments) {
        if (argument.find_first_of("'\"") != std::string::npos)
            return;
        script += " " + ShellQuote(argument);
    }
    script += " >" + ShellQuote(unixOut) + " 2>&1; echo $? >" + ShellQuote(unixCode + ".part") +
              "; mv " + ShellQuote(unixCode + ".part") + " " + ShellQuote(unixCode);
    std::string commandLine = "/bin/sh -c \"" + script + "\"";
    auto changes = options.environment;
    changes.emplace_back("LC_ALL", options.locale);
    std::string environment = BuildEnvironment(changes);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                        nullptr, &startup, &process))
        return;
    std::string codePath = folder.File("exitcode.txt");
    for (DWORD waited = 0; waited < (options.timeoutSeconds + 30) * 1000; waited += 100) {
        if (GetFileAttributesA(codePath.c_str()) != INVALID_FILE_ATTRIBUTES) {
            unsigned long code = strtoul(ReadFileText(codePath).c_str(), nullptr, 10);
            result.exitCode = static_cast<DWORD>(code);
            result.finished = code != 137; // ended by the time limit
            return;
        }
        if (options.whilePolling)
            options.whilePolling(0);
        Sleep(100);
    }
}

} // namespace

std::string ThisProgram() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

ChildResult RunChild(const std::string& program, const ChildOptions& options) {
    ChildResult result;
    CTempFolder folder;
    CVersionedCopy copy(program, options.windowsVersion, folder);
    if (options.locale.empty())
        RunDirect(copy.Path(), options, folder.File("output.txt"), result);
    else
        RunThroughShell(copy.Path(), options, folder, result);
    result.output = ReadFileText(folder.File("output.txt"));
    return result;
}

ChildResult RunTestInChild(const std::string& testName, ChildOptions options) {
    options.arguments.insert(
        options.arguments.begin(),
        {"--gtest_filter=" + testName, "--gtest_also_run_disabled_tests", "--gtest_color=no"});
    return RunChild(ThisProgram(), options);
}
