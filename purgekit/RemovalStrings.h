// Loading the uninstaller's dialog texts from "uninst.un2" in the installation folder.
#pragma once

// Reads the installation folder (AppPath) into the process state and makes it the working
// directory (a missing folder leaves the working directory as it was), then reads "uninst.un2"
// from the working directory into the process's texts. Answers 1, or 0 when the file cannot be
// read; the texts are then unchanged.
int LoadRemovalStrings();
// Releases every text; harmless when nothing is loaded.
void FreeRemovalStrings();
