#include "views/UVStandardList.h"

#include <string>

#include "calibration/UVStandardData.h"
#include "contracts/uikit/UvDataStr.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CUVStandardList, CPhotometryListView)

using namespace photoquant;

namespace {

// The result columns are as wide as this number written with the concentration decimals.
constexpr double kResultWidthSample = 1111.111;

bool bAnyReplicateMeasured(const CUVStandardData& doc, int iSamp) {
    const int iNumRep = doc.iGetNumRep();
    for (int r = 0; r < iNumRep; ++r) {
        if (doc.bGetMeasured(iSamp * iNumRep + r) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

CUVStandardList::CUVStandardList() : CPhotometryListView(EListKind::kResults) {}

CUVStandardData* CUVStandardList::GetDocument() const {
    return static_cast<CUVStandardData*>(m_pDocument);
}

void CUVStandardList::vUpdateDisplay(int iSamp, int iRep) {
    const CUVStandardData* pDoc = GetDocument();
    const int iNumRep = pDoc != nullptr ? pDoc->iGetNumRep() : 0;
    // A replicate beyond the document's would land on the next standard's row.
    if (pDoc == nullptr || iSamp < 0 || iSamp >= pDoc->iGetNumSamp() || iRep < 0 ||
        iRep >= iNumRep) {
        return;
    }
    const int i = iSamp * iNumRep + iRep;
    if (!bShowRow(i)) {
        return;
    }
    iWriteReadings(i, iNumRep > 1 ? 2 : 1, i, false);
}

void CUVStandardList::vFillList() {
    const CUVStandardData& doc = *GetDocument();
    vInsertColumns();
    const int nPoints = doc.iGetNumSamp() * doc.iGetNumRep();
    GetListCtrl().SetItemCount(nPoints);
    for (int i = 0; i < nPoints; ++i) {
        vInsertRow(i);
    }
}

void CUVStandardList::vInsertColumns() {
    const CUVStandardData& doc = *GetDocument();
    const int m = iAppendColumnOwnMargin(sModuleString(kStandardHeader)) / 2;
    if (doc.iGetNumRep() > 1) {
        iAppendColumnOwnMargin(sModuleString(kReplicateHeader));
    }
    vAppendReadingColumns(doc, m, true);
    vAppendConcColumn(doc, m);
    const int wd = iTextWidth(sFixed(kResultWidthSample, doc.iGetConcPrecision()));
    for (const UINT header : {kDiffHeader, kRelDiffHeader, kTHeader}) {
        vAppendColumn(sModuleString(header), wd + m);
    }
}

void CUVStandardList::vInsertRow(int iPoint) {
    const CUVStandardData& doc = *GetDocument();
    const int iNumRep = doc.iGetNumRep();
    const int s = iPoint / iNumRep;
    const int r = iPoint % iNumRep;
    const std::string label =
        r == 0 ? std::to_string(s + 1) + " " + doc.GetSampName(s) : sContinuationLabel();
    const int iRow = iInsertRow(iPoint, label, iPoint);
    if (iRow < 0) {
        return;
    }
    int c = 1;
    if (iNumRep > 1) {
        vSetCell(iRow, c++, std::to_string(r + 1));
    }
    c = doc.bGetMeasured(iPoint) != 0 ? iWriteReadings(iRow, c, iPoint, true)
                                      : c + iReadingColumnCount(doc, true);

    const int iConcDecimals = doc.iGetConcPrecision();
    const double dConc = dRoundDecimals(doc.dGetConc(s), iConcDecimals);
    vSetCell(iRow, c++, bIsUsable(dConc) ? sFixed(dConc, iConcDecimals) : kUnusableText);

    // Only the standard's last row asks whether any replicate was measured, so that filling the list
    // walks every point once, however many replicates a standard has.
    if (r == iNumRep - 1 && bAnyReplicateMeasured(doc, s)) {
        vWriteResults(iRow, c, s);
    }
}

int CUVStandardList::iWriteReadings(int iRow, int iColumn, int iPoint, bool bShowManual) {
    const CUVStandardData& doc = *GetDocument();
    const int iNumRep = doc.iGetNumRep();
    const int iNumWaves = doc.iGetNumMethodWave();
    const int iReadingDecimals = doc.iGetYPrecision();
    const bool bPeak = bIsSpectrumQuant(doc.iGetQuantType());
    const std::string value = sFixedCell(doc.GetValue(iPoint).y, iReadingDecimals);
    int c = iColumn;
    if (!bPeak) {
        // A typed-in value is no reading of any one wavelength: it shows under the single
        // wavelength, or only as the corrected reading.
        const bool bManual = bShowManual && doc.bGetManualStd(iPoint) != 0;
        for (int k = 0; k < iNumWaves; ++k) {
            const std::string reading =
                !bManual         ? sFixedCell(doc.dGetAbs(iPoint / iNumRep, iPoint % iNumRep, k),
                                              iReadingDecimals)
                : iNumWaves == 1 ? value
                                 : std::string();
            vSetCell(iRow, c++, reading);
        }
    }
    if (iNumWaves > 1 || bPeak) {
        vSetCell(iRow, c++, value);
    }
    return c;
}

void CUVStandardList::vWriteResults(int iRow, int iColumn, int iSamp) {
    const CUVStandardData& doc = *GetDocument();
    const int iConcDecimals = doc.iGetConcPrecision();
    const double dDiff = doc.dGetDiff(iSamp);
    const double dRelDiff = doc.dGetRelDiff(iSamp);
    const double dTStat = doc.dGetTStat(iSamp);
    // A result that is no usable number leaves its cell empty under its own header.
    if (bIsUsable(dDiff)) {
        vSetCell(iRow, iColumn, sFixed(dRoundDecimals(dDiff, iConcDecimals), iConcDecimals));
    }
    if (bIsUsable(dRelDiff)) {
        vSetCell(iRow, iColumn + 1, UVDATASTR(dRelDiff));
    }
    if (bIsUsable(dTStat)) {
        vSetCell(iRow, iColumn + 2, UVDATASTR(dTStat));
    }
}
