#pragma once
// A page of a property sheet, made from a dialog template when the sheet first shows it. The page
// loads its controls in OnInitDialog; each time it is left or applied, OnKillActive saves them back
// (data exchange in the saving direction); each later time it is shown, OnSetActive loads them
// again. A page that the user changed reports it with SetModified, which enables the sheet's Apply
// button; Apply calls OnApply on every page the sheet has created.
#include <string>

#include "contracts/framework/CommCtrl.h"
#include "contracts/framework/Dialog.h"

class CPropertySheet;

class PQ_EXPORT CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // nIDCaption, when not 0, is the string-table entry that replaces the template's caption.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    // Leaves its sheet, which does not own it.
    ~CPropertyPage() override;

    // m_psp.hInstance: the module whose resources hold the template and the caption (any
    // registered module when null).
    PROPSHEETPAGE m_psp;

    void SetModified(BOOL bChanged = TRUE);
    // Whether the page has reported a change (SetModified) that it has not withdrawn.
    BOOL IsModified() const { return m_bChanged; }

    virtual BOOL OnSetActive();
    // FALSE keeps the page active: its controls could not be saved.
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();

private:
    friend class CPropertySheet;
    BOOL CreatePage(CWnd* pSheet);

    UINT m_nIDCaption;
    CPropertySheet* m_pSheet = nullptr;
    BOOL m_bFirstSetActive = TRUE;
    BOOL m_bChanged = FALSE;
};
