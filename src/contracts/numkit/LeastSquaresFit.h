#pragma once
// Polynomial least squares of y on x, the fit behind a calibration curve: for order k (1 to 3)
//
//     y = c0 + c1*x + ... + ck*x^k,   minimising SS_res = sum (y_i - yhat_i)^2, no weights,
//
// optionally through the origin (c0 = 0). The fit quality is
//
//     R^2 = 1 - SS_res / SS_tot,   SS_tot = sum (y_i - ybar)^2, or sum y_i^2 through the origin,
//     R   = sqrt(max(R^2, 0)).
//
// The standards document builds one per calibration and reads the coefficients, R and R^2 back.
// The fit is solved by an orthogonal decomposition of the centred and scaled abscissae, so that
// readings at large concentrations or wavelengths (x = 1000..1010, say) keep their precision;
// details at the top of LeastSquaresFit.cpp.
#include "PhotoquantExport.h"
#include "contracts/uikit/DoublePt.h"

class PQ_EXPORT CLeastSquaresFit {
public:
    static constexpr int kMaxOrder = 3;
    // c0..c3, R and R^2.
    static constexpr int kResultSize = kMaxOrder + 3;

    // Fits the n points. Unusable input (fewer points than unknowns, an order outside 1..3, a
    // non-finite coordinate, or abscissae that cannot tell the powers apart) leaves an invalid fit
    // whose coefficients, R and R^2 all read 0.
    CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero);

    // Coefficient of x^power; 0 for a power above the order or outside 0..3.
    double dGetCoeff(int power) const;
    double dGetR() const { return m_dR; }
    double dGetR2() const { return m_dR2; }
    int bIsValid() const { return m_bValid; }
    // c0..ck followed by R and R^2 (k = order); the entries after them read 0.
    const double* pdGetResult() const { return m_dResult; }

private:
    void vFit(const CDoublePt* pPoints, int n);
    void vFillResult();

    int m_iOrder;
    int m_bForceZero;
    int m_bValid = 0;
    double m_dCoeff[kMaxOrder + 1] = {};
    double m_dR = 0.0;
    double m_dR2 = 0.0;
    double m_dResult[kResultSize] = {};
};
