#include "views/UVUnknownList.h"

#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <string>

#include "contracts/paramkit/XYStageParam.h"
#include "contracts/uikit/UvDataStr.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "unknowns/UVUnknownData.h"

IMPLEMENT_DYNCREATE(CUVUnknownList, CPhotometryListView)

using namespace photoquant;

namespace {

// Results beyond this magnitude are not shown as numbers.
constexpr double kDisplayLimit = 1e9;
constexpr int kSDDecimals = 5;
constexpr int kCoordDecimals = 1;
// The single-row update reads a mean back at this precision before showing it.
constexpr int kMeanReadBackDecimals = 5;
const char* const kStatisticsSuffix = " [SD][CV] (%)";
// The placeholders of "mean [SD][CV]": an SD and CV without value, a CV without value, and a
// whole text without value.
const std::string kNoSpread = std::string(kUnusableText) + "][" + kUnusableText + "]";
const std::string kNoCV = std::string(kUnusableText) + "]";
const std::string kNoMean = std::string(kUnusableText) + " [" + kNoSpread;

// One statistic of the in-plane distribution: its row label and its values per sample and over
// all samples.
struct CStageStatistic {
    UINT label;
    double (CUVUnknownData::*pdPerSample)(int, int) const;
    double (CUVUnknownData::*pdAllSamples)(int) const;
};

constexpr CStageStatistic kStageStatistics[] = {
    {kAverageLabel, &CUVUnknownData::dGetAverage, &CUVUnknownData::dGetAllSamplAverage},
    {kMaxLabel, &CUVUnknownData::dGetMax, &CUVUnknownData::dGetAllSamplMax},
    {kMinLabel, &CUVUnknownData::dGetMin, &CUVUnknownData::dGetAllSamplMin},
    {kRangeLabel, &CUVUnknownData::dGetRange, &CUVUnknownData::dGetAllSamplRange},
    {kThreeSigmaLabel, &CUVUnknownData::dGetSigma, &CUVUnknownData::dGetAllSamplSigma},
};
constexpr int kStatisticsRows = static_cast<int>(std::size(kStageStatistics));

bool bWithinDisplayRange(double value) {
    return value >= -kDisplayLimit && value <= kDisplayLimit;
}

// The value as it reads back from its fixed-notation text with n decimals.
double dReadBack(double value, int n) {
    return std::strtod(sFixed(value, n).c_str(), nullptr);
}

std::string sFlag(double value, double dLoLimit, double dHiLimit) {
    if (!(value > dHiLimit) && !(value < dLoLimit)) {
        return {};
    }
    std::string flag(" ");
    flag += sModuleString(value > dHiLimit ? kHighFlag : kLowFlag);
    return flag;
}

// "mean [SD][CV]" of a sample's concentrations, then its flag. The CV is taken of the mean and SD
// as shown: rounded to the concentration decimals and to 5 decimals.
std::string sAverageConcText(double dMean, double dSD, int Pc, double dLoLimit, double dHiLimit,
                             bool bSingleRow) {
    if (!bWithinDisplayRange(dMean)) {
        return kNoMean;
    }
    const double m = bSingleRow ? dReadBack(dMean, kMeanReadBackDecimals) : dMean;
    std::string text = sFixed(m, Pc) + " [";
    double dFlagged = m;
    if (!bWithinDisplayRange(dSD)) {
        text += kNoSpread;
    } else {
        dFlagged = dRoundDecimals(m, Pc);
        const double cv = CUVUnknownData::dCalcCV(dFlagged, dRoundDecimals(dSD, kSDDecimals));
        text += UVDATASTR(dSD) + "][" + (bIsUsable(cv) ? UVDATASTR(cv) + "]" : kNoCV);
    }
    return text + sFlag(dFlagged, dLoLimit, dHiLimit);
}

// "mean [SD][CV]" of a sample's ratios: the mean with the reading's significant digits, after
// rounding to the concentration decimals (with one digit more and unrounded in a single-row
// update); the CV of the unrounded values.
std::string sAverageRatioText(double dMean, double dSD, int Pc, int Py, bool bSingleRow) {
    std::string text;
    if (bSingleRow) {
        if (!bIsUsable(dMean)) {
            return kNoMean;
        }
        text = sGeneral(dMean, Py + 1) + " [";
    } else {
        text = (bIsUsable(dMean) ? sGeneral(dReadBack(dMean, Pc), Py) : kUnusableText) + " [";
    }
    if (!bIsUsable(dSD)) {
        return text + kNoSpread;
    }
    const double cv = CUVUnknownData::dCalcCV(dMean, dSD);
    return text + UVDATASTR(dSD) + "][" + (bIsUsable(cv) ? UVDATASTR(cv) + "]" : kNoCV);
}

// A distribution entry; one the document has no room for has no value.
double dStageValue(const CUVUnknownData& doc, const CStageStatistic& statistic, int iSamp,
                   int iWave) {
    try {
        return iSamp >= 0 ? (doc.*statistic.pdPerSample)(iSamp, iWave)
                          : (doc.*statistic.pdAllSamples)(iWave);
    } catch (const std::out_of_range&) {
        return kNoValue;
    }
}

}  // namespace

CUVUnknownList::CUVUnknownList() : CPhotometryListView(EListKind::kResults) {}

CUVUnknownData* CUVUnknownList::GetDocument() const {
    return static_cast<CUVUnknownData*>(m_pDocument);
}

CUVUnknownList::CLayout CUVUnknownList::Layout() const {
    const CUVUnknownData& doc = *GetDocument();
    const CUVInstrParameters* pInst = doc.pGetInstParam();
    CLayout L;
    L.bReplicateRows = pInst == nullptr || pInst->m_bReplRowFlag != 0;
    L.iNumSamp = doc.iGetNumSamp();
    L.iNumRep = L.bReplicateRows ? doc.iGetNumRep() : 1;
    L.iNumWaves = doc.iGetNumMethodWave();
    L.iNumCoord = doc.iGetNumCoord();
    L.iQuantType = doc.iGetQuantType();
    L.iResultType = doc.iGetResultType();
    L.iConcDecimals = doc.iGetConcPrecision();
    L.iReadingDecimals = doc.iGetYPrecision();
    L.dLoLimit = doc.dGetLoLimit();
    L.dHiLimit = doc.dGetHiLimit();
    L.bXY = L.iNumCoord > 0 && (m_bMeasResult != 0 || m_bXYStageControl == 1);
    const bool bStageStatistics = L.bXY && m_bMeasResult == 1;
    const int iStatisticsUnit = CXYStageParam::iGetCalcSampunit();
    L.bSampleStatistics = bStageStatistics && iStatisticsUnit == kPerSampleStatistics;
    L.bAllStatistics = bStageStatistics && iStatisticsUnit == kAllSamplesStatistics;
    L.bStatisticalMode = doc.bGetStatisticalMode() != 0;
    L.iFirstValueColumn = 1 + (L.iNumRep > 1 ? 1 : 0) + (L.bXY ? 2 : 0);
    return L;
}

void CUVUnknownList::vFillList() {
    const CUVUnknownData& doc = *GetDocument();
    const CLayout L = Layout();
    if (L.iNumRep < 1) {
        return;
    }
    const CGLPResult* pValidation = doc.pGetGLPResult();
    if (pValidation != nullptr) {
        vInsertValidationColumns(*pValidation);
    } else {
        vInsertColumns(L);
    }
    const int nData = L.iDataCount();
    GetListCtrl().SetItemCount(nData);
    int iBlanks = 0;
    for (int i = 0; i < nData; ++i) {
        vAppendDataRow(L, i, iBlanks);
    }
    if (L.bAllStatistics && pValidation == nullptr) {
        vAppendStatisticsRows(L, -1);
    }
    if (pValidation != nullptr && doc.bIsComplete()) {
        vUpdateGLPResult();
    }
}

void CUVUnknownList::vInsertColumns(const CLayout& L) {
    const CUVUnknownData& doc = *GetDocument();
    int m = iAppendColumnOwnMargin(sModuleString(kSampleHeader)) / 2;
    if (L.iNumRep > 1) {
        iAppendColumnOwnMargin(sModuleString(kReplicateHeader));
    }
    if (L.bXY) {
        iAppendColumnOwnMargin(sModuleString(kXCoordHeader), LVCFMT_RIGHT);
        // The Y coordinate column also holds the statistics labels, the widest being "Max".
        const int wMax = iTextWidth(sModuleString(kMaxLabel));
        vAppendColumn(sModuleString(kYCoordHeader), wMax + wMax / 2, LVCFMT_RIGHT);
        m = wMax / 2;
    }
    vAppendReadingColumns(doc, m, L.iResultType == kConcResult);
    if (L.iResultType == kConcResult) {
        vAppendConcColumn(doc, m);
        if (L.bStatisticalMode) {
            vAppendColumnWithMargin(sModuleString(kAvgConcHeader) + kStatisticsSuffix, m);
        }
    } else if (L.iResultType == kRatioResult) {
        vAppendColumnWithMargin(sModuleString(kRatioHeader), m);
        if (L.bStatisticalMode) {
            vAppendColumnWithMargin(sModuleString(kAvgRatioHeader) + kStatisticsSuffix, m);
        }
    }
}

void CUVUnknownList::vAppendDataRow(const CLayout& L, int i, int& iBlanks) {
    const CUVUnknownData& doc = *GetDocument();
    const int iGroup = L.bXY ? L.iNumCoord : L.iNumRep;
    const int s = i / iGroup;
    std::string label;
    if (!L.bReplicateRows) {
        label = doc.sGetUnkSampNoName(i);
    } else if (i % iGroup == 0) {
        const bool bBlank = doc.iGetSampleNo(s) == kBlankSampleNo;
        label = (bBlank ? sModuleString(kBlankLabel) : std::to_string(s + 1 - iBlanks)) + " " +
                doc.GetSampName(s);
        iBlanks += bBlank ? 1 : 0;
    } else if (!L.bXY && doc.iGetSampleNo(s) == kBlankSampleNo) {
        return;  // a blank shows its first replicate only
    } else {
        label = sContinuationLabel();
    }
    // Rows follow each other in data order: a blank's missing replicates move the later samples
    // up, and statistics rows push them down.
    const int iRow = iInsertRow(GetListCtrl().GetItemCount(), label, i);
    if (iRow < 0) {
        return;
    }
    int c = 1;
    if (L.iNumRep > 1) {
        vSetCell(iRow, c++, std::to_string(i % L.iNumRep + 1));
    }
    if (L.bXY) {
        const CDoublePt position = doc.GetCoordPt(i % L.iNumCoord);
        vSetCell(iRow, c++, sFixedCell(position.x, kCoordDecimals));
        vSetCell(iRow, c++, sFixedCell(position.y, kCoordDecimals));
    }
    if (const CGLPResult* pValidation = doc.pGetGLPResult()) {
        vWriteValidationCells(L, *pValidation, iRow, c, i);
        return;
    }
    vWriteResultCells(L, iRow, c, i, false);
    if (L.bSampleStatistics && i % L.iNumCoord == L.iNumCoord - 1) {
        vAppendStatisticsRows(L, s);
    }
}

void CUVUnknownList::vWriteResultCells(const CLayout& L, int iRow, int c, int i, bool bSingleRow) {
    const CUVUnknownData& doc = *GetDocument();
    const bool bStage = L.bXY && !bSingleRow;
    const int s = i / (bStage ? L.iNumCoord : L.iNumRep);
    const int r = i % L.iNumRep;
    const bool bMeasured = doc.bGetMeasured(i) != 0;
    const std::string value = sFixedCell(doc.GetValue(i).y, L.iReadingDecimals);
    // A cell of an unmeasured point stays empty; every cell keeps its column.
    auto vMeasuredCell = [&](const std::string& text) {
        if (bMeasured) {
            vSetCell(iRow, c, text);
        }
        ++c;
    };
    if (bIsSpectrumQuant(L.iQuantType)) {
        vMeasuredCell(value);
    } else {
        for (int w = 0; w < L.iNumWaves; ++w) {
            const double dReading =
                bStage ? doc.dGetAbsXY(s, i % L.iNumCoord, w) : doc.dGetAbs(s, r, w);
            vMeasuredCell(sFixedCell(dReading, L.iReadingDecimals));
        }
        if (L.iResultType == kConcResult && L.iNumWaves > 1) {
            vMeasuredCell(value);
        }
    }
    if (L.iResultType != kConcResult && L.iResultType != kRatioResult) {
        return;
    }
    if (L.iResultType == kConcResult) {
        vMeasuredCell(sConcText(L, i, s));
    } else {
        const double dRatio = doc.dGetRatio(s, r);
        vMeasuredCell(bIsUsable(dRatio) ? UVDATASTR(dRatio) : kUnusableText);
    }
    const double dSD = doc.dGetSD(s);
    if (!L.bStatisticalMode || !(dSD >= 0.0) || r != L.iNumRep - 1) {
        return;
    }
    const double dMean = doc.dGetMeanConc(s);
    vSetCell(iRow, c,
             L.iResultType == kConcResult
                 ? sAverageConcText(dMean, dSD, L.iConcDecimals, L.dLoLimit, L.dHiLimit, bSingleRow)
                 : sAverageRatioText(dMean, dSD, L.iConcDecimals, L.iReadingDecimals, bSingleRow));
}

std::string CUVUnknownList::sConcText(const CLayout& L, int i, int iSamp) const {
    const double dConc = GetDocument()->GetValue(i).x;
    if (!bWithinDisplayRange(dConc)) {
        return kUnusableText;
    }
    // A single reading is flagged against the limits; replicates only through their mean.
    const bool bFlagged = L.iNumRep == 1 && GetDocument()->iGetSampleNo(iSamp) != kBlankSampleNo;
    return sFixed(dConc, L.iConcDecimals) +
           (bFlagged ? sFlag(dConc, L.dLoLimit, L.dHiLimit) : std::string());
}

void CUVUnknownList::vAppendStatisticsRows(const CLayout& L, int iSamp) {
    const CUVUnknownData& doc = *GetDocument();
    const int iLabelColumn = L.iFirstValueColumn - 1;  // the Y coordinate column
    for (const CStageStatistic& statistic : kStageStatistics) {
        const int iRow = iAppendRow("");
        vSetCell(iRow, iLabelColumn, sModuleString(statistic.label));
        for (int w = 0; w < L.iNumWaves; ++w) {
            vSetCell(iRow, L.iFirstValueColumn + w,
                     sFixedCell(dStageValue(doc, statistic, iSamp, w), L.iReadingDecimals));
        }
    }
}

int CUVUnknownList::iAppendRow(const std::string& label) {
    return iInsertRow(GetListCtrl().GetItemCount(), label);
}

void CUVUnknownList::vUpdateDisplay(int iSamp, int iRep, int bNewRow, int nBlk) {
    if (GetDocument() == nullptr) {
        return;
    }
    const CLayout L = Layout();
    if (iSamp < 0 || iSamp >= L.iNumSamp || iRep < 0 || iRep >= L.iNumRep) {
        return;  // a point the document or the list does not have
    }
    const int i = iSamp * L.iNumRep + iRep;
    // The row a blank's missing replicate rows move the point to, as the host counts them.
    const int iExpectedRow =
        iRowIndex(static_cast<long long>(i) - static_cast<long long>(L.iNumRep - 1) * nBlk);
    int iRow = -1;
    if (bNewRow != 0) {
        iRow = iInsertRow(iExpectedRow, GetDocument()->sGetUnkSampNoName(i), i);
        if (iRow >= 0 && L.iNumRep > 1) {
            vSetCell(iRow, 1, std::to_string(iRep + 1));
        }
    } else {
        iRow = iPointRow(i, iExpectedRow);
    }
    if (!bShowRow(iRow)) {
        return;
    }
    vWriteResultCells(L, iRow, L.iNumRep > 1 ? 2 : 1, i, true);
}

void CUVUnknownList::vUpdateXYDisplay(int iSamp, int iCoord) {
    const CUVUnknownData* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return;
    }
    const CLayout L = Layout();
    // A position the document does not have, or a list that shows no positions, has no row.
    if (!L.bXY || iSamp < 0 || iSamp >= L.iNumSamp || iCoord < 0 || iCoord >= L.iNumCoord) {
        return;
    }
    const int i = iSamp * L.iNumCoord + iCoord;
    const int iRow = iPointRow(i, i + (L.bSampleStatistics ? kStatisticsRows * iSamp : 0));
    if (!bShowRow(iRow) || pDoc->bGetMeasured(i) != 1) {
        return;
    }
    for (int w = 0; w < L.iNumWaves; ++w) {
        vSetCell(iRow, L.iFirstValueColumn + w,
                 sFixedCell(pDoc->dGetAbsXY(iSamp, iCoord, w), L.iReadingDecimals));
    }
}
