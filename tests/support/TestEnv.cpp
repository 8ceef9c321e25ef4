// Paths handed to a test program through its environment.
#include "support/TestEnv.h"
#include <stdlib.h>

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/')
        return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

std::string EnvPath(const char* variable) {
    const char* value = getenv(variable);
    return value ? WindowsPath(value) : std::string();
}
