#pragma once
// What a host does around the data property pages: a document with the instrument parameters it
// was measured with, and the pages in a sheet.
#include <string>

#include "pages/PhotDataInfoProp.h"
#include "pages/PhotDataInstProp.h"
#include "pages/PhotDataOptProp.h"
#include "photoquant.h"

inline void vGiveInstrument(CUVPhotometryData& doc, int iSelectType, int iDevice, int bRepl = 1) {
    CUVInstrParameters inst;
    inst.m_iSelectType = iSelectType;
    inst.m_iSamplingDevice = iDevice;
    inst.m_bReplRowFlag = bRepl;
    doc.vSetInstParam(inst.pCopy());
}

// A page's list control as text: "parameter=value|" per row.
inline std::string sListed(const CPropertyPage& page, int iListId) {
    const auto* pList = static_cast<const CListCtrl*>(page.GetDlgItem(iListId));
    std::string text;
    for (int i = 0; i < pList->GetItemCount(); ++i) {
        text += pList->GetItemText(i, 0) + "=" + pList->GetItemText(i, 1) + "|";
    }
    return text;
}

// What a list page shows for the document once its sheet has opened.
template <class Page>
std::string sPageList(CUVPhotometryData* pDoc, int iListId) {
    Page page;
    page.vSetProp(pDoc);
    CPropertySheet sheet("Properties");
    sheet.AddPage(&page);
    return sheet.Create() ? sListed(page, iListId) : "(sheet not opened)";
}
