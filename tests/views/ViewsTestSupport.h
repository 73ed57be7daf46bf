#pragma once
// Views placed the way a host places them: a list view created inside a surrounding view, attached
// to its document and given its initial update; and the list read back as texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "unknowns/UnknownsTestSupport.h"
#include "views/StandardCalibList.h"
#include "views/UVStandardList.h"
#include "views/UVUnknownList.h"
#include "views/UnknownCalibList.h"

using Texts = std::vector<std::string>;

// The view a list sits in, at (100, 50) on the screen; it notes the right-button releases it gets.
class CHostView : public CView {
public:
    CHostView() { Create("", "", WS_POPUP, CRect(100, 50, 500, 350), nullptr, 0); }
    std::vector<CPoint> rightButtonUps;
    std::vector<UINT> rightButtonFlags;

protected:
    void OnRButtonUp(UINT nFlags, CPoint point) override {
        rightButtonFlags.push_back(nFlags);
        rightButtonUps.push_back(point);
    }
};

// Creates the view 301 pixels wide at (10, 20) in its parent, attaches it and updates it.
inline void vPlace(CPhotometryListView& view, CDocument& doc, CWnd& parent) {
    ASSERT_TRUE(view.Create("", "", LVS_REPORT, CRect(10, 20, 311, 220), &parent, 1));
    doc.AddView(&view);
    view.OnInitialUpdate();
}

// A view of the given kind placed in a host view of its own, attached and updated.
template <class View>
struct CPlaced {
    CHostView host;
    View view;
    explicit CPlaced(CDocument& doc) { vPlace(view, doc, host); }
    CListCtrl& List() { return view.GetListCtrl(); }
};

inline Texts Headers(const CListCtrl& list) {
    Texts headers;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        headers.push_back(list.GetColumnText(c));
    }
    return headers;
}

inline std::vector<int> Widths(const CListCtrl& list) {
    std::vector<int> widths;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        widths.push_back(list.GetColumnWidth(c));
    }
    return widths;
}

// The label and every cell of a row, one per column.
inline Texts Row(const CListCtrl& list, int iRow) {
    Texts texts;
    for (int c = 0; c < std::max(list.GetColumnCount(), 1); ++c) {
        texts.push_back(list.GetItemText(iRow, c));
    }
    return texts;
}

// The texts of one column, from row `from` up to row `to` (excluded; -1: the last row).
inline Texts Column(const CListCtrl& list, int iColumn, int from = 0, int to = -1) {
    Texts texts;
    for (int i = from; i < (to < 0 ? list.GetItemCount() : to); ++i) {
        texts.push_back(list.GetItemText(i, iColumn));
    }
    return texts;
}

inline std::vector<Texts> Rows(const CListCtrl& list) {
    std::vector<Texts> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        rows.push_back(Row(list, i));
    }
    return rows;
}
