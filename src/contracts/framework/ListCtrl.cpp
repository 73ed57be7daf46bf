#include "contracts/framework/ListCtrl.h"

#include <algorithm>

#include "contracts/framework/Font.h"
#include "contracts/framework/TextMeasure.h"
#include "contracts/framework/WndRecord.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

constexpr int kRowHeight = 16;

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEW, "", dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, const std::string& lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    if (m_hWnd == nullptr || pColumn == nullptr || nCol < 0) {
        return -1;
    }
    auto& columns = m_hWnd->m_columns;
    const int nIndex = std::min(nCol, GetColumnCount());
    CListColumn column;
    column.m_iSubItem = nIndex;
    columns.insert(columns.begin() + nIndex, column);
    SetColumn(nIndex, pColumn);
    return nIndex;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    if (!bHasColumn(nCol)) {
        return FALSE;
    }
    m_hWnd->m_columns.erase(m_hWnd->m_columns.begin() + nCol);
    vContentChanged();
    return TRUE;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    if (!bHasColumn(nCol) || pColumn == nullptr) {
        return FALSE;
    }
    const CListColumn& column = m_hWnd->m_columns[static_cast<size_t>(nCol)];
    if ((pColumn->mask & LVCF_TEXT) != 0) {
        pColumn->pszText = column.m_sText;
    }
    if ((pColumn->mask & LVCF_FMT) != 0) {
        pColumn->fmt = column.m_iFormat;
    }
    if ((pColumn->mask & LVCF_WIDTH) != 0) {
        pColumn->cx = column.m_iWidth;
    }
    if ((pColumn->mask & LVCF_SUBITEM) != 0) {
        pColumn->iSubItem = column.m_iSubItem;
    }
    return TRUE;
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
    if (!bHasColumn(nCol) || pColumn == nullptr) {
        return FALSE;
    }
    CListColumn& column = m_hWnd->m_columns[static_cast<size_t>(nCol)];
    if ((pColumn->mask & LVCF_TEXT) != 0) {
        column.m_sText = pColumn->pszText;
    }
    if ((pColumn->mask & LVCF_FMT) != 0) {
        column.m_iFormat = pColumn->fmt;
    }
    if ((pColumn->mask & LVCF_WIDTH) != 0) {
        column.m_iWidth = std::max(pColumn->cx, 0);
    }
    if ((pColumn->mask & LVCF_SUBITEM) != 0) {
        column.m_iSubItem = pColumn->iSubItem;
    }
    vContentChanged();
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return bHasColumn(nCol) ? m_hWnd->m_columns[static_cast<size_t>(nCol)].m_iWidth : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    LVCOLUMN column;
    column.mask = LVCF_WIDTH;
    column.cx = cx;
    return SetColumn(nCol, &column);
}

int CListCtrl::GetColumnCount() const {
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->m_columns.size()) : 0;
}

std::string CListCtrl::GetColumnText(int nCol) const {
    return bHasColumn(nCol) ? m_hWnd->m_columns[static_cast<size_t>(nCol)].m_sText : std::string();
}

int CListCtrl::GetColumnFormat(int nCol) const {
    return bHasColumn(nCol) ? m_hWnd->m_columns[static_cast<size_t>(nCol)].m_iFormat : -1;
}

void CListCtrl::SetItemCount(int nItems) {
    if (m_hWnd != nullptr && nItems > 0) {
        m_hWnd->m_items.reserve(static_cast<size_t>(nItems));
    }
}

int CListCtrl::GetItemCount() const {
    return m_hWnd != nullptr ? static_cast<int>(m_hWnd->m_items.size()) : 0;
}

int CListCtrl::InsertItem(int nItem, const std::string& lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, const std::string& lpszItem, UINT, UINT, int,
                          LPARAM lParam) {
    if (m_hWnd == nullptr || nItem < 0) {
        return -1;
    }
    CListItem item;
    item.m_texts.push_back((nMask & LVIF_TEXT) != 0 ? lpszItem : std::string());
    item.m_dwData = (nMask & LVIF_PARAM) != 0 ? static_cast<DWORD_PTR>(lParam) : 0;
    const int nIndex = std::min(nItem, GetItemCount());
    m_hWnd->m_items.insert(m_hWnd->m_items.begin() + nIndex, std::move(item));
    vContentChanged();
    return nIndex;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    if (!bHasItem(nItem)) {
        return FALSE;
    }
    m_hWnd->m_items.erase(m_hWnd->m_items.begin() + nItem);
    m_hWnd->m_iTopIndex = std::max(0, std::min(m_hWnd->m_iTopIndex, GetItemCount() - 1));
    vContentChanged();
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    m_hWnd->m_items.clear();
    m_hWnd->m_iTopIndex = 0;
    vContentChanged();
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const std::string& lpszText) {
    if (!bHasItem(nItem) || nSubItem < 0 || (nSubItem > 0 && !bHasColumn(nSubItem))) {
        return FALSE;
    }
    auto& texts = m_hWnd->m_items[static_cast<size_t>(nItem)].m_texts;
    if (texts.size() <= static_cast<size_t>(nSubItem)) {
        texts.resize(static_cast<size_t>(nSubItem) + 1);
    }
    texts[static_cast<size_t>(nSubItem)] = lpszText;
    vContentChanged();
    return TRUE;
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (!bHasItem(nItem) || nSubItem < 0) {
        return {};
    }
    const auto& texts = m_hWnd->m_items[static_cast<size_t>(nItem)].m_texts;
    return static_cast<size_t>(nSubItem) < texts.size() ? texts[static_cast<size_t>(nSubItem)]
                                                        : std::string();
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    if (!bHasItem(nItem)) {
        return FALSE;
    }
    m_hWnd->m_items[static_cast<size_t>(nItem)].m_dwData = dwData;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    return bHasItem(nItem) ? m_hWnd->m_items[static_cast<size_t>(nItem)].m_dwData : 0;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL) {
    if (!bHasItem(nItem)) {
        return FALSE;
    }
    const int nPerPage = std::max(GetCountPerPage(), 1);
    int& nTop = m_hWnd->m_iTopIndex;
    if (nItem < nTop) {
        nTop = nItem;
    } else if (nItem >= nTop + nPerPage) {
        nTop = nItem - nPerPage + 1;
    }
    return TRUE;
}

int CListCtrl::GetTopIndex() const {
    return m_hWnd != nullptr ? m_hWnd->m_iTopIndex : 0;
}

int CListCtrl::GetCountPerPage() const {
    if (m_hWnd == nullptr) {
        return 0;
    }
    const bool bHeaderShown = (m_hWnd->m_dwStyle & LVS_TYPEMASK) == LVS_REPORT &&
                              (m_hWnd->m_dwStyle & LVS_NOCOLUMNHEADER) == 0;
    const int nRows = m_hWnd->m_rect.Height() / kRowHeight - (bHeaderShown ? 1 : 0);
    return std::max(nRows, 0);
}

int CListCtrl::GetStringWidth(const std::string& lpsz) const {
    LOGFONT font;
    if (const CFont* pFont = GetFont()) {
        pFont->GetLogFont(&font);
    }
    return AfxMeasureText(font, lpsz);
}

bool CListCtrl::bHasItem(int nItem) const {
    return nItem >= 0 && nItem < GetItemCount();
}

bool CListCtrl::bHasColumn(int nCol) const {
    return nCol >= 0 && nCol < GetColumnCount();
}

void CListCtrl::vContentChanged() {
    m_hWnd->vInvalidate(false);
}
