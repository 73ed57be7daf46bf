#include "contracts/framework/PropertyPage.h"

#include "contracts/framework/DynLinkLibrary.h"
#include "contracts/framework/PropertySheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

namespace {

// A page's template is written as a dialog of its own; inside the sheet it becomes a plain child
// control, without caption or frame, hidden and enabled until the sheet shows it.
constexpr DWORD kPageStylesDropped =
    DS_MODALFRAME | WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_DISABLED | WS_VISIBLE | WS_THICKFRAME;
constexpr DWORD kPageStylesAdded = WS_CHILD | WS_TABSTOP | DS_CONTROL;

}  // namespace

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption) {}

CPropertyPage::~CPropertyPage() {
    if (m_pSheet != nullptr) {
        m_pSheet->vForgetPage(this);
    }
}

void CPropertyPage::SetModified(BOOL bChanged) {
    m_bChanged = bChanged ? TRUE : FALSE;
    if (m_pSheet != nullptr) {
        m_pSheet->vPageChanged(m_bChanged);
    }
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive) {
        // OnInitDialog has just loaded the controls.
        m_bFirstSetActive = FALSE;
        return TRUE;
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    return TRUE;
}

BOOL CPropertyPage::CreatePage(CWnd* pSheet) {
    const std::string sCaption =
        m_nIDCaption != 0 ? AfxLoadString(m_psp.hInstance, m_nIDCaption) : std::string();
    return CreateFromTemplate(m_psp.hInstance, pSheet, kPageStylesDropped, kPageStylesAdded,
                              sCaption);
}
