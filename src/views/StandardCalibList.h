#pragma once
// The standards calibration list: "Parameter" and "Value" rows describing the calibration of the
// standards document: its type and whether it is forced through zero, and for a fitted polynomial
// of order k the coefficients A 0 ... A k of its curve with R and R2 of the fit. A segmented
// calibration lists only type and force-through-zero; its segments are in the calibration text.
#include "PhotoquantExport.h"
#include "views/PhotometryListView.h"

class CUVStandardData;

class PQ_EXPORT CStandardCalibList : public CPhotometryListView {
    DECLARE_DYNCREATE(CStandardCalibList)
public:
    CStandardCalibList();

    CUVStandardData* GetDocument() const;

protected:
    void vFillList() override;
};
