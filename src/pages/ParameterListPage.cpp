#include "pages/ParameterListPage.h"

#include "contracts/framework/DataExchange.h"
#include "contracts/framework/Rect.h"
#include "lists/ParameterValueColumns.h"
#include "resources/ModuleRegistration.h"

IMPLEMENT_DYNAMIC(CParameterListPage, CPropertyPage)

using namespace photoquant::detail;

CParameterListPage::CParameterListPage(UINT nTemplate, int iListId)
    : CPropertyPage(nTemplate), m_iListId(iListId) {
    m_psp.hInstance = PhotoquantDLL.hResource;
}

BOOL CParameterListPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CRect client;
    m_List.GetClientRect(&client);
    vInsertParameterValueColumns(m_List, client.Width());
    vFillData();
    return TRUE;
}

void CParameterListPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, m_iListId, m_List);
}
