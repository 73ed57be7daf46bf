#pragma once
// Polynomial least squares of y on x, the fit behind a calibration curve: for order k (1 to 3)
//
//     y = c0 + c1*x + ... + ck*x^k,   minimising SS_res = sum w_i (y_i - yhat_i)^2,
//
// optionally through the origin (c0 = 0), with weights w_i > 0 or without (w_i = 1, the fit of
// every calibration so far). The fit quality is
//
//     R^2 = 1 - SS_res / SS_tot,   SS_tot = sum w_i (y_i - ybar_w)^2, ybar_w = sum w y / sum w,
//                                  or sum w_i y_i^2 through the origin,
//     R   = sqrt(max(R^2, 0)).
//
// Readings that do not vary (SS_tot zero at rounding level: flat standards, or all readings zero
// through the origin) tell nothing about the curve, and the fit is invalid.
//
// The standards document builds one per calibration and reads the coefficients, R and R^2 back;
// the calibration statistics read the rest. With p = k + 1 coefficients (k through the origin),
// X the n x p matrix of the powers of x and W = diag(w):
//
//     Cov(c) = s^2 (X'WX)^-1,              s^2 = SS_res / (n - p)
//     Var(yhat(x)) = s^2 g'(X'WX)^-1 g,    g = (1, x, ..., x^k)   (from x^1 through the origin)
//     h_i = w_i x_i'(X'WX)^-1 x_i          leverage: diagonal of the hat matrix
//
// The fit is solved by an orthogonal decomposition of the centred and scaled abscissae, rows
// scaled by sqrt(w_i), so that readings at large concentrations or wavelengths (x = 1000..1010,
// say) keep their precision; details at the top of LeastSquaresFit.cpp.
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/uikit/DoublePt.h"

class PQ_EXPORT CLeastSquaresFit {
public:
    static constexpr int kMaxOrder = 3;
    // c0..c3, R and R^2.
    static constexpr int kResultSize = kMaxOrder + 3;

    // Fits the n points. Unusable input (fewer points than unknowns, an order outside 1..3, a
    // non-finite coordinate, abscissae that cannot tell the powers apart, or readings that do not
    // vary) leaves an invalid fit
    // whose coefficients, R and R^2 all read 0.
    CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero);
    // The weighted fit, one weight per point; a weight that is not finite and positive leaves the
    // fit invalid. A null pdWeights is the unweighted fit above, bit for bit.
    CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero,
                     const double* pdWeights);

    // Coefficient of x^power; 0 for a power above the order or outside 0..3.
    double dGetCoeff(int power) const;
    double dGetR() const { return m_dR; }
    double dGetR2() const { return m_dR2; }
    int bIsValid() const { return m_bValid; }
    // c0..ck followed by R and R^2 (k = order); the entries after them read 0.
    const double* pdGetResult() const { return m_dResult; }

    // What the statistics of the fit need, from the same decomposition; zero or empty for an
    // invalid fit.
    // p, the number of coefficients fitted.
    int iGetNumParams() const { return m_iOrder + 1 - m_bForceZero; }
    double dGetResidualSS() const { return m_dResidualSS; }
    // yhat_i of every point, in the order given, from the well-conditioned form.
    const std::vector<double>& GetFitted() const { return m_vdFitted; }
    const std::vector<double>& GetLeverages() const { return m_vdLeverage; }
    // Entry (i, j) of (X'WX)^-1 for the coefficients of x^i and x^j.
    double dGetUnscaledCovariance(int i, int j) const;
    // g'(X'WX)^-1 g at x: the variance of the fitted curve there, in units of s^2.
    double dGetVarianceFactor(double x) const;
    // The fitted curve at x and its slope dy/dx, from the well-conditioned form.
    double dEvaluate(double x) const;
    double dGetSlope(double x) const;

private:
    // The fit in t, about the centre and spread already set.
    void vFit(const CDoublePt* pPoints, int n, const double* pdWeights);
    // The covariance by powers of x from the one by powers of t.
    void vConvertCovariance();
    void vFillResult();
    // t = (x - centre) / spread, the fit's own abscissa.
    double dScaled(double x) const { return (x - m_dCentre) / m_dSpread; }

    int m_iOrder;
    int m_bForceZero;
    int m_bValid = 0;
    double m_dCoeff[kMaxOrder + 1] = {};
    double m_dR = 0.0;
    double m_dR2 = 0.0;
    double m_dResult[kResultSize] = {};
    // The well-conditioned form: y = sum_j b_j t^(j + lowest power), t = (x - centre) / spread,
    // and (V'WV)^-1 of its matrix V of powers of t.
    double m_dCentre = 0.0;
    double m_dSpread = 1.0;
    double m_dScaledCoeff[kMaxOrder + 1] = {};
    double m_dScaledCovariance[kMaxOrder + 1][kMaxOrder + 1] = {};
    double m_dCovariance[kMaxOrder + 1][kMaxOrder + 1] = {};  // (X'WX)^-1 by powers of x
    double m_dResidualSS = 0.0;
    std::vector<double> m_vdFitted;
    std::vector<double> m_vdLeverage;
};
