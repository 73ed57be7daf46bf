#pragma once
// Views placed the way a host places them: a list view created inside a surrounding view, attached
// to its document and given its initial update; and the list read back row by row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "photoquant.h"
#include "unknowns/UVUnknownData.h"
#include "views/StandardCalibList.h"
#include "views/UVStandardList.h"
#include "views/UVUnknownList.h"
#include "views/UnknownCalibList.h"

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

inline std::vector<std::string> Headers(const CListCtrl& list) {
    std::vector<std::string> headers;
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
inline std::vector<std::string> Row(const CListCtrl& list, int iRow) {
    std::vector<std::string> texts;
    for (int c = 0; c < std::max(list.GetColumnCount(), 1); ++c) {
        texts.push_back(list.GetItemText(iRow, c));
    }
    return texts;
}

// The reading whose absorbance display is a.
inline CDoublePt Absorbance(double a) {
    return {500.0, std::pow(10.0, -a)};
}

inline void vFeed(CUVPhotometryData& doc, std::initializer_list<double> absorbances) {
    for (const double a : absorbances) {
        if (std::isnan(a)) {
            doc.vSkipData();
            continue;
        }
        const CDoublePt reading = Absorbance(a);
        doc.iAddValues(&reading, 1);
    }
}

// One point whose readings have the given absorbances.
inline void vFeedPoint(CUVPhotometryData& doc, std::initializer_list<double> absorbances) {
    std::vector<CDoublePt> readings;
    for (const double a : absorbances) {
        readings.push_back(Absorbance(a));
    }
    doc.iAddValues(readings.data(), static_cast<int>(readings.size()));
}

// An unknowns document whose concentration is its reading: the manual line conc = 0 + 1 * reading.
inline void vConcIsReading(CUVUnknownData& doc) {
    doc.vSetResultType(1);
    doc.vSetManualCalib(1);
    doc.pGetCalibSeg()->m_iDirection = 1;
    doc.vSetCoeff(0, 0.0);
    doc.vSetCoeff(1, 1.0);
}
