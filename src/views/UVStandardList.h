#pragma once
// The standards list: one row per standard and replicate (row i = s*R + r), with the readings at
// every method wavelength (or the peak or derivative value, or the corrected reading of a multi-
// wavelength method), the standard's known concentration, and on the last replicate row of a
// measured standard the calibration's results for it: difference, relative difference and t value.
// The label ("1 STD-A") stands on the first replicate row only.
//
// While standards are measured the host rewrites the reading cells of one row with vUpdateDisplay.
// A result that is not a usable number leaves its cell empty; a concentration shows "*****".
#include "PhotoquantExport.h"
#include "views/PhotometryListView.h"

class CUVStandardData;

class PQ_EXPORT CUVStandardList : public CPhotometryListView {
    DECLARE_DYNCREATE(CUVStandardList)
public:
    CUVStandardList();

    CUVStandardData* GetDocument() const;

    // Rewrites the reading cells of the row of standard iSamp, replicate iRep (rows exist from the
    // last update; without that row nothing is written).
    void vUpdateDisplay(int iSamp, int iRep);

protected:
    void vFillList() override;

private:
    void vInsertColumns();
    void vInsertRow(int iPoint);
    // Writes the reading cells of a point from column iColumn on; the column after them.
    int iWriteReadings(int iRow, int iColumn, int iPoint, bool bShowManual);
    void vWriteResults(int iRow, int iColumn, int iSamp);
};
