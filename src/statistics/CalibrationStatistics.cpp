// The statistics of a calibration: the document's fit repeated, its diagnostics, the standards'
// replicates and the flags of suspect points.
#include "statistics/CalibrationStatistics.h"

#include <cmath>
#include <map>

#include "calibration/CalibWeighting.h"
#include "calibration/ReplicateSpread.h"
#include "calibration/UVStandardData.h"
#include "document/PhotometricNumbers.h"
#include "statistics/Distributions.h"
#include "statistics/GrubbsAgainstCritical.h"

namespace photoquant {

namespace {

// Cook's distance above kCookFactor / n flags a point.
constexpr double kCookFactor = 4.0;

double dSquare(double v) {
    return v * v;
}

double dOrNoValue(double value) {
    return std::isfinite(value) ? value : kNoValue;
}

}  // namespace

CCalibrationStatistics::CCalibrationStatistics(const CUVStandardData& standards,
                                               const CStatisticsSettings& settings)
    : m_Settings(settings),
      m_iOrder(standards.iGetCalibType()),
      m_iDirection(standards.iGetCalibOpt()),
      m_bForceZero(standards.bGetForceZero() != 0 ? 1 : 0),
      m_iWeighting(standards.iGetWeighting()) {
    if (!bHasValidSettings()) {
        return;
    }
    const std::vector<CCalibrationPoint> points = standards.GetCalibrationPoints();
    vSummariseStandards(points);
    if (standards.pGetCalibList()->IsEmpty()) {
        m_iStatus = kStatisticsNoCalibration;
        return;
    }
    if (!bIsPolynomialCalib(m_iOrder)) {
        m_iStatus = kStatisticsNotPolynomial;
        return;
    }
    if (!bRepeatFit(standards, points)) {
        m_iStatus = kStatisticsOutOfDate;
        return;
    }
    m_iNumParams = m_Fit->iGetNumParams();
    m_iDegreesOfFreedom = static_cast<int>(points.size()) - m_iNumParams;
    if (m_iDegreesOfFreedom < 1) {
        m_vPoints.clear();
        m_iStatus = kStatisticsNoDegreesOfFreedom;
        return;
    }
    m_iStatus = kStatisticsReady;
    vDiagnoseFit();
    vFlagOutliers();
    vTestModel(points);
    vComputeLimits(points);
}

bool CCalibrationStatistics::bHasValidSettings() const {
    const auto isProbability = [](double p) { return p > 0.0 && p < 1.0; };
    return isProbability(m_Settings.dConfidence) && isProbability(m_Settings.dAlpha) &&
           m_Settings.dK > 0.0 && std::isfinite(m_Settings.dK) && m_Settings.iReplicates >= 1;
}

void CCalibrationStatistics::vSummariseStandards(const std::vector<CCalibrationPoint>& points) {
    // Points come by concentration, a standard's replicates together in measuring order.
    std::map<int, size_t> index;
    std::vector<std::vector<double>> readings;
    std::vector<std::vector<int>> pointsOf;
    for (const CCalibrationPoint& point : points) {
        const auto [it, bNew] = index.try_emplace(point.iStandard, m_vStandards.size());
        if (bNew) {
            CStandardSummary summary;
            summary.iStandard = point.iStandard;
            summary.dConc = point.dConc;
            m_vStandards.push_back(summary);
            readings.emplace_back();
            pointsOf.emplace_back();
        }
        readings[it->second].push_back(point.dReading);
        pointsOf[it->second].push_back(point.iPoint);
    }
    std::map<size_t, double> grubbsCritical;
    for (size_t j = 0; j < m_vStandards.size(); ++j) {
        CStandardSummary& summary = m_vStandards[j];
        const std::vector<double>& values = readings[j];
        const detail::CReplicateSpread spread = detail::ReplicateSpread(values);
        summary.iReplicates = static_cast<int>(values.size());
        summary.dMeanReading = spread.dMean;
        summary.dSD = values.size() >= 2 ? dOrNoValue(std::sqrt(spread.dVariance)) : kNoValue;
        summary.dMeanResidual = kNoValue;
        // Standards of as many replicates share one critical value.
        const auto [critical, bNew] = grubbsCritical.try_emplace(values.size(), 0.0);
        if (bNew) {
            critical->second = dGrubbsCritical(static_cast<int>(values.size()), kOutlierAlpha);
        }
        summary.grubbs = detail::GrubbsTestAgainst(values, critical->second);
        if (summary.grubbs.iSuspect >= 0) {
            summary.grubbs.iSuspect = pointsOf[j][static_cast<size_t>(summary.grubbs.iSuspect)];
        }
    }
}

bool CCalibrationStatistics::bRepeatFit(const CUVStandardData& standards,
                                        const std::vector<CCalibrationPoint>& points) {
    const CCalibList& list = *standards.pGetCalibList();
    m_Segment = *list.GetAt(0);
    m_Weights = std::make_shared<const detail::CCalibWeights>(points, m_iWeighting);
    if (list.GetSize() != 1 || m_Segment.m_iOrder != m_iOrder ||
        m_Segment.m_iDirection != m_iDirection || m_Weights->iGetRefusal() != kRefusalNone) {
        return false;
    }
    const std::vector<CDoublePt> pairs = detail::FitPairs(points, m_iDirection);
    const std::vector<double>& weights = m_Weights->GetWeights();
    m_Fit.emplace(pairs.data(), static_cast<int>(pairs.size()), m_iOrder, m_bForceZero,
                  weights.empty() ? nullptr : weights.data());
    if (m_Fit->bIsValid() == 0) {
        return false;
    }
    // The same points, weights and model give the same coefficients, to the last bit.
    for (int i = 0; i <= m_iOrder; ++i) {
        if (m_Fit->dGetCoeff(i) != m_Segment.m_dCoeff[i]) {
            return false;
        }
    }
    for (size_t i = 0; i < points.size(); ++i) {
        CPointDiagnostics diagnostics;
        diagnostics.iPoint = points[i].iPoint;
        diagnostics.iStandard = points[i].iStandard;
        diagnostics.dConc = points[i].dConc;
        diagnostics.dReading = points[i].dReading;
        diagnostics.dWeight = weights.empty() ? 1.0 : weights[i];
        diagnostics.dFitted = m_Fit->GetFitted()[i];
        diagnostics.dResidual = pairs[i].y - diagnostics.dFitted;
        diagnostics.dLeverage = m_Fit->GetLeverages()[i];
        m_vPoints.push_back(diagnostics);
    }
    return true;
}

void CCalibrationStatistics::vDiagnoseFit() {
    const double n = static_cast<double>(m_vPoints.size());
    const double p = m_iNumParams;
    const double residualSS = m_Fit->dGetResidualSS();
    const double variance = residualSS / m_iDegreesOfFreedom;
    m_dResidualSD = std::sqrt(variance);
    m_dRSquared = m_Fit->dGetR2();
    const double withIntercept = m_bForceZero != 0 ? 0.0 : 1.0;
    m_dAdjustedRSquared = 1.0 - (1.0 - m_dRSquared) * (n - withIntercept) / (n - p);

    m_dIntervalFactor =
        detail::dStudentQuantile(1.0 - (1.0 - m_Settings.dConfidence) / 2.0, m_iDegreesOfFreedom);
    const double t = m_dIntervalFactor;
    for (int power = m_bForceZero; power <= m_iOrder; ++power) {
        CCoefficient coefficient;
        coefficient.iPower = power;
        coefficient.dValue = m_Segment.m_dCoeff[power];
        coefficient.dStdError = dOrNoValue(std::sqrt(dGetCovariance(power, power)));
        coefficient.dLower = dOrNoValue(coefficient.dValue - t * coefficient.dStdError);
        coefficient.dUpper = dOrNoValue(coefficient.dValue + t * coefficient.dStdError);
        m_vCoefficients.push_back(coefficient);
    }

    // Leave-one-out variance, and the standardised residuals built on it; undefined with no
    // degree of freedom left over, or for a point the fit passes through by construction (h = 1).
    const double looDf = n - p - 1.0;
    for (CPointDiagnostics& point : m_vPoints) {
        const double h = point.dLeverage;
        const double weighted = point.dResidual * std::sqrt(point.dWeight);
        const double internal = weighted / (m_dResidualSD * std::sqrt(1.0 - h));
        const double looVariance = (residualSS - dSquare(weighted) / (1.0 - h)) / looDf;
        point.dStudentized = looDf > 0.0 && looVariance > 0.0 && h < 1.0
                                 ? dOrNoValue(weighted / std::sqrt(looVariance * (1.0 - h)))
                                 : kNoValue;
        point.dCooksDistance =
            h < 1.0 ? dOrNoValue(dSquare(internal) * h / (p * (1.0 - h))) : kNoValue;
    }
    // Each standard's mean abscissa and mean response, the curve compared at the former.
    std::map<int, size_t> index;
    for (size_t j = 0; j < m_vStandards.size(); ++j) {
        index[m_vStandards[j].iStandard] = j;
    }
    std::vector<CDoublePt> sums(m_vStandards.size());
    for (const CPointDiagnostics& point : m_vPoints) {
        CDoublePt& sum = sums[index.at(point.iStandard)];
        sum.x += m_iDirection == kConcFromReading ? point.dReading : point.dConc;
        sum.y += m_iDirection == kConcFromReading ? point.dConc : point.dReading;
    }
    for (size_t j = 0; j < m_vStandards.size(); ++j) {
        const double count = m_vStandards[j].iReplicates;
        m_vStandards[j].dMeanResidual =
            dOrNoValue(sums[j].y / count - m_Fit->dEvaluate(sums[j].x / count));
    }
}

void CCalibrationStatistics::vFlagOutliers() {
    const double n = static_cast<double>(m_vPoints.size());
    const double looDf = n - m_iNumParams - 1.0;
    m_dStudentizedLimit =
        dOrNoValue(detail::dStudentQuantile(1.0 - kOutlierAlpha / (2.0 * n), looDf));
    m_dCookLimit = kCookFactor / n;
    for (CPointDiagnostics& point : m_vPoints) {
        if (bHasValue(point.dStudentized) && bHasValue(m_dStudentizedLimit) &&
            std::fabs(point.dStudentized) > m_dStudentizedLimit) {
            point.bOutlier |= kOutlierStudentized;
        }
        if (bHasValue(point.dCooksDistance) && point.dCooksDistance > m_dCookLimit) {
            point.bOutlier |= kOutlierCook;
        }
    }
}

double CCalibrationStatistics::dGetCovariance(int i, int j) const {
    if (m_iStatus != kStatisticsReady) {
        return 0.0;
    }
    return dSquare(m_dResidualSD) * m_Fit->dGetUnscaledCovariance(i, j);
}

CLeastSquaresFit CCalibrationStatistics::ReadingOnConcentration(
    const std::vector<CCalibrationPoint>& points, int iOrder, bool bWeighted) const {
    const std::vector<CDoublePt> pairs = detail::FitPairs(points, 0);
    const std::vector<double>& weights = m_Weights->GetWeights();
    const bool bUseWeights = bWeighted && !weights.empty();
    return CLeastSquaresFit(pairs.data(), static_cast<int>(pairs.size()), iOrder, m_bForceZero,
                            bUseWeights ? weights.data() : nullptr);
}

}  // namespace photoquant
