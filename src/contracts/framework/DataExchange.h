#pragma once
// Dialog data exchange: a dialog's DoDataExchange moves values between its members and its
// controls, from the controls into the members when saving (m_bSaveAndValidate), the other way
// when loading. A control that the dialog does not have fails the exchange; the desktop framework
// throws there, here the exchange is marked and UpdateData answers FALSE.
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/Wnd.h"

class PQ_EXPORT CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    void Fail() { m_bFailed = TRUE; }
    BOOL HasFailed() const { return m_bFailed; }

private:
    BOOL m_bFailed = FALSE;
};

// Binds rControl to control nIDC, which then sends its messages to rControl (once; later calls
// find it bound).
PQ_EXPORT void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The text of control nIDC.
PQ_EXPORT void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
