#include "contracts/framework/PropertySheet.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

constexpr DWORD kDefaultSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;

}  // namespace

CPropertySheet::~CPropertySheet() {
    for (CPropertyPage* pPage : m_pages) {
        pPage->m_pSheet = nullptr;
    }
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage == nullptr || GetPageIndex(pPage) >= 0) {
        return;
    }
    m_pages.push_back(pPage);
    pPage->m_pSheet = this;
    if (m_hWnd != nullptr && m_pages.size() == 1) {
        bShowFirstPage();
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const {
    const auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
    return found != m_pages.end() ? static_cast<int>(found - m_pages.begin()) : -1;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    CPropertyPage* pNew = GetPage(nPage);
    if (pNew == nullptr) {
        return FALSE;
    }
    if (m_hWnd == nullptr) {
        m_nActivePage = nPage;
        return TRUE;
    }
    CPropertyPage* pOld = GetActivePage();
    if (pNew == pOld) {
        return TRUE;
    }
    if (!pOld->OnKillActive() || !bCreatePage(pNew) || !pNew->OnSetActive()) {
        return FALSE;
    }
    pOld->ShowWindow(SW_HIDE);
    pNew->ShowWindow(SW_SHOW);
    m_nActivePage = nPage;
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle) {
    if (dwStyle == static_cast<DWORD>(-1)) {
        dwStyle = kDefaultSheetStyle;
    }
    if (!CWnd::Create("#32770", m_strCaption, dwStyle, CRect(),
                      pParentWnd != nullptr ? pParentWnd : m_pParentWnd, 0)) {
        return FALSE;
    }
    if (m_pages.empty()) {
        return TRUE;
    }
    if (!bShowFirstPage()) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::PressButton(int nButton) {
    if (nButton != PSBTN_APPLYNOW || m_hWnd == nullptr || m_pages.empty()) {
        return FALSE;
    }
    return bApply();
}

void CPropertySheet::vPageChanged(BOOL bChanged) {
    if (bChanged) {
        m_bApplyEnabled = TRUE;
        return;
    }
    m_bApplyEnabled = std::any_of(m_pages.begin(), m_pages.end(),
                                  [](const CPropertyPage* pPage) { return pPage->IsModified(); })
                          ? TRUE
                          : FALSE;
}

void CPropertySheet::vForgetPage(CPropertyPage* pPage) {
    const int nPage = GetPageIndex(pPage);
    m_pages.erase(m_pages.begin() + nPage);
    if (m_nActivePage > nPage || m_nActivePage == GetPageCount()) {
        m_nActivePage = std::max(m_nActivePage - 1, 0);
    }
}

BOOL CPropertySheet::bShowFirstPage() {
    m_nActivePage = std::clamp(m_nActivePage, 0, GetPageCount() - 1);
    CPropertyPage* pPage = GetActivePage();
    if (!bCreatePage(pPage)) {
        return FALSE;
    }
    pPage->OnSetActive();
    pPage->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::bCreatePage(CPropertyPage* pPage) {
    if (pPage->m_hWnd != nullptr) {
        return TRUE;
    }
    if (!pPage->CreatePage(this)) {
        return FALSE;
    }
    // The sheet grows to hold its largest page.
    CRect sheet;
    CRect page;
    GetClientRect(&sheet);
    pPage->GetClientRect(&page);
    if (page.Width() > sheet.Width() || page.Height() > sheet.Height()) {
        SetWindowPos(nullptr, 0, 0, std::max(page.Width(), sheet.Width()),
                     std::max(page.Height(), sheet.Height()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

BOOL CPropertySheet::bApply() {
    CPropertyPage* pActive = GetActivePage();
    if (!pActive->OnKillActive()) {
        return FALSE;
    }
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd != nullptr && !pPage->OnApply()) {
            return FALSE;
        }
    }
    m_bApplyEnabled = FALSE;
    pActive->OnSetActive();
    return TRUE;
}
