#include "pages/PhotDataInstProp.h"

#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "unknowns/InstrumentListing.h"

IMPLEMENT_DYNAMIC(CPhotDataInstProp, CParameterListPage)

namespace {

constexpr UINT kInstTemplate = 5002;
constexpr int kListId = 1002;

}  // namespace

CPhotDataInstProp::CPhotDataInstProp() : CParameterListPage(kInstTemplate, kListId) {}

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
