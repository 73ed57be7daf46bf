#include "contracts/framework/DataExchange.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr &&
        !rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd)) {
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    CWnd* pControl = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (pControl == nullptr) {
        pDX->Fail();
    } else if (pDX->m_bSaveAndValidate) {
        pControl->GetWindowText(value);
    } else {
        pControl->SetWindowText(value);
    }
}
