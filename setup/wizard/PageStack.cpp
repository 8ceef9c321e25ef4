// The wizard's page list: creation by template id, placement beside the picture, showing.
#include "setup/wizard/PageStack.h"
#include "setup/resources/resource.h"
#include "setup/wizard/DestinationPage.h"
#include "setup/wizard/FinishPage.h"
#include "setup/wizard/LanguagePage.h"
#include "setup/wizard/ProgramFolderPage.h"
#include "setup/wizard/ReadyPage.h"
#include "setup/wizard/WelcomePage.h"
#include <new>
#include <stdlib.h>

namespace {
// Gap between a page and the frame's right edge, in pixels; pages sit one pixel below the top.
const int kRightGap = 5;
const int kTopGap = 1;
} // namespace

CPageStack::~CPageStack() {
    for (int i = 0; i < m_count; ++i)
        m_pages[i]->Destroy();
    for (int i = 0; i < m_count; ++i)
        delete m_pages[i];
    free(m_pages);
}

CDialog* CPageStack::MakePage(UINT templateId) {
    switch (templateId) {
    case IDD_LANGUAGE_PAGE:
        return new (std::nothrow) CLanguagePage;
    case IDD_WELCOME_PAGE:
        return new (std::nothrow) CWelcomePage;
    case IDD_DESTINATION_PAGE:
        return new (std::nothrow) CDestinationPage;
    case IDD_PROGRAM_FOLDER_PAGE:
        return new (std::nothrow) CProgramFolderPage;
    case IDD_READY_PAGE:
        return new (std::nothrow) CReadyPage;
    case IDD_FINISH_PAGE:
        return new (std::nothrow) CFinishPage;
    default:
        return new (std::nothrow) CDialog(templateId);
    }
}

bool CPageStack::Grow() {
    int capacity = m_capacity > 0 ? m_capacity * 2 : 8;
    CDialog** pages = static_cast<CDialog**>(realloc(m_pages, capacity * sizeof(CDialog*)));
    if (pages == nullptr)
        return false;
    m_pages = pages;
    m_capacity = capacity;
    return true;
}

bool CPageStack::AddPage(UINT templateId, CDialog& frame) {
    if (m_count == m_capacity && !Grow())
        return false;
    CDialog* page = MakePage(templateId);
    if (page == nullptr)
        return false;
    m_pages[m_count++] = page;
    if (page->Create(frame.Handle()))
        PlacePage(*page, frame);
    return true;
}

void CPageStack::PlacePage(CDialog& page, const CDialog& frame) {
    RECT frameRect, pageRect;
    GetWindowRect(frame.Handle(), &frameRect);
    GetWindowRect(page.Handle(), &pageRect);
    int x = (frameRect.right - frameRect.left) - (pageRect.right - pageRect.left) - kRightGap;
    SetWindowPos(page.Handle(), nullptr, x, kTopGap, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CPageStack::ShowPage(int index) {
    if (index >= m_count || index < -1)
        return false;
    if (index != -1) {
        if (m_current >= 0) {
            if (!m_pages[m_current]->Exists())
                return false;
            m_pages[m_current]->Show(false);
        }
        m_current = index;
    } else if (m_current < 0) {
        m_current = 0;
    }
    CDialog* page = GetPage(m_current);
    if (page == nullptr)
        return false;
    page->Show(true);
    RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return true;
}

CDialog* CPageStack::GetPage(int index) const {
    if (index < 0 || index >= m_count || !m_pages[index]->Exists())
        return nullptr;
    return m_pages[index];
}
