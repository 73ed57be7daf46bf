#pragma once
// The sample rack of the autosampler: a grid of vials between the first vial (X1, Y1) and the last
// (X2, Y2), in the autosampler's position units, reached by the needle at height Z.
#include "PhotoquantExport.h"

class PQ_EXPORT CRackParameters {
public:
    virtual ~CRackParameters() = default;
    void vCopy(const CRackParameters& other) { *this = other; }

    double m_dX1 = 0.0;  // X position of the first vial
    double m_dX2 = 0.0;  // X position of the last vial
    double m_dZ = 0.0;   // needle height
    double m_dY1 = 0.0;  // Y position of the first vial
    double m_dY2 = 0.0;  // Y position of the last vial
    int m_iVialsX = 0;   // vials on the X axis
    int m_iVialsY = 0;   // vials on the Y axis
    int m_iPattern = 0;  // rack pattern code
};
