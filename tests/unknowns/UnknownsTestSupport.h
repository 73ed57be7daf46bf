#pragma once
// Building unknowns documents the way a host does: readings arrive as transmittances, one call per
// point; a manual calibration is a straight line conc = c0 + c1 * reading.
#include <cmath>
#include <initializer_list>
#include <vector>

#include "photoquant.h"
#include "unknowns/UVUnknownData.h"

// The transmittance whose absorbance display is a.
inline CDoublePt Reading(double dAbs) {
    return {500.0, std::pow(10.0, -dAbs)};
}

// One point whose readings have the given absorbances.
inline int iFeedPoint(CUVPhotometryData& doc, std::initializer_list<double> absorbances) {
    std::vector<CDoublePt> readings;
    for (const double a : absorbances) {
        readings.push_back(Reading(a));
    }
    return doc.iAddValues(readings.data(), static_cast<int>(readings.size()));
}

// One single-reading point per absorbance, in point order.
inline void vFeed(CUVPhotometryData& doc, std::initializer_list<double> absorbances) {
    for (const double a : absorbances) {
        iFeedPoint(doc, {a});
    }
}

inline void vUseManualLine(CUVUnknownData& doc, double c0, double c1) {
    doc.vSetResultType(1);
    doc.vSetManualCalib(1);
    doc.pGetCalibSeg()->m_iDirection = 1;
    doc.vSetCoeff(0, c0);
    doc.vSetCoeff(1, c1);
}

// Concentration written to point p.
inline double dPointConc(const CUVUnknownData& doc, int p) {
    return doc.GetValue(p).x;
}
