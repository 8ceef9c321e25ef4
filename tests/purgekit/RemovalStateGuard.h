// The uninstaller's process state, clean for each in-process test.
#pragma once

// Resets the uninstaller's process state (texts released, folders empty, flags at their start
// values) at construction and again at destruction.
class CRemovalStateGuard {
  public:
    CRemovalStateGuard() { Reset(); }
    ~CRemovalStateGuard() { Reset(); }
    CRemovalStateGuard(const CRemovalStateGuard&) = delete;
    CRemovalStateGuard& operator=(const CRemovalStateGuard&) = delete;

  private:
    static void Reset();
};
