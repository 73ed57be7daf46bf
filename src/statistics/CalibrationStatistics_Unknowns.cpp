// The uncertainty of the unknowns' results: the interval of the concentration of a mean reading,
// carried through the blank and amount corrections the unknowns document applied.
#include <algorithm>
#include <cmath>

#include "calibration/CalibWeighting.h"
#include "document/PhotometricNumbers.h"
#include "statistics/CalibrationStatistics.h"
#include "statistics/GrubbsAgainstCritical.h"
#include "unknowns/UVUnknownData.h"

namespace photoquant {

CConcentrationInterval CCalibrationStatistics::ConcentrationAt(double dMeanReading, int m) const {
    CConcentrationInterval interval;
    if (m_iStatus != kStatisticsReady || m < 1 || !bIsUsable(dMeanReading)) {
        return interval;
    }
    // The concentration the unknowns document computes: the same segment, the same root.
    const double x0 = m_Segment.dEvaluateX(dMeanReading);
    if (!bIsUsable(x0)) {
        return interval;
    }
    const double variance = m_dResidualSD * m_dResidualSD;
    const double sampleVariance = m_Weights->dRelativeVariance(x0, dMeanReading) / m;
    double conc_variance = 0.0;
    if (m_iDirection == kConcFromReading) {
        // x0 = P(ȳ0): the prediction variance of the curve for the mean of m readings.
        conc_variance = variance * (sampleVariance + m_Fit->dGetVarianceFactor(dMeanReading));
    } else {
        // ȳ0 = P(x0) solved for x0: first-order propagation through the inverse.
        const double slope = m_Fit->dGetSlope(x0);
        conc_variance =
            variance * (sampleVariance + m_Fit->dGetVarianceFactor(x0)) / (slope * slope);
    }
    const double stdError = std::sqrt(conc_variance);
    const double halfWidth = m_dIntervalFactor * stdError;
    if (!std::isfinite(halfWidth)) {
        return interval;
    }
    interval.bValid = 1;
    interval.dConc = x0;
    interval.dStdError = stdError;
    interval.dLower = x0 - halfWidth;
    interval.dUpper = x0 + halfWidth;
    return interval;
}

namespace {

// G_crit for 0 to R values.
std::vector<double> GrubbsCriticalValues(int R) {
    std::vector<double> critical;
    for (int n = 0; n <= R; ++n) {
        critical.push_back(dGrubbsCritical(n, kOutlierAlpha));
    }
    return critical;
}

}  // namespace

CSampleInterval CCalibrationStatistics::SampleInterval(const CUVUnknownData& unknowns,
                                                       int iSample) const {
    return SampleIntervalWith(unknowns, iSample, GrubbsCriticalValues(unknowns.iGetNumRep()));
}

CSampleInterval CCalibrationStatistics::SampleIntervalWith(
    const CUVUnknownData& unknowns, int iSample, const std::vector<double>& grubbsCritical) const {
    CSampleInterval result;
    result.iSample = iSample;
    if (m_iStatus != kStatisticsReady) {
        return result;
    }
    if (unknowns.bIsBlkOK() == 1 && unknowns.iGetSampleNo(iSample) == kBlankSampleNo) {
        result.iStatus = kIntervalBlank;
        return result;
    }
    std::vector<double> readings;
    std::vector<int> points;
    const int R = unknowns.iGetNumRep();
    for (int r = 0; r < R && iSample >= 0 && iSample < unknowns.iGetNumSamp(); ++r) {
        const int p = iSample * R + r;
        if (unknowns.bGetMeasured(p) == 0) {
            continue;
        }
        const double conc = unknowns.GetValue(p).x;
        const double reading = unknowns.dGetEvaluatedReading(p);
        if (!bIsUsable(conc)) {
            result.iStatus = kIntervalNoResult;
            return result;
        }
        // Only a result this calibration and these corrections give has this interval.
        if (!bIsUsable(reading) ||
            unknowns.dAmountCorrected(iSample, m_Segment.dEvaluateX(reading)) != conc) {
            result.iStatus = kIntervalOtherCalibration;
            return result;
        }
        readings.push_back(reading);
        points.push_back(p);
    }
    if (readings.empty()) {
        result.iStatus = kIntervalNotMeasured;
        return result;
    }
    double mean = 0.0;
    for (const double reading : readings) {
        mean += reading;
    }
    mean /= static_cast<double>(readings.size());
    const CConcentrationInterval interval =
        ConcentrationAt(mean, static_cast<int>(readings.size()));
    result.iReplicates = static_cast<int>(readings.size());
    result.dMeanReading = mean;
    result.grubbs = detail::GrubbsTestAgainst(readings, grubbsCritical[readings.size()]);
    if (result.grubbs.iSuspect >= 0) {
        result.grubbs.iSuspect = points[static_cast<size_t>(result.grubbs.iSuspect)];
    }
    if (interval.bValid == 0) {
        result.iStatus = kIntervalNoResult;
        return result;
    }
    // The corrections are linear: they scale the interval as they scale the result.
    const double lower = unknowns.dAmountCorrected(iSample, interval.dLower);
    const double upper = unknowns.dAmountCorrected(iSample, interval.dUpper);
    result.dConc = unknowns.dAmountCorrected(iSample, interval.dConc);
    result.dStdError = std::fabs(unknowns.dAmountCorrected(iSample, interval.dStdError));
    result.dLower = std::min(lower, upper);
    result.dUpper = std::max(lower, upper);
    result.iStatus = bIsUsable(result.dConc) && bIsUsable(result.dLower) && bIsUsable(result.dUpper)
                         ? kIntervalReady
                         : kIntervalNoResult;
    return result;
}

std::vector<CSampleInterval> CCalibrationStatistics::SampleIntervals(
    const CUVUnknownData& unknowns) const {
    std::vector<CSampleInterval> intervals;
    intervals.reserve(static_cast<size_t>(std::max(unknowns.iGetNumSamp(), 0)));
    const std::vector<double> grubbsCritical = GrubbsCriticalValues(unknowns.iGetNumRep());
    for (int s = 0; s < unknowns.iGetNumSamp(); ++s) {
        intervals.push_back(SampleIntervalWith(unknowns, s, grubbsCritical));
    }
    return intervals;
}

}  // namespace photoquant
