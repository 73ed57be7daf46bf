#pragma once
// One peak of a spectrum, as the peak finder reports it and the photometry documents read it: the
// point indices of its start, end and apex, its height (the reading at the apex) and its area,
// which the caller integrates over start..end by its integration method (PeakArea.h).
#include "PhotoquantExport.h"
#include "contracts/framework/Object.h"

class PQ_EXPORT CPeak : public CObject {
    DECLARE_DYNAMIC(CPeak)
public:
    CPeak() = default;
    CPeak(int iStart, int iEnd, int iApex, double dHeight);
    ~CPeak() override = default;

    int m_iStart = 0;  // index of the first point of the peak
    int m_iEnd = 0;    // index of the last point of the peak
    int m_iApex = 0;   // index of the apex point
    double m_dArea = 0.0;
    double m_dHeight = 0.0;
};
