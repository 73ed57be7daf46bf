#pragma once
// The unknowns calibration list: "Parameter" and "Value" rows describing the calibration the
// unknowns document holds itself. A concentration analysis on a manual calibration lists the
// curve's order and its coefficients A 0 ... A n; a ratio analysis lists whether a background
// wavelength is subtracted, the K-factors 0 to 2 and the operand. Numbers have four decimals.
// Any other analysis leaves the list empty.
#include "PhotoquantExport.h"
#include "views/PhotometryListView.h"

class CUVUnknownData;

class PQ_EXPORT CUnknownCalibList : public CPhotometryListView {
    DECLARE_DYNCREATE(CUnknownCalibList)
public:
    CUnknownCalibList();

    CUVUnknownData* GetDocument() const;

protected:
    void vFillList() override;

private:
    void vFillManualCalibration();
    void vFillRatioSettings();
};
