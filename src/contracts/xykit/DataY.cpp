#include "contracts/xykit/DataY.h"

IMPLEMENT_DYNAMIC(CDataY, CData2D)

CDataY::CDataY(double dFirstX, double dStep, const double* pdY, int n) {
    vSetValues(dFirstX, dStep, pdY, n);
}

void CDataY::vSetValues(double dFirstX, double dStep, const double* pdY, int n) {
    m_dFirstX = dFirstX;
    m_dStep = dStep;
    vResizePoints(n);
    for (int i = 0; i < m_iMaxPts; ++i) {
        const auto k = static_cast<size_t>(i);
        m_vdX[k] = dFirstX + i * dStep;
        m_vdY[k] = pdY != nullptr ? pdY[i] : 0.0;
        vFillDisplayPoint(i);
    }
    m_iNumPts = m_iMaxPts;
    vSetRangesFromData();
}
