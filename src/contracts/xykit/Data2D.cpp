#include "contracts/xykit/Data2D.h"

#include "contracts/xykit/GrowGeometrically.h"

#include <algorithm>
#include <cmath>
#include <limits>

IMPLEMENT_DYNAMIC(CData2D, CDocument)

using namespace photoquant::detail;

namespace {

std::string sEntry(const CStringArray& list, int index) {
    return index >= 0 && index < list.GetSize() ? list.GetAt(index) : std::string();
}

}  // namespace

CData2D::CData2D() = default;

CData2D::~CData2D() = default;

void CData2D::vSetName(const std::string& name) {
    SetTitle(name);
}

int CData2D::iSetXMode(int mode) {
    m_iXMode = mode;
    return 1;
}

int CData2D::iSetYMode(int mode) {
    m_iYMode = mode;
    return 1;
}

void CData2D::vSetPrecisionType(int type) {
    m_iPrecisionType = type;
}

void CData2D::vSetXPrecision(int digits) {
    m_iXPrecision = digits;
}

void CData2D::vSetYPrecision(int digits) {
    m_iYPrecision = digits;
}

void CData2D::vSetXValueRange(double dMin, double dMax) {
    m_dXMin = dMin;
    m_dXMax = dMax;
}

void CData2D::vSetYValueRange(double dMin, double dMax) {
    m_dYMin = dMin;
    m_dYMax = dMax;
}

void CData2D::vSetXValueResetRange(double dMin, double dMax) {
    vSetXValueRange(dMin, dMax);
}

void CData2D::vSetYValueResetRange(double dMin, double dMax) {
    vSetYValueRange(dMin, dMax);
}

void CData2D::vSetRangesFromData() {
    if (m_iNumPts <= 0) {
        vSetXValueRange(0.0, 1.0);
        vSetYValueRange(0.0, 1.0);
        return;
    }
    double xMin = std::numeric_limits<double>::max();
    double xMax = -std::numeric_limits<double>::max();
    for (int i = 0; i < m_iNumPts && bHasPoint(i); ++i) {
        xMin = std::min(xMin, m_vPoints[static_cast<size_t>(i)].x);
        xMax = std::max(xMax, m_vPoints[static_cast<size_t>(i)].x);
    }
    vSetXValueRange(xMin, xMax);
    vSetYRangeFromData();
}

void CData2D::vSetYRangeFromData() {
    const CDoublePt range = GetYRangeFromData();
    vSetYValueRange(range.x, range.y);
}

CDoublePt CData2D::GetYRangeFromData() const {
    if (m_iNumPts <= 0) {
        return {0.0, 1.0};
    }
    CDoublePt range(std::numeric_limits<double>::max(), -std::numeric_limits<double>::max());
    for (int i = 0; i < m_iNumPts && bHasPoint(i); ++i) {
        range.x = std::min(range.x, m_vPoints[static_cast<size_t>(i)].y);
        range.y = std::max(range.y, m_vPoints[static_cast<size_t>(i)].y);
    }
    return range;
}

CDoublePt CData2D::GetPointFromX(double x, int* pFound) {
    int nearest = -1;
    for (int i = 0; i < m_iNumPts && bHasPoint(i); ++i) {
        const double distance = std::fabs(m_vPoints[static_cast<size_t>(i)].x - x);
        if (nearest < 0 || distance < std::fabs(m_vPoints[static_cast<size_t>(nearest)].x - x)) {
            nearest = i;
        }
    }
    if (pFound != nullptr) {
        *pFound = nearest >= 0 ? 1 : 0;
    }
    return nearest >= 0 ? m_vPoints[static_cast<size_t>(nearest)] : CDoublePt(x, 0.0);
}

int CData2D::iAddValue(const CDoublePt* pPoint) {
    return pPoint ? iAddValue(*pPoint) : 0;
}

int CData2D::iAddValue(const CDoublePt& point) {
    std::lock_guard<std::recursive_mutex> guard(m_csData);
    return iAppendValue(point);
}

int CData2D::iAppendValue(const CDoublePt& point) {
    if (iAppendStoredValue(point) == 0) {
        return 0;
    }
    vFillDisplayPoint(m_iNumPts - 1);
    return 1;
}

int CData2D::iAppendStoredValue(const CDoublePt& point) {
    if (m_iNumPts < 0 || m_iNumPts >= m_iMaxPts) {
        return 0;
    }
    const auto i = static_cast<size_t>(m_iNumPts);
    m_vdX[i] = point.x;
    m_vdY[i] = point.y;
    ++m_iNumPts;
    return 1;
}

int CData2D::iAddValues(const std::vector<CDoublePt>& points) {
    return iAddValues(points.data(), static_cast<int>(points.size()));
}

int CData2D::iAddValues(const CDoublePt* pPoints, int n) {
    int added = 0;
    for (int i = 0; pPoints != nullptr && i < n; ++i) {
        added += CData2D::iAddValue(pPoints[i]);
    }
    return added;
}

int CData2D::iSetValue(const CDoublePt* pPoint, int index) {
    return pPoint ? iSetValue(*pPoint, index) : 0;
}

int CData2D::iSetValue(const CDoublePt& point, int index) {
    std::lock_guard<std::recursive_mutex> guard(m_csData);
    if (!bHasPoint(index) || index >= m_iMaxPts) {
        return 0;
    }
    const auto i = static_cast<size_t>(index);
    m_vdX[i] = point.x;
    m_vdY[i] = point.y;
    vFillDisplayPoint(index);
    return 1;
}

int CData2D::iSetValues(const std::vector<CDoublePt>& points, int index) {
    return iSetValues(points.data(), static_cast<int>(points.size()), index);
}

int CData2D::iSetValues(const CDoublePt* pPoints, int n, int index) {
    int set = 0;
    for (int i = 0; pPoints != nullptr && i < n; ++i) {
        set += CData2D::iSetValue(pPoints[i], index + i);
    }
    return set;
}

double CData2D::dCalcX(double x) const {
    return x;
}

double CData2D::dCalcY(double y) const {
    return y;
}

double CData2D::dGetIncMin() const {
    double step = std::numeric_limits<double>::max();
    for (int i = 1; i < m_iNumPts && bHasPoint(i); ++i) {
        const double d =
            std::fabs(m_vdX[static_cast<size_t>(i)] - m_vdX[static_cast<size_t>(i - 1)]);
        if (d > 0.0) {
            step = std::min(step, d);
        }
    }
    return step == std::numeric_limits<double>::max() ? 1.0 : step;
}

CDoublePt CData2D::GetValue(int i) const {
    return bHasPoint(i) ? m_vPoints[static_cast<size_t>(i)] : CDoublePt();
}

std::string CData2D::GetXUnits() const {
    return sEntry(m_saXUnits, 0);
}

std::string CData2D::GetYUnits() const {
    return sEntry(m_saYUnits, m_iYMode);
}

std::string CData2D::GetXQuantity() const {
    return sEntry(m_saXQuantity, 0);
}

std::string CData2D::GetYQuantity() const {
    return sEntry(m_saYQuantity, m_iYMode);
}

void CData2D::vSetYData(double* pdY, int n) {
    vResizePoints(n);
    for (int i = 0; i < m_iMaxPts; ++i) {
        m_vdY[static_cast<size_t>(i)] = pdY != nullptr ? pdY[i] : 0.0;
    }
    delete[] pdY;
}

void CData2D::vSetXData(double* pdX, int n) {
    vResizePoints(n);
    for (int i = 0; i < m_iMaxPts; ++i) {
        m_vdX[static_cast<size_t>(i)] = pdX != nullptr ? pdX[i] : 0.0;
        vFillDisplayPoint(i);
    }
    delete[] pdX;
}

void CData2D::vResizePoints(int n) {
    n = std::max(n, 0);
    const auto size = static_cast<size_t>(n);
    if (size > m_vPoints.size()) {
        vGrowGeometrically(m_vdX, size);
        vGrowGeometrically(m_vdY, size);
        vGrowGeometrically(m_vPoints, size);
    }
    m_iMaxPts = n;
    m_iNumPts = std::min(m_iNumPts, n);
}

void CData2D::vFillDisplayPoint(int i) {
    const auto k = static_cast<size_t>(i);
    m_vPoints[k] = CDoublePt(dCalcX(m_vdX[k]), dCalcY(m_vdY[k]));
}
