// Runs the real wizard (DOINSTALL on the sample medium) on the test's thread while a driver acts
// on its windows from a second thread, as a user would, and reads back what the user sees.
#pragma once
#include "tools/uidriver/UiDriver.h"
#include <windows.h>
#include <functional>
#include <string>

// The message file texts of a medium, read straight from the file (independently of Setup).
class CMediumTexts {
  public:
    CMediumTexts(const std::string& medium, const std::string& languageCode);
    // [MSG] key and [DLG] key as the file holds them ("" when absent).
    std::string Msg(const char* key) const;
    std::string Dlg(const char* key) const;

  private:
    std::string Read(const char* section, const char* key) const;
    std::string m_file;
};

// What the driver thread can do with the running wizard.
class CWizard {
  public:
    CWizard(HWND background, HWND frame) : m_background(background), m_frame(frame) {}

    HWND Background() const { return m_background; }
    HWND Frame() const { return m_frame; }
    // An item of the page shown, or else of the frame.
    HWND Item(int id) const;
    // An item of the frame itself (its buttons and restart options).
    HWND FrameItem(int id) const { return GetDlgItem(m_frame, id); }
    // The page dialog shown inside the frame, null when none is visible.
    HWND Page() const;
    std::string PageTitle() const;
    // The frame's step as the frame holds it (read after the UI thread is idle).
    int Step() const;

    // Clicks a frame button and waits until the UI thread has handled it.
    void Click(int id) const;
    void Next() const { Click(1002); }
    void Back() const { Click(1001); }
    // Presses a key on a window and waits until it is handled.
    void Press(HWND target, WORD vk) const;
    // Waits until the UI thread has handled everything posted to it so far.
    void Settle() const;
    // Runs work on the wizard's thread in its turn after everything posted so far, and waits
    // for it; QueueOnUiThread does not wait (work must outlive its turn).
    void OnUiThread(const std::function<void()>& work) const;
    void QueueOnUiThread(const std::function<void()>& work) const;
    // Gives window the keyboard focus, as a click on it would.
    void Focus(HWND window) const;
    // The exit question while it is shown, null otherwise; WaitForQuestion waits for it.
    HWND Question() const;
    HWND WaitForQuestion() const;

  private:
    HWND m_background;
    HWND m_frame;
};

// The sample medium's folder (MEDIUM_DIR) as a Windows path.
std::string SampleMedium();

// Resets the state a previous run in this process leaves (language, target folder), runs
// DOINSTALL with medium and calls drive on a second thread once the frame is shown. Whatever the
// driver leaves open is closed afterwards (the question answered with leave, the background
// closed), so a failing driver never keeps the run from ending. Answers DOINSTALL's result.
int RunWizard(const std::string& medium, const std::function<void(CWizard&)>& drive);
