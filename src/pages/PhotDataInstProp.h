#pragma once
// The instrument conditions page of a photometry document's data properties: the conditions the
// document was measured under, read-only, as a two-column list of "Parameter" and "Value".
//
// The rows are those of the measurement-conditions listing (InstrumentListing.h) in the page's
// style: no path-length rows and no closing rule under the NIR group, but headers over the peak
// detection and derivative settings, the integration method also for peak height, and the NIR slit
// as the slit text of its whole width. A header row holds its text and a single space. Labels and
// values fit the page's 128-character cell buffer.
//
// The list is filled once, when the page is first shown; a page without a document, or a document
// without instrument parameters, shows an empty list.
#include "PhotoquantExport.h"
#include "pages/ParameterListPage.h"

class PQ_EXPORT CPhotDataInstProp : public CParameterListPage {
    DECLARE_DYNAMIC(CPhotDataInstProp)
    DECLARE_MESSAGE_MAP()
public:
    CPhotDataInstProp();

protected:
    void vFillData() override;
};
