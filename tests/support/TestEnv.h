// Paths handed to a test program through its environment.
#pragma once
#include <string>

// The value of the environment variable as a Windows path: a host path "/a/b" becomes "Z:\a\b",
// a Windows path stays as it is. Empty when the variable is not set.
std::string EnvPath(const char* variable);

// A host path as Wine sees it from Windows ("/a/b" -> "Z:\a\b"); other texts unchanged.
std::string WindowsPath(const std::string& path);
