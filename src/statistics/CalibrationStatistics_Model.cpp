// The tests of the calibration model (lack of fit, Mandel) and the limits of detection and
// quantification.
#include <cmath>

#include "calibration/CalibWeighting.h"
#include "document/PhotometricNumbers.h"
#include "statistics/CalibrationStatistics.h"
#include "statistics/Distributions.h"

namespace photoquant {

namespace {

// Mandel's test compares at this level.
constexpr double kMandelLevel = 0.99;
// The ICH factors of the detection and the quantification limit.
constexpr double kIchDetection = 3.3;
constexpr double kIchQuantification = 10.0;
// The fixed-point iteration of x_Q stops when a step changes less than this, relatively.
constexpr double kIterationTolerance = 1e-15;
constexpr int kMaxIterations = 200;

// The verdict of F against its critical value, with the p value.
CModelTest FTest(double f, int df1, int df2, double level) {
    CModelTest test;
    test.iDf1 = df1;
    test.iDf2 = df2;
    test.dStatistic = f;
    test.dCritical = detail::dFisherQuantile(level, df1, df2);
    test.dPValue = detail::dFisherUpperTail(f, df1, df2);
    test.iVerdict = f > test.dCritical ? kTestFailed : kTestPassed;
    if (!std::isfinite(test.dStatistic)) {
        test.dStatistic = kNoValue;
    }
    return test;
}

}  // namespace

void CCalibrationStatistics::vTestModel(const std::vector<CCalibrationPoint>& points) {
    if (m_iDirection == kConcFromReading) {
        const CLeastSquaresFit basis = ReadingOnConcentration(points, m_iOrder, true);
        if (basis.bIsValid() != 0) {
            vTestLackOfFit(points, basis);
            vTestMandel(points, basis);
        }
        return;
    }
    vTestLackOfFit(points, *m_Fit);
    vTestMandel(points, *m_Fit);
}

void CCalibrationStatistics::vTestLackOfFit(const std::vector<CCalibrationPoint>& points,
                                            const CLeastSquaresFit& fit) {
    // Points come by concentration: each run of equal concentrations is one group.
    const std::vector<double>& weights = m_Weights->GetWeights();
    const auto weightOf = [&weights](size_t i) { return weights.empty() ? 1.0 : weights[i]; };
    double pureErrorSS = 0.0;
    int groups = 0;
    for (size_t first = 0; first < points.size();) {
        size_t end = first;
        double sumW = 0.0;
        double sumWY = 0.0;
        for (; end < points.size() && points[end].dConc == points[first].dConc; ++end) {
            sumW += weightOf(end);
            sumWY += weightOf(end) * points[end].dReading;
        }
        const double groupMean = sumWY / sumW;
        for (size_t i = first; i < end; ++i) {
            pureErrorSS +=
                weightOf(i) * (points[i].dReading - groupMean) * (points[i].dReading - groupMean);
        }
        ++groups;
        first = end;
    }
    const int n = static_cast<int>(points.size());
    const int pureErrorDf = n - groups;
    const int lackOfFitDf = groups - fit.iGetNumParams();
    if (pureErrorDf < 1 || lackOfFitDf < 1 || !(pureErrorSS > 0.0)) {
        return;
    }
    // Rounding may leave a fit through the group means a hair below the pure error.
    const double lackOfFitSS = std::max(fit.dGetResidualSS() - pureErrorSS, 0.0);
    const double f = (lackOfFitSS / lackOfFitDf) / (pureErrorSS / pureErrorDf);
    m_LackOfFit = FTest(f, lackOfFitDf, pureErrorDf, 1.0 - m_Settings.dAlpha);
}

void CCalibrationStatistics::vTestMandel(const std::vector<CCalibrationPoint>& points,
                                         const CLeastSquaresFit& line) {
    if (m_iOrder != kFirstOrderCalib) {
        return;
    }
    const CLeastSquaresFit curve = ReadingOnConcentration(points, 2, true);
    const int df = static_cast<int>(points.size()) - curve.iGetNumParams();
    if (curve.bIsValid() == 0 || df < 1) {
        return;
    }
    const double lineSS = line.dGetResidualSS();
    const double curveSS = curve.dGetResidualSS();
    if (!(curveSS > 0.0) && !(lineSS > 0.0)) {
        return;  // both pass through every point: nothing to compare
    }
    const double testValue = std::max(lineSS - curveSS, 0.0) / (curveSS / df);
    m_Mandel = FTest(testValue, 1, df, kMandelLevel);
}

void CCalibrationStatistics::vComputeLimits(const std::vector<CCalibrationPoint>& points) {
    const bool bOwnFit = m_iWeighting == kWeightNone && m_iDirection == kReadingFromConc;
    const std::optional<CLeastSquaresFit> refit =
        bOwnFit ? std::nullopt
                : std::optional<CLeastSquaresFit>(ReadingOnConcentration(points, m_iOrder, false));
    const CLeastSquaresFit& fit = bOwnFit ? *m_Fit : *refit;
    if (fit.bIsValid() == 0) {
        return;
    }
    const int df = static_cast<int>(points.size()) - fit.iGetNumParams();
    const double sigma = std::sqrt(fit.dGetResidualSS() / df);
    const double slope = std::fabs(fit.dGetSlope(0.0));
    if (!(slope > 0.0) || !std::isfinite(sigma / slope)) {
        return;
    }
    m_Limits.bAvailable = 1;
    m_Limits.bOwnFit = bOwnFit ? 1 : 0;
    m_Limits.bSlopeAtZero = m_iOrder > kFirstOrderCalib ? 1 : 0;
    m_Limits.dSlope = slope;
    m_Limits.dSigma = sigma;
    m_Limits.iDegreesOfFreedom = df;
    m_Limits.dIchDetectionLimit = kIchDetection * sigma / slope;
    m_Limits.dIchQuantificationLimit = kIchQuantification * sigma / slope;
    m_Limits.dCriticalValue = kNoValue;
    m_Limits.dDetectionLimit = kNoValue;
    m_Limits.dQuantificationLimit = kNoValue;
    if (m_iOrder == kFirstOrderCalib) {
        vComputeDinLimits(fit, sigma, slope);
    }
}

void CCalibrationStatistics::vComputeDinLimits(const CLeastSquaresFit& fit, double dSigma,
                                               double dSlope) {
    const double df = m_Limits.iDegreesOfFreedom;
    const double alpha = m_Settings.dAlpha;
    const double invM = 1.0 / m_Settings.iReplicates;
    const double scale = dSigma / dSlope;
    // x_c = (s/b)·t(1 − α, df)·√(1/m + Var(ŷ(0))/s²), x_D = 2·x_c
    const double critical = scale * detail::dStudentQuantile(1.0 - alpha, df) *
                            std::sqrt(invM + fit.dGetVarianceFactor(0.0));
    if (!std::isfinite(critical)) {
        return;
    }
    m_Limits.dCriticalValue = critical;
    m_Limits.dDetectionLimit = 2.0 * critical;
    // x_Q = k·(s/b)·t(1 − α/2, df)·√(1/m + Var(ŷ(x_Q))/s²), from x_Q = k·x_c
    const double factor = m_Settings.dK * scale * detail::dStudentQuantile(1.0 - alpha / 2.0, df);
    double quantification = m_Settings.dK * critical;
    for (int i = 0; i < kMaxIterations && std::isfinite(quantification); ++i) {
        const double next = factor * std::sqrt(invM + fit.dGetVarianceFactor(quantification));
        if (std::fabs(next - quantification) <= kIterationTolerance * std::fabs(next)) {
            m_Limits.dQuantificationLimit = next;
            return;
        }
        quantification = next;
    }
}

}  // namespace photoquant
