#pragma once
// The statistics of a polynomial calibration, the figures a lab needs to sign a result: how well
// the curve is known, whether its model fits, where detection and quantification begin, which
// points look suspect, and how uncertain each unknown's concentration is.
//
// A host builds one after CUVStandardData::vCalibrate, from the standards document, and asks it
// for the intervals of the unknowns document's samples once their concentrations are computed
// with that calibration. It reads the documents and changes nothing in them. The fit is the
// document's own, repeated on the same points with the same weights (calibration/CalibWeighting.h):
// n points (one per measured replicate), p coefficients of the order, one fewer through zero,
// (u, v) = (x, y) for a curve y = P(x) (direction 0), (y, x) for x = P(y) (direction 1).
//
// Regression (weighted least squares; w_i = 1 unweighted, else normalised to sum to n):
//     e_i = v_i − P(u_i),  s² = Σ w_i e_i² / (n − p)          s = s_y/x, n − p degrees of freedom
//     Cov(c) = s² (X'WX)⁻¹,  c_j ± t·√Cov_jj,  t = t(1 − (1 − level)/2, n − p)
//     R² = 1 − Σ w e² / Σ w (v − v̄_w)²  (Σ w v² through zero)
//     R²_adj = 1 − (1 − R²)(n − i)/(n − p),  i = 1, or 0 through zero
//     h_i = w_i x_i'(X'WX)⁻¹x_i,  r_i = e_i √w_i / (s √(1 − h_i)),
//     t_i = e_i √w_i / (s_(i) √(1 − h_i)),  s_(i)² = (Σ w e² − w_i e_i²/(1 − h_i)) / (n − p − 1)
//     D_i = r_i² h_i / (p (1 − h_i))                                       (Cook's distance)
// Points are flagged when |t_i| > t(1 − 0.05/(2n), n − p − 1) (Bonferroni) or D_i > 4/n; the
// replicates of every standard undergo Grubbs' test (statistics/GrubbsTest.h). Nothing is removed:
// the host removes a point by CUVPhotometryData::vSetMeasured(p, 0) and calibrates again.
//
// Tests of the model, on the fit of the reading on the concentration (the calibration itself in
// direction 0) with the calibration's weights:
//     lack of fit (when some concentration has replicates), c distinct concentrations:
//         SS_pe = Σ_groups Σ w (y − ȳ_w,group)²,  SS_lof = Σ w e² − SS_pe,
//         F = (SS_lof/(c − p)) / (SS_pe/(n − c))  against F(1 − α; c − p, n − c)
//     Mandel (ISO 8466-1), order 1 only: the same points fitted by order 2,
//         TV = (SS_1 − SS_2) / (SS_2 / (n − p_2))  against F(0.99; 1, n − p_2),  n − 3 when free
//
// Limits, in concentration units, on the unweighted fit of the reading on the concentration
// with the calibration's order and origin (the calibration itself when it is unweighted in
// direction 0; the limits assume constant scatter, which a weighting denies), with b the slope at
// zero concentration, m the method's replicates and Var(ŷ(x)) / s² = 1/n + (x − x̄)²/S_xx for a
// free straight line (0 at x = 0 through zero):
//     DIN 32645 / ISO 11843-2, order 1:
//         x_c = (s/b)·t(1 − α, n − p)·√(1/m + Var(ŷ(0))/s²),   x_D = 2 x_c,
//         x_Q = k·(s/b)·t(1 − α/2, n − p)·√(1/m + Var(ŷ(x_Q))/s²), by fixed-point iteration
//               from k·x_c (no value when it does not settle)
//     ICH Q2: 3.3·s/b and 10·s/b; for order 2 and 3 only these, b = P'(0), flagged as such.
//
// The interval of an unknown's result (ISO 8466-1, ISO 11843-2), mean reading ȳ0 of m replicates,
// x0 the concentration the calibration gives for it (the same root the unknowns document takes),
// v0 = 1/w at the sample (calibration/CalibWeighting.h):
//     direction 0: Var(x0) = s²·(v0/m + g'(X'WX)⁻¹g) / P'(x0)²,  g = (1, x0, …, x0^k)
//                  which for order 1 unweighted is the classical inverse prediction
//                  s_x0 = (s/b)·√(1/m + 1/n + (ȳ0 − ȳ)²/(b² S_xx))
//     direction 1: Var(x0) = s²·(v0/m + g'(X'WX)⁻¹g),  g = (1, ȳ0, …, ȳ0^k)
//                  the prediction interval of the curve at ȳ0 for m replicates
//     x0 ± t(1 − (1 − level)/2, n − p)·√Var(x0).
// The sample's blank correction shifts ȳ0 and its weight, solvent, dilution and revision
// correction scale x0, its standard error and both bounds, as they scale the result; the blank
// reading itself is taken as exact. All of this holds for independent, normally distributed
// readings whose variance the weighting describes.
#include <memory>
#include <optional>
#include <vector>

#include "PhotoquantExport.h"
#include "calibration/CalibSegment.h"
#include "calibration/CalibrationPoint.h"
#include "contracts/numkit/LeastSquaresFit.h"
#include "document/QuantitationCodes.h"
#include "statistics/StatisticsTypes.h"

class CUVStandardData;
class CUVUnknownData;

namespace photoquant {

namespace detail {
class CCalibWeights;
}

class PQ_EXPORT CCalibrationStatistics {
public:
    // Every figure of the standards' present calibration.
    explicit CCalibrationStatistics(const CUVStandardData& standards,
                                    const CStatisticsSettings& settings = CStatisticsSettings());

    // kStatisticsReady, or why there are no figures (StatisticsTypes.h). The standards' replicate
    // summaries are there whenever the settings are valid.
    int iGetStatus() const { return m_iStatus; }
    const CStatisticsSettings& GetSettings() const { return m_Settings; }

    // The calibration: order 1 to 3, direction, through zero, weighting (calibration/
    // CalibWeighting.h), n points, p coefficients.
    int iGetOrder() const { return m_iOrder; }
    int iGetDirection() const { return m_iDirection; }
    int bGetForceZero() const { return m_bForceZero; }
    int iGetWeighting() const { return m_iWeighting; }
    int iGetNumPoints() const { return static_cast<int>(m_vPoints.size()); }
    int iGetNumParams() const { return m_iNumParams; }

    // s_y/x and its n − p degrees of freedom; R², adjusted R².
    double dGetResidualSD() const { return m_dResidualSD; }
    int iGetDegreesOfFreedom() const { return m_iDegreesOfFreedom; }
    double dGetRSquared() const { return m_dRSquared; }
    double dGetAdjustedRSquared() const { return m_dAdjustedRSquared; }
    // The coefficients fitted, lowest power first (from x^1 through zero).
    const std::vector<CCoefficient>& GetCoefficients() const { return m_vCoefficients; }
    // Cov(c_i, c_j) for powers i, j; 0 outside the fitted powers.
    double dGetCovariance(int i, int j) const;

    // Every point of the fit, in the fit's order, and the limits they are flagged against.
    const std::vector<CPointDiagnostics>& GetPoints() const { return m_vPoints; }
    double dGetStudentizedLimit() const { return m_dStudentizedLimit; }
    double dGetCookLimit() const { return m_dCookLimit; }
    // Every standard with a measured replicate, in the order of the fit.
    const std::vector<CStandardSummary>& GetStandards() const { return m_vStandards; }

    const CModelTest& GetLackOfFit() const { return m_LackOfFit; }
    const CModelTest& GetMandel() const { return m_Mandel; }
    const CDetectionLimits& GetLimits() const { return m_Limits; }

    // The concentration the calibration gives for a mean reading of m replicates (blank-corrected,
    // no amount correction), with its standard error and interval.
    CConcentrationInterval ConcentrationAt(double dMeanReading, int m) const;
    // A sample of the unknowns document, its concentrations computed with this calibration; and
    // every sample of it.
    CSampleInterval SampleInterval(const CUVUnknownData& unknowns, int iSample) const;
    std::vector<CSampleInterval> SampleIntervals(const CUVUnknownData& unknowns) const;

private:
    bool bHasValidSettings() const;
    void vSummariseStandards(const std::vector<CCalibrationPoint>& points);
    // The document's fit repeated; false when it does not give the curve the document holds.
    bool bRepeatFit(const CUVStandardData& standards, const std::vector<CCalibrationPoint>& points);
    void vDiagnoseFit();
    void vFlagOutliers();
    void vTestModel(const std::vector<CCalibrationPoint>& points);
    void vTestLackOfFit(const std::vector<CCalibrationPoint>& points, const CLeastSquaresFit& fit);
    void vTestMandel(const std::vector<CCalibrationPoint>& points, const CLeastSquaresFit& line);
    void vComputeLimits(const std::vector<CCalibrationPoint>& points);
    void vComputeDinLimits(const CLeastSquaresFit& fit, double dSigma, double dSlope);
    // The fit of the reading on the concentration with the calibration's order and origin.
    CLeastSquaresFit ReadingOnConcentration(const std::vector<CCalibrationPoint>& points,
                                            int iOrder, bool bWeighted) const;
    // The interval of a sample with the Grubbs critical values for 0, 1, … replicates at hand.
    CSampleInterval SampleIntervalWith(const CUVUnknownData& unknowns, int iSample,
                                       const std::vector<double>& grubbsCritical) const;

    CStatisticsSettings m_Settings;
    int m_iStatus = kStatisticsBadSettings;
    int m_iOrder = 0;
    int m_iDirection = 0;
    int m_bForceZero = 0;
    int m_iWeighting = kWeightNone;
    int m_iNumParams = 0;
    int m_iDegreesOfFreedom = 0;
    double m_dIntervalFactor = kNoValue;  // t(1 − (1 − level)/2, n − p), of every interval
    double m_dResidualSD = kNoValue;
    double m_dRSquared = kNoValue;
    double m_dAdjustedRSquared = kNoValue;
    double m_dStudentizedLimit = kNoValue;
    double m_dCookLimit = kNoValue;
    std::vector<CCoefficient> m_vCoefficients;
    std::vector<CPointDiagnostics> m_vPoints;
    std::vector<CStandardSummary> m_vStandards;
    CModelTest m_LackOfFit;
    CModelTest m_Mandel;
    CDetectionLimits m_Limits;
    CCalibSegment m_Segment;  // a copy of the document's curve: results come from it
    std::optional<CLeastSquaresFit> m_Fit;
    // Shared, never changed after the fit: copies of the statistics read the same weights.
    std::shared_ptr<const detail::CCalibWeights> m_Weights;
};

}  // namespace photoquant
