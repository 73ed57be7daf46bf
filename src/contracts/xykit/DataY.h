#pragma once
// A data set of Y values at equally spaced X, as a spectrum is: point i lies at
// X = first X + i * step (the step is negative for a spectrum scanned downward).
#include "contracts/xykit/Data2D.h"

class PQ_EXPORT CDataY : public CData2D {
    DECLARE_DYNAMIC(CDataY)
public:
    CDataY() = default;
    // Copies the n values; every point is in (the set is complete).
    CDataY(double dFirstX, double dStep, const double* pdY, int n);
    ~CDataY() override = default;

    // Replaces the values, keeping the X axis; the count changes with n.
    void vSetValues(double dFirstX, double dStep, const double* pdY, int n);
    double dGetFirstX() const { return m_dFirstX; }
    double dGetStep() const { return m_dStep; }

private:
    double m_dFirstX = 0.0;
    double m_dStep = 1.0;
};
