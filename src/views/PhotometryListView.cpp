#include "views/PhotometryListView.h"

#include <limits>

#include "contracts/uikit/DefaultLogFont.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "document/UVPhotometryData.h"
#include "lists/ParameterValueColumns.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CPhotometryListView, CListView)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// Wavelengths in the headers without instrument parameters to ask.
constexpr int kDefaultWaveDecimals = 1;

// The calibration lists are single-selection reports whose header does not sort.
constexpr DWORD kCalibrationListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER;

}  // namespace

CPhotometryListView::CPhotometryListView(EListKind eKind)
    : m_eKind(eKind), m_LogFont(CDefaultLogFont()) {}

void CPhotometryListView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    CListCtrl& list = GetListCtrl();
    const bool bCalibration = m_eKind == EListKind::kCalibration;
    if (bCalibration) {
        const LONG style = GetWindowLong(list.m_hWnd, GWL_STYLE);
        SetWindowLong(list.m_hWnd, GWL_STYLE, style | static_cast<LONG>(kCalibrationListStyle));
    }
    m_LogFont.vMap();
    m_Font.CreateFontIndirect(&m_LogFont);
    list.SetFont(&m_Font, TRUE);
    if (bCalibration && list.GetColumnCount() == 0) {
        CRect client;
        GetClientRect(&client);
        vInsertParameterValueColumns(list, client.Width());
    }
    OnUpdate(nullptr, 0, nullptr);
}

void CPhotometryListView::OnUpdate(CView*, LPARAM, CObject*) {
    vRebuild();
}

void CPhotometryListView::OnDraw(CDC*) {}

std::string CPhotometryListView::sCellText(const std::string& text) {
    return sCutToFit(text, kCellTextLimit);
}

int CPhotometryListView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    // The window's own answer, without the view's activation: a click into a result list leaves
    // the frame's active view as it is.
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CPhotometryListView::OnContextMenu(CWnd*, CPoint pos) {
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CView))) {
        return;
    }
    // The surrounding view shows its menu on a right-button release at the same place.
    pParent->ScreenToClient(&pos);
    pParent->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pos.x, pos.y));
}

BOOL CPhotometryListView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (m_eKind == EListKind::kResults && pHeader != nullptr && pHeader->code == HDN_BEGINTRACK &&
        reinterpret_cast<const NMHEADER*>(lParam)->iItem == 0) {
        m_bFirstColSized = 1;
    }
    return CListView::OnNotify(wParam, lParam, pResult);
}

int CPhotometryListView::iTextWidth(const std::string& text) const {
    return GetListCtrl().GetStringWidth(sCellText(text));
}

void CPhotometryListView::vAppendColumn(const std::string& header, int iWidth, int iFormat) {
    CListCtrl& list = GetListCtrl();
    const int iColumn = list.GetColumnCount();
    list.InsertColumn(iColumn, sCellText(header), iFormat, iWidth, iColumn);
}

int CPhotometryListView::iInsertRow(int iRow, const std::string& label, LPARAM lData) {
    return GetListCtrl().InsertItem(LVIF_TEXT | LVIF_PARAM, iRow, sCellText(label), 0, 0, 0, lData);
}

void CPhotometryListView::vSetCell(int iRow, int iColumn, const std::string& text) {
    GetListCtrl().SetItemText(iRow, iColumn, sCellText(text));
}

bool CPhotometryListView::bHasRow(int iRow) const {
    return iRow >= 0 && iRow < GetListCtrl().GetItemCount();
}

bool CPhotometryListView::bShowRow(int iRow) {
    if (!bHasRow(iRow)) {
        return false;
    }
    GetListCtrl().EnsureVisible(iRow, FALSE);
    return true;
}

int CPhotometryListView::iPointRow(int iPoint, int iExpectedRow) const {
    const CListCtrl& list = GetListCtrl();
    const auto data = static_cast<DWORD_PTR>(iPoint);
    if (iPoint < 0) {
        return -1;
    }
    if (bHasRow(iExpectedRow) && list.GetItemData(iExpectedRow) == data) {
        return iExpectedRow;
    }
    for (int iRow = 0; iRow < list.GetItemCount(); ++iRow) {
        if (list.GetItemData(iRow) == data) {
            return iRow;
        }
    }
    return -1;
}

std::string CPhotometryListView::sFixedCell(double value, int n) {
    return bIsUsable(value) ? sFixed(value, n) : std::string();
}

int CPhotometryListView::iRowIndex(long long row) {
    return row >= 0 && row <= std::numeric_limits<int>::max() ? static_cast<int>(row) : -1;
}

int CPhotometryListView::iRowIndex(int iSamp, int iPerSample, int iIndex) {
    return iRowIndex(static_cast<long long>(iSamp) * iPerSample + iIndex);
}

void CPhotometryListView::vAppendParameterRow(const std::string& label, const std::string& value) {
    const int iRow = iInsertRow(GetListCtrl().GetItemCount(), label);
    if (iRow >= 0) {
        vSetCell(iRow, 1, value);
    }
}

void CPhotometryListView::vRebuild() {
    if (m_pDocument == nullptr) {
        return;
    }
    CListCtrl& list = GetListCtrl();
    const bool bRebuildColumns = m_eKind == EListKind::kResults;
    const int iFirstColWidth = list.GetColumnWidth(0);
    list.SetRedraw(FALSE);
    list.DeleteAllItems();
    while (bRebuildColumns && list.DeleteColumn(0)) {
    }
    vFillList();
    if (bRebuildColumns && m_bFirstColSized != 0) {
        list.SetColumnWidth(0, iFirstColWidth);
    }
    list.SetRedraw(TRUE);
    list.Invalidate(TRUE);
    list.UpdateWindow();
}

int CPhotometryListView::iAppendColumnOwnMargin(const std::string& header, int iFormat) {
    const int w = iTextWidth(header);
    vAppendColumn(header, w + w / 2, iFormat);
    return w;
}

void CPhotometryListView::vAppendColumnWithMargin(const std::string& header, int iMargin) {
    vAppendColumn(header, iTextWidth(header) + iMargin);
}

void CPhotometryListView::vAppendReadingColumns(const CUVPhotometryData& doc, int iMargin,
                                                bool bWithCorr) {
    const int iQuantType = doc.iGetQuantType();
    if (bIsSpectrumQuant(iQuantType)) {
        vAppendColumnWithMargin(sModuleStringOf(kPeakAreaHeader, iQuantType - kPeakAreaQuant, 3),
                                iMargin);
        return;
    }
    const CUVInstrParameters* pInst = doc.pGetInstParam();
    const int iWaveDecimals = pInst != nullptr ? pInst->iGetWaveDecimals() : kDefaultWaveDecimals;
    const int iNumWaves = doc.iGetNumMethodWave();
    for (int k = 0; k < iNumWaves; ++k) {
        vAppendColumnWithMargin(
            doc.GetYUnits() + "(" + sFixedCell(doc.dGetWavelength(k), iWaveDecimals) + ")",
            iMargin);
    }
    if (bWithCorr && iNumWaves > 1) {
        vAppendColumnWithMargin(doc.GetYUnits() + " " + sModuleString(kCorrText), iMargin);
    }
}

int CPhotometryListView::iReadingColumnCount(const CUVPhotometryData& doc, bool bWithCorr) {
    if (bIsSpectrumQuant(doc.iGetQuantType())) {
        return 1;
    }
    const int iNumWaves = doc.iGetNumMethodWave();
    return iNumWaves + (bWithCorr && iNumWaves > 1 ? 1 : 0);
}

void CPhotometryListView::vAppendConcColumn(const CUVPhotometryData& doc, int iMargin) {
    vAppendColumnWithMargin(sModuleString(kConcHeader) + "(" + doc.GetConcUnit() + ")", iMargin);
}
