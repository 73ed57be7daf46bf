// The validation layout of the unknowns list: the result object formats every title and text, the
// list places them. Columns take the result's titles (the summary's wider titles included in the
// width); data rows take the reading texts of each measured point; the summary rows follow the
// last data row once the document is complete:
//   accuracy         per wavelength the rated value, difference and scope of each standard, then
//                    the verdict
//   reproducibility  one row: spread, scope and verdict
//   accuracy JP      average per wavelength, the accuracy table (M + 1 rows), the reproducibility
//                    table (the repeats of each wavelength after a heading row), and both verdicts
#include <algorithm>
#include <string>

#include "contracts/paramkit/GLPResult.h"
#include "contracts/paramkit/PhotAccuracyJPResult.h"
#include "contracts/paramkit/PhotAccuracyResult.h"
#include "contracts/paramkit/PhotReproducibilityResult.h"
#include "unknowns/UVUnknownData.h"
#include "views/UVUnknownList.h"

namespace {

// The JP result's title set and text form the list uses.
constexpr int kTitleSet = 0;
constexpr int kTextForm = 0;
// Items of the JP result naming its two verdict rows, and the reproducibility verdict over all
// wavelengths.
constexpr int kAccuracyResultItem = 9;
constexpr int kReproducibilityResultItem = 17;
constexpr int kAllWaves = -1;
// The repeat index of the reproducibility table's heading row.
constexpr int kHeadingRepeat = -1;
// A widened column leaves room for two more digits.
const char* const kWideningMargin = "88";

// The result as its concrete class when its type code names that class.
template <class TResult>
const TResult* pResultAs(const CGLPResult& result, int iTypeCode) {
    return result.m_iResultType == iTypeCode ? dynamic_cast<const TResult*>(&result) : nullptr;
}

}  // namespace

void CUVUnknownList::vInsertValidationColumns(const CGLPResult& result) {
    if (const auto* pAccuracy = pResultAs<CPhotAccuracyResult>(result, CGLPResult::kPhotAccuracy)) {
        // The last two columns also carry the summary's difference and scope.
        const int n = pAccuracy->iGetNumbTitle();
        for (int c = 0; c < n; ++c) {
            const std::string heading = pAccuracy->sGetTitle(c);
            int w = iTextWidth(heading);
            if (c == n - 2) {
                w = std::max(w, iTextWidth(pAccuracy->sGetDiffTitle()));
            } else if (c == n - 1 || heading.empty()) {
                w = std::max(w, iTextWidth(pAccuracy->sGetScopeTitle()));
            }
            vAppendValidationColumn(heading, w);
        }
    } else if (const auto* pRepro = pResultAs<CPhotReproducibilityResult>(
                   result, CGLPResult::kPhotReproducibility)) {
        for (int c = 0; c < pRepro->iGetNumbTitle(); ++c) {
            vAppendValidationColumn(pRepro->sGetTitle(c), iTextWidth(pRepro->sGetTitle(c)));
        }
    } else if (const auto* pJP =
                   pResultAs<CPhotAccuracyJPResult>(result, CGLPResult::kPhotAccuracyJP)) {
        for (int c = 0; c < pJP->iGetNumbTitle(kTitleSet); ++c) {
            const std::string heading = pJP->sGeDataTitle(c, kTitleSet);
            const int w = std::max(
                {iTextWidth(heading), iTextWidth(pJP->sGetAccuracyTitle(c, kTitleSet, kTextForm)),
                 iTextWidth(pJP->sGetReproducibilityTitle(c, kTitleSet, kTextForm))});
            vAppendValidationColumn(heading, w);
        }
    }
}

void CUVUnknownList::vAppendValidationColumn(const std::string& heading, int w) {
    vAppendColumn(heading, w + w / 2);
}

void CUVUnknownList::vWriteValidationCells(const CLayout& L, const CGLPResult& result, int iRow,
                                           int c, int i) {
    if (GetDocument()->bGetMeasured(i) == 0) {
        return;
    }
    if (const auto* pAccuracy = pResultAs<CPhotAccuracyResult>(result, CGLPResult::kPhotAccuracy)) {
        for (int w = 0; w < L.iNumWaves; ++w) {
            vSetCell(iRow, c++, pAccuracy->sGetValueText(i, w));
        }
        vSetCell(iRow, c, pAccuracy->sGetLotResultText(i));
    } else if (const auto* pRepro = pResultAs<CPhotReproducibilityResult>(
                   result, CGLPResult::kPhotReproducibility)) {
        vSetCell(iRow, c, pRepro->sGetValueText(i % L.iNumRep));
    } else if (const auto* pJP =
                   pResultAs<CPhotAccuracyJPResult>(result, CGLPResult::kPhotAccuracyJP)) {
        for (int w = 0; w < L.iNumWaves; ++w) {
            vSetCell(iRow, c++, pJP->sGetValueText(i, w));
        }
    }
}

void CUVUnknownList::vUpdateGLPDisplay(int iSamp, int iRep, int iWave) {
    const CUVUnknownData* pDoc = GetDocument();
    const CGLPResult* pResult = pDoc != nullptr ? pDoc->pGetGLPResult() : nullptr;
    if (pResult == nullptr) {
        return;
    }
    const CLayout L = Layout();
    // On a stage the position takes the replicate's place; a point the document or the list does
    // not have has no row.
    const int iPerSample = L.bXY ? L.iNumCoord : L.iNumRep;
    if (iSamp < 0 || iSamp >= L.iNumSamp || iRep < 0 || iRep >= iPerSample) {
        return;
    }
    const int i = iRowIndex(iSamp, iPerSample, iRep);
    const int iRow = iPointRow(i, i);
    if (!bShowRow(iRow)) {
        return;
    }
    // The validation cells follow the label, replicate and coordinate columns, as in the refresh.
    const int first = L.iFirstValueColumn;
    if (const auto* pAccuracy =
            pResultAs<CPhotAccuracyResult>(*pResult, CGLPResult::kPhotAccuracy)) {
        if (iWave < 0 || iWave >= L.iNumWaves) {
            return;
        }
        vSetCell(iRow, first + iWave, pAccuracy->sGetValueText(iSamp, iWave));
        if (iWave == L.iNumWaves - 1) {
            vSetCell(iRow, first + 1 + iWave, pAccuracy->sGetLotResultText(iSamp));
        }
    } else if (const auto* pRepro = pResultAs<CPhotReproducibilityResult>(
                   *pResult, CGLPResult::kPhotReproducibility)) {
        vSetCell(iRow, first, pRepro->sGetValueText(iRep));
    } else if (const auto* pJP =
                   pResultAs<CPhotAccuracyJPResult>(*pResult, CGLPResult::kPhotAccuracyJP)) {
        if (iWave >= 0 && iWave < L.iNumWaves) {
            vSetCell(iRow, first + iWave, pJP->sGetValueText(iSamp, iWave));
        }
    }
}

void CUVUnknownList::vUpdateGLPResult() {
    const CUVUnknownData* pDoc = GetDocument();
    const CGLPResult* pResult = pDoc != nullptr ? pDoc->pGetGLPResult() : nullptr;
    if (pResult == nullptr) {
        return;
    }
    const CLayout L = Layout();
    if (const auto* pAccuracy =
            pResultAs<CPhotAccuracyResult>(*pResult, CGLPResult::kPhotAccuracy)) {
        vAppendAccuracySummary(L, *pAccuracy);
    } else if (const auto* pRepro = pResultAs<CPhotReproducibilityResult>(
                   *pResult, CGLPResult::kPhotReproducibility)) {
        vAppendReproducibilitySummary(*pRepro);
    } else if (const auto* pJP =
                   pResultAs<CPhotAccuracyJPResult>(*pResult, CGLPResult::kPhotAccuracyJP)) {
        vAppendAccuracyJPSummary(L, *pJP);
    }
}

void CUVUnknownList::vAppendAccuracySummary(const CLayout& L, const CPhotAccuracyResult& result) {
    iAppendRow("");
    const int iTitleRow = iAppendRow("");
    vSetCell(iTitleRow, 1, result.sGetWaveTitle());
    vSetWidenedCell(iTitleRow, 2, result.sGetRatedTitle());
    vSetWidenedCell(iTitleRow, 3, result.sGetDiffTitle());
    vSetCell(iTitleRow, 4, result.sGetScopeTitle());
    for (int w = 0; w < L.iNumWaves; ++w) {
        // The standards of a wavelength end at the first without a difference.
        for (int s = 0; s < L.iNumSamp && !result.sGetDiffText(s, w).empty(); ++s) {
            const int iRow = iAppendRow("");
            vSetCell(iRow, 1, s == 0 ? result.sGetWaveText(w) : std::string());
            vSetCell(iRow, 2, result.sGetRatedText(s, w));
            vSetCell(iRow, 3, result.sGetDiffText(s, w));
            vSetCell(iRow, 4, result.sGetScopeText(s, w));
        }
    }
    iAppendRow("");
    const int iResultRow = iAppendRow(result.sGetResultTitle());
    vSetCell(iResultRow, 1, result.sGetResultText());
}

void CUVUnknownList::vAppendReproducibilitySummary(const CPhotReproducibilityResult& result) {
    const std::string title = result.sGetResultTitle();
    const int iRow = iAppendRow(title);
    vWidenColumn(0, title);
    vSetWidenedCell(iRow, 1, result.sGetResultValue(0));
    vSetWidenedCell(iRow, 2, result.sGetScopeText(0));
    vSetCell(iRow, 3, result.sGetResultText());
}

void CUVUnknownList::vAppendAccuracyJPSummary(const CLayout& L,
                                              const CPhotAccuracyJPResult& result) {
    const int n = result.iGetNumbTitle(kTitleSet);
    // A table row of n cells, the first being the row's label.
    auto vAppendTableRow = [&](auto textOfColumn) {
        const int iRow = iAppendRow("");
        for (int c = 0; c < n; ++c) {
            vSetWidenedCell(iRow, c, textOfColumn(c));
        }
    };

    const int iAverageRow = iAppendRow("");
    vSetWidenedCell(iAverageRow, 0, result.sGetAverageTitle());
    for (int w = 0; w < L.iNumWaves; ++w) {
        vSetWidenedCell(iAverageRow, 1 + w, result.sGetAverageText(w));
    }
    iAppendRow("");
    for (int j = 0; j <= L.iNumWaves; ++j) {
        vAppendTableRow([&](int c) { return result.sGetAccuracyText(j, c, kTitleSet); });
    }
    iAppendRow("");
    // After the heading row the repeats run 0 ... iRepeats - 1 for each wavelength.
    const int iRepeats = result.m_iReproRowsPerWave;
    for (int j = 0; j <= iRepeats * L.iNumWaves; ++j) {
        const int m = j == 0 ? kHeadingRepeat : (j - 1) % iRepeats;
        vAppendTableRow([&](int c) { return result.sGetReproducibilityText(j, c, m, kTitleSet); });
    }
    iAppendRow("");
    const int iAccuracyRow = iAppendRow("");
    vSetWidenedCell(iAccuracyRow, 0,
                    result.sGetAccuracyTitle(kAccuracyResultItem, kTitleSet, kTextForm));
    vSetWidenedCell(iAccuracyRow, 1, result.sGetAccuracyResultText());
    const int iReproRow = iAppendRow("");
    vSetWidenedCell(
        iReproRow, 0,
        result.sGetReproducibilityTitle(kReproducibilityResultItem, kTitleSet, kTextForm));
    vSetWidenedCell(iReproRow, 1, result.sGetReproducibilityResultText(kAllWaves));
}

void CUVUnknownList::vWidenColumn(int iColumn, const std::string& text) {
    CListCtrl& list = GetListCtrl();
    const int iNeeded = iTextWidth(text) + iTextWidth(kWideningMargin);
    if (iColumn < list.GetColumnCount() && list.GetColumnWidth(iColumn) < iNeeded) {
        list.SetColumnWidth(iColumn, iNeeded);
    }
}

void CUVUnknownList::vSetWidenedCell(int iRow, int iColumn, const std::string& text) {
    vSetCell(iRow, iColumn, text);
    vWidenColumn(iColumn, text);
}
