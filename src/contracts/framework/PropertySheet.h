#pragma once
// A property sheet: pages behind tabs, one active at a time, with an Apply button. Headless it is
// opened without a modal loop (Create); a host or a test turns pages with SetActivePage and presses
// buttons with PressButton. A page's window is made the first time the page becomes active. The
// sheet does not own its pages.
#include <string>
#include <vector>

#include "contracts/framework/PropertyPage.h"
#include "contracts/framework/Wnd.h"

class PQ_EXPORT CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet() = default;
    explicit CPropertySheet(const std::string& pszCaption, CWnd* pParentWnd = nullptr,
                            UINT iSelectPage = 0)
        : m_strCaption(pszCaption),
          m_pParentWnd(pParentWnd),
          m_nActivePage(static_cast<int>(iSelectPage)) {}
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Null for an index outside the sheet.
    CPropertyPage* GetPage(int nPage) const;
    // -1 for a page not in the sheet.
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const { return GetPage(m_nActivePage); }
    int GetActiveIndex() const { return m_nActivePage; }

    // Leaves the active page (which may refuse, OnKillActive), creates the new one if needed and
    // shows it (which may refuse too, OnSetActive). Before the sheet is open it only chooses the
    // page to open with.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    using CWnd::Create;
    // Opens the sheet and shows its active page. The default style is a visible captioned popup.
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1));

    // PSBTN_APPLYNOW: the active page saves its controls (OnKillActive), then every created page
    // applies (OnApply), in order; a refusal stops there and answers FALSE. After a complete Apply
    // the button is disabled and the active page reloads its controls (OnSetActive). Other buttons
    // are not kept and answer FALSE.
    BOOL PressButton(int nButton);
    // Whether a page reported a change (SetModified) since the last complete Apply.
    BOOL IsApplyEnabled() const { return m_bApplyEnabled; }

private:
    friend class CPropertyPage;
    void vPageChanged(BOOL bChanged);
    void vForgetPage(CPropertyPage* pPage);
    BOOL bShowFirstPage();
    BOOL bCreatePage(CPropertyPage* pPage);
    BOOL bApply();

    std::string m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
    int m_nActivePage = 0;
    BOOL m_bApplyEnabled = FALSE;
};
