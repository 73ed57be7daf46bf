#pragma once
// The "Option" page of a photometry document's data properties: the settings of the sampling
// accessory the measurement used, read-only, as a two-column list of "Parameter" and "Value".
//
// The instrument parameters' sampling device chooses the rows:
//   1 sipper       sipping, wait and air-purge times, and the temperature when one was set;
//   2 autosampler  syringe, first vial, volume, cycle time and washings, then its vial rack;
//   3 multi-cell   the cell temperature, when the holder controls one;
// any other device lists nothing. A group opens with a section row "--- name ---" without value.
// Every text fits the page's 128-character cell buffer; a longer one is cut.
//
// The list is filled once, when the page is first shown; a page without a document, or a document
// without instrument parameters, shows an empty list.
#include <string>

#include "PhotoquantExport.h"
#include "pages/ParameterListPage.h"

class PQ_EXPORT CPhotDataOptProp : public CParameterListPage {
    DECLARE_DYNAMIC(CPhotDataOptProp)
public:
    CPhotDataOptProp();

protected:
    void vFillData() override;

private:
    void vSipperRows();
    void vAutosamplerRows();
    void vRackRows();
    void vCellRows();
    void vAddSection(UINT nameId);
    void vAddRow(UINT parameterId, const std::string& value);
    void vAddRow(UINT parameterId, int value);
    // A value with its unit: the number, a space and the unit.
    static std::string sWithUnit(const std::string& number, UINT unitId);
};
