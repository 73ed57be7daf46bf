#pragma once
// A report list: a header of columns (text, alignment, width, sub-item) and rows of texts, one per
// sub-item, each row with a number of the caller's (item data). Setting something of a row or
// column that does not exist does nothing and answers FALSE; a row inserted past the end is
// appended. Every change of content invalidates the list while redrawing is on.
//
// Headless metrics: a row is 16 pixels high and the header of a report list takes one row; text
// widths come from the process-wide text measure (TextMeasure.h) for the list's font.
#include <string>

#include "contracts/framework/CommCtrl.h"
#include "contracts/framework/Wnd.h"

class PQ_EXPORT CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts at nCol, or appends when nCol is past the last column; -1 on failure. A width of -1
    // leaves the column 0 wide, a sub-item of -1 takes the column's index.
    int InsertColumn(int nCol, const std::string& lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    // Rows keep their texts by sub-item whatever columns come and go.
    BOOL DeleteColumn(int nCol);
    // Read and write the fields that pColumn->mask names.
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    // Read back what InsertColumn put in; an empty text and -1 for a column that does not exist.
    int GetColumnCount() const;
    std::string GetColumnText(int nCol) const;
    int GetColumnFormat(int nCol) const;

    // Prepares room for nItems rows; the row count stays as it is.
    void SetItemCount(int nItems);
    int GetItemCount() const;
    int InsertItem(int nItem, const std::string& lpszItem);
    // Of nMask, LVIF_TEXT and LVIF_PARAM are honoured; states and images are not kept.
    int InsertItem(UINT nMask, int nItem, const std::string& lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    // Sub-item 0 is the row's label; any other must have a column.
    BOOL SetItemText(int nItem, int nSubItem, const std::string& lpszText);
    std::string GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;

    // Scrolls the fewest rows that bring nItem into the page.
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int GetStringWidth(const std::string& lpsz) const;

private:
    bool bHasItem(int nItem) const;
    bool bHasColumn(int nCol) const;
    void vContentChanged();
};
