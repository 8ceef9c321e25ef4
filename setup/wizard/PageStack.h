// The wizard's pages: their objects and windows, in order, and which one is shown.
#pragma once
#include "common/Dialog.h"

class CPageStack {
  public:
    CPageStack() = default;
    // Destroys every page's window, then deletes every page object.
    ~CPageStack();
    CPageStack(const CPageStack&) = delete;
    CPageStack& operator=(const CPageStack&) = delete;

    // Makes the page of templateId, creates its window hidden inside frame and places it at the
    // frame's right edge. Answers false only when the page object cannot be allocated (nothing
    // is added then); a page whose window cannot be created stays in the list without window.
    bool AddPage(UINT templateId, CDialog& frame);
    // Hides the page shown and shows the one at index; -1 shows the first page when none is
    // shown yet and the current one otherwise. Answers false for an index beyond the list or a
    // page without window.
    bool ShowPage(int index);
    // The page at index when it has a window, otherwise null.
    CDialog* GetPage(int index) const;
    // Index of the page shown, -1 while none is.
    int Current() const { return m_current; }
    int Count() const { return m_count; }

  private:
    static CDialog* MakePage(UINT templateId);
    static void PlacePage(CDialog& page, const CDialog& frame);
    bool Grow();

    CDialog** m_pages = nullptr;
    int m_count = 0;
    int m_capacity = 0;
    int m_current = -1;
};
