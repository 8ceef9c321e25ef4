// The uninstaller's start-up: which role this process plays, and each role run to its end.
#pragma once
#include "common/logic/TextBuf.h"

// One per process. The dialog process is the one the user started: it copies the program into
// the temporary folder, runs the dialog, and starts that copy as the cleanup process, which
// waits for the dialog process to end and then removes what could not be removed while it ran.
// The running dialog process is marked by a named mutex.
class CRemovalApp {
  public:
    CRemovalApp() = default;
    CRemovalApp(const CRemovalApp&) = delete;
    CRemovalApp& operator=(const CRemovalApp&) = delete;

    // Loads the texts, decides the role, runs it to the end and answers the exit code (always 0).
    int StartUp();
    // Starts the temporary copy with the main window's handle as its command line and keeps its
    // process id in removalState.cleanupProcessId; a failure is not reported. Called by the
    // dialog when its window exists.
    void LaunchCleanupCopy();
    // Full path of the temporary copy (empty while it has no name).
    const char* TempCopyPath() const { return m_tempCopyPath; }

  private:
    void RunDialogProcess();
    void RunCleanupProcess();
    // Names the temporary copy: "is-XXXX.TMP" in the temporary folder, XXXX from a random number.
    void NameTempCopy();
    // Reads where the product lives and copies the installed program to the temporary copy.
    void CopyProgram();
    void Restart();

    char m_tempCopyPath[kPathSize] = "";
};
