#pragma once
// The plain values the calibration statistics hand out: their settings, the figures of the
// calibration, its points and standards, the tests of the model, the limits, and the interval of
// each unknown's result. Only numbers, codes and small structs, so that a report, a plot or a
// binding to another language takes them as they are. A figure that cannot be computed reads
// kNoValue (document/PhotometricNumbers.h).
#include "document/PhotometricNumbers.h"

namespace photoquant {

// What the statistics are asked for. The defaults are those of a validated method.
struct CStatisticsSettings {
    double dConfidence = 0.95;  // level of the intervals of the coefficients and of the results
    double dAlpha = 0.05;       // error probability of the limits and of the lack-of-fit test
    double dK = 3.0;            // k of the quantification limit: 1/k its relative uncertainty
    int iReplicates = 1;        // m: replicates the method measures of a sample, for the limits
};

// Whether the statistics of a calibration could be computed (CCalibrationStatistics::iGetStatus).
inline constexpr int kStatisticsReady = 0;
// The standards hold no curve: never calibrated, or the calibration was refused
// (CUVStandardData::iGetCalibRefusal says why).
inline constexpr int kStatisticsNoCalibration = 1;
inline constexpr int kStatisticsNotPolynomial = 2;  // segmented, or no calibration type
// The points or settings of the standards have changed since vCalibrate: the curve they hold is
// not the fit of what they hold now. Calibrate again.
inline constexpr int kStatisticsOutOfDate = 3;
inline constexpr int kStatisticsNoDegreesOfFreedom = 4;  // n <= p: no residual variance
inline constexpr int kStatisticsBadSettings = 5;         // a level, alpha or k outside its range

// Verdict of a test of the calibration model.
inline constexpr int kTestNotApplicable = 0;
// Lack of fit: none shown. Mandel: "a straight line suffices".
inline constexpr int kTestPassed = 1;
// Lack of fit: significant. Mandel: "the data bend: consider order 2".
inline constexpr int kTestFailed = 2;

// Suspect calibration points and replicates are flagged at this error probability.
inline constexpr double kOutlierAlpha = 0.05;

// Why a calibration point is flagged (bits of CPointDiagnostics::bOutlier).
inline constexpr int kOutlierStudentized = 1;  // |t_i| above the Bonferroni limit
inline constexpr int kOutlierCook = 2;         // Cook's distance above 4 / n

// Whether an unknown sample's result has an interval (CSampleInterval::iStatus).
inline constexpr int kIntervalReady = 0;
inline constexpr int kIntervalNoStatistics = 1;  // the calibration's statistics are not ready
inline constexpr int kIntervalNotMeasured = 2;   // no measured replicate
inline constexpr int kIntervalBlank = 3;         // a blank sample: it has no concentration
inline constexpr int kIntervalNoResult = 4;      // the result is not a number ("*****")
// The sample's concentrations were not computed with this calibration and these corrections
// (another curve, the manual calibration, or corrections changed since): recompute them first.
inline constexpr int kIntervalOtherCalibration = 5;

// One coefficient of the fitted polynomial: c_power ± t·se, t = t(1 − (1 − level)/2, n − p).
struct CCoefficient {
    int iPower = 0;
    double dValue = 0.0;
    double dStdError = 0.0;
    double dLower = 0.0;
    double dUpper = 0.0;
};

// One measured point of the calibration as the fit saw it. Residual and fitted value are in the
// units of the fit's response: the reading when the curve gives the reading from the
// concentration (direction 0), the concentration otherwise.
struct CPointDiagnostics {
    int iPoint = 0;         // the standards document's point
    int iStandard = 0;      // its standard
    double dConc = 0.0;     // x
    double dReading = 0.0;  // y
    double dWeight = 1.0;   // normalised weight w_i (1 unweighted)
    double dFitted = 0.0;   // the curve at the point
    double dResidual = 0.0;
    double dLeverage = 0.0;
    double dStudentized = 0.0;  // externally studentised residual t_i
    double dCooksDistance = 0.0;
    int bOutlier = 0;  // kOutlierStudentized | kOutlierCook
};

// Grubbs' two-sided test of the value farthest from the mean of n >= 3 values:
// G = max|v_i − mean| / sd, an outlier when G exceeds
// G_crit = (n − 1)/√n · √(t² / (n − 2 + t²)), t = t(1 − α/(2n), n − 2).
struct CGrubbsResult {
    int iCount = 0;     // n, the values tested
    int iSuspect = -1;  // the value farthest from the mean (a point of the document for the
                        // replicates of a standard or a sample); -1 without a test
    double dStatistic = kNoValue;
    double dCritical = kNoValue;
    int bOutlier = 0;
};

// The measured replicates of one standard.
struct CStandardSummary {
    int iStandard = 0;
    double dConc = 0.0;
    int iReplicates = 0;
    double dMeanReading = 0.0;
    double dSD = 0.0;  // sample SD of the readings; kNoValue below two replicates
    // The standard's mean response minus the curve at its mean abscissa (the mean of its
    // residuals when the curve gives the reading); kNoValue without statistics.
    double dMeanResidual = 0.0;
    CGrubbsResult grubbs;
};

// An F test of the calibration model. Lack of fit: F = (SS_lof / (c − p)) / (SS_pe / (n − c)),
// c the distinct concentrations; Mandel: TV = (SS_1 − SS_2) / (SS_2 / (n − p_2)).
struct CModelTest {
    int iVerdict = kTestNotApplicable;
    double dStatistic = kNoValue;
    double dCritical = kNoValue;  // the F quantile the statistic is compared with
    double dPValue = kNoValue;
    int iDf1 = 0;
    int iDf2 = 0;
};

// Limits of detection and quantification, in concentration units, both methods.
struct CDetectionLimits {
    int bAvailable = 0;
    // Order 2 or 3: only the ICH form, with the slope of the curve at zero concentration.
    int bSlopeAtZero = 0;
    // 1 when computed on the calibration's own fit; 0 when on the unweighted fit of the reading
    // on the concentration of the same points and model (weighted calibrations, and curves that
    // give the concentration from the reading).
    int bOwnFit = 0;
    double dSlope = kNoValue;  // b (at zero concentration)
    double dSigma = kNoValue;  // s_y/x of that fit
    int iDegreesOfFreedom = 0;
    double dCriticalValue = kNoValue;           // DIN 32645 x_c
    double dDetectionLimit = kNoValue;          // DIN 32645 x_D = 2 x_c
    double dQuantificationLimit = kNoValue;     // DIN 32645 x_Q
    double dIchDetectionLimit = kNoValue;       // ICH Q2 3.3 σ / S
    double dIchQuantificationLimit = kNoValue;  // ICH Q2 10 σ / S
};

// A concentration from a mean reading, with its standard error and interval at the level.
struct CConcentrationInterval {
    int bValid = 0;
    double dConc = kNoValue;
    double dStdError = kNoValue;
    double dLower = kNoValue;
    double dUpper = kNoValue;
};

// An unknown sample's result with its interval, amount correction applied.
struct CSampleInterval {
    int iSample = 0;
    int iStatus = kIntervalNoStatistics;
    int iReplicates = 0;             // m, the measured replicates used
    double dMeanReading = kNoValue;  // ȳ0, blank-corrected
    double dConc = kNoValue;         // the concentration of the mean reading
    double dStdError = kNoValue;
    double dLower = kNoValue;
    double dUpper = kNoValue;
    CGrubbsResult grubbs;  // over the replicates' readings
};

}  // namespace photoquant
