#include "pages/PhotDataInstProp.h"

#include "document/InstrumentListing.h"
#include "document/UVPhotometryData.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CPhotDataInstProp, CParameterListPage)

using namespace photoquant;
using namespace photoquant::detail;

CPhotDataInstProp::CPhotDataInstProp() : CParameterListPage(kInstrumentDialog, kInstrumentList) {}

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
