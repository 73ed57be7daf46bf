#pragma once
// A data property page that shows a photometry document's settings read-only, as one list of
// "Parameter" and "Value" rows: the common ground of the instrument and the accessory pages. The
// list is filled once, when the page is first shown, by the page's own vFillData.
#include "PhotoquantExport.h"
#include "contracts/framework/ListCtrl.h"
#include "contracts/framework/PropertyPage.h"

class CUVPhotometryData;

class PQ_EXPORT CParameterListPage : public CPropertyPage {
    DECLARE_DYNAMIC(CParameterListPage)
public:
    // The page on dialog template nTemplate of the module, whose list control is iListId.
    CParameterListPage(UINT nTemplate, int iListId);

    // The document whose settings the page lists (not owned); set before the page is shown.
    void vSetProp(CUVPhotometryData* pDoc) { m_pDoc = pDoc; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    virtual void vFillData() = 0;

    CUVPhotometryData* m_pDoc = nullptr;
    CListCtrl m_List;

private:
    int m_iListId;
};
