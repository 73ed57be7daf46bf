#pragma once
// The frame the module's four result views share: report lists that the host places in its windows
// and attaches to a standards or an unknowns document. Two are result lists (one row per reading,
// CUVStandardList and CUVUnknownList), two are calibration lists ("Parameter" and "Value" rows,
// CStandardCalibList and CUnknownCalibList).
//
// Every view draws in the user's list font and hands a right-click to the view it sits in, which
// shows whatever menu it shows; a click into a list does not make it the active view of its frame.
// Every document update rebuilds the whole list from the document, with redrawing switched off for
// the rebuild and one redraw at its end. A result list rebuilds its columns too, keeping the width
// the user dragged the first column to; a calibration list keeps the two columns it made at its
// initial update, half the client width each.
//
// Every text a list shows (header, label or cell) passes through sCellText, which keeps at most
// 126 characters: a cell never holds more, whatever a sample name or a number runs to.
#include <cstddef>
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/Font.h"
#include "contracts/framework/ListView.h"
#include "contracts/uikit/LogFont.h"

class CUVPhotometryData;

class PQ_EXPORT CPhotometryListView : public CListView {
    DECLARE_DYNAMIC(CPhotometryListView)
public:
    // The longest text a list cell holds.
    static constexpr std::size_t kCellTextLimit = 126;

    // A copy of the user's list font.
    CLogFont GetFont() const { return m_LogFont; }

    void OnInitialUpdate() override;
    // Every update rebuilds the list from the document; the sender and the hints are not needed.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // The list paints itself.
    void OnDraw(CDC* pDC) override;

    // The text as a cell shows it: cut to kCellTextLimit characters, never inside a multi-byte
    // character.
    static std::string sCellText(const std::string& text);

protected:
    enum class EListKind {
        kResults,      // columns follow the document; the first column's dragged width is kept
        kCalibration,  // "Parameter" and "Value" columns made once
    };

    explicit CPhotometryListView(EListKind eKind);

    // The view's content, written into the emptied list (a result list also without columns).
    // Called only with a document attached.
    virtual void vFillList() = 0;

    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) override;
    void OnContextMenu(CWnd* pWnd, CPoint pos) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Pixel width of a text in the list's font.
    int iTextWidth(const std::string& text) const;
    // Appends a column whose sub-item is its index.
    void vAppendColumn(const std::string& header, int iWidth, int iFormat = LVCFMT_LEFT);
    // Inserts a row with its label and item data; the row index it got, or -1.
    int iInsertRow(int iRow, const std::string& label, LPARAM lData = 0);
    void vSetCell(int iRow, int iColumn, const std::string& text);
    bool bHasRow(int iRow) const;
    // The start of a single-row update: whether the row exists, scrolled into view when it does.
    bool bShowRow(int iRow);
    // A row the host addresses by sample, replicate or position and counts, worked out wide: -1
    // (no row) when it does not fit an int, so that no index of the host wraps onto a real row.
    static int iRowIndex(long long row);
    // Row iIndex (a replicate or a position) of sample iSamp with iPerSample rows each.
    static int iRowIndex(int iSamp, int iPerSample, int iIndex);
    // A row of a calibration list, appended: the parameter's label and its value.
    void vAppendParameterRow(const std::string& label, const std::string& value);

    // Columns the two result lists share. A column sized by its own header is w + w/2 wide (w the
    // header's width); one given a margin m is w + m wide. Each returns w.
    int iAppendColumnOwnMargin(const std::string& header, int iFormat = LVCFMT_LEFT);
    void vAppendColumnWithMargin(const std::string& header, int iMargin);
    // The reading columns: the peak or derivative value, or one column per method wavelength
    // ("Abs(500.0)") followed, with more than one wavelength and bWithCorr, by the corrected
    // reading ("Abs corr").
    void vAppendReadingColumns(const CUVPhotometryData& doc, int iMargin, bool bWithCorr);
    static int iReadingColumnCount(const CUVPhotometryData& doc, bool bWithCorr);
    // "Conc(%)".
    void vAppendConcColumn(const CUVPhotometryData& doc, int iMargin);

    // The label of every replicate row after a sample's first.
    static std::string sContinuationLabel() { return std::string(12, ' '); }

    int m_bFirstColSized = 0;  // the user has dragged the first column's divider (result lists)

private:
    void vRebuild();

    EListKind m_eKind;
    CLogFont m_LogFont;  // the user's list font
    CFont m_Font;        // made from m_LogFont at the initial update
};
