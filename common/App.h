// The application object: the module whose resources the dialogs are built from and the main
// window.
#pragma once
#include <windows.h>

class CApp {
  public:
    CApp() = default;
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // Module whose dialog templates, icons and bitmaps the framework loads (null until set).
    HINSTANCE Instance() const { return m_instance; }
    void SetInstance(HINSTANCE instance) { m_instance = instance; }
    // Window that owns a modal dialog built without an owner of its own (null when none is set).
    HWND MainWindow() const { return m_mainWindow; }
    void SetMainWindow(HWND window) { m_mainWindow = window; }

  private:
    HINSTANCE m_instance = nullptr;
    HWND m_mainWindow = nullptr;
};

// The one application object of the process.
extern CApp theApp;
