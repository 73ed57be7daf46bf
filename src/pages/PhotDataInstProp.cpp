#include "pages/PhotDataInstProp.h"

#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "views/ParameterValueColumns.h"
#include "unknowns/InstrumentListing.h"

IMPLEMENT_DYNAMIC(CPhotDataInstProp, CPropertyPage)

namespace {

constexpr UINT kInstTemplate = 5002;
constexpr int kListId = 1002;

}  // namespace

CPhotDataInstProp::CPhotDataInstProp() : CPropertyPage(kInstTemplate) {
    m_psp.hInstance = PhotoquantDLL.hResource;
}

BOOL CPhotDataInstProp::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CRect client;
    m_List.GetClientRect(&client);
    vInsertParameterValueColumns(m_List, client.Width());
    vFillData();
    return TRUE;
}

void CPhotDataInstProp::vFillData() {
    m_List.DeleteAllItems();
    if (m_pDoc == nullptr) {
        return;
    }
    for (const CListingRow& row : InstrumentListingRows(*m_pDoc, kInstrumentPageStyle)) {
        const int nItem = m_List.InsertItem(m_List.GetItemCount(), row.sLabel);
        m_List.SetItemText(nItem, 1, row.bHeader ? " " : row.sValue);
    }
}

void CPhotDataInstProp::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, kListId, m_List);
}
