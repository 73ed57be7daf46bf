// The run's judgement of its calibration: the statistics of the fitted curve, and on the run
// file's request the outliers taken out. Only outliers are taken out, points that a test says do
// not belong to the calibration's scatter (the studentised residual beyond its Bonferroni limit,
// the replicate Grubbs' test singles out); a large Cook's distance says that a point weighs much,
// not that it is wrong (the top standard of a wide range always does), so such points stay. The
// removal is one pass: the curve is fitted again without the outliers of the first fit, and what
// the second fit flags is reported, not removed.
#include <algorithm>

#include "host/QuantitationRun.h"

using namespace photoquant;

namespace {

CStatisticsSettings StatisticsSettings(const CRunFile& run) {
    CStatisticsSettings settings = run.m_Settings.m_Statistics;
    settings.iReplicates = run.m_Method.pGetQuantParam()->m_iNumRep;
    return settings;
}

// The outliers of a fit, in the order of the standards' points.
std::vector<CRemovedPoint> Outliers(const CCalibrationStatistics& statistics) {
    std::vector<CRemovedPoint> outliers;
    for (const CPointDiagnostics& point : statistics.GetPoints()) {
        CRemovedPoint removed;
        removed.m_Point = point;
        removed.m_dStudentizedLimit = statistics.dGetStudentizedLimit();
        for (const CStandardSummary& standard : statistics.GetStandards()) {
            if (standard.iStandard == point.iStandard) {
                removed.m_Grubbs = standard.grubbs;
            }
        }
        removed.m_bByGrubbs =
            removed.m_Grubbs.bOutlier != 0 && removed.m_Grubbs.iSuspect == point.iPoint;
        if ((point.bOutlier & kOutlierStudentized) != 0 || removed.m_bByGrubbs) {
            outliers.push_back(removed);
        }
    }
    std::sort(outliers.begin(), outliers.end(),
              [](const auto& a, const auto& b) { return a.m_Point.iPoint < b.m_Point.iPoint; });
    return outliers;
}

}  // namespace

void CQuantitationRun::vRemoveOutliers() {
    CUVStandardData& standards = *m_pStandards;
    const CCalibrationStatistics first(standards, StatisticsSettings(m_run));
    if (first.iGetStatus() != kStatisticsReady) {
        return;
    }
    std::vector<CRemovedPoint> outliers = Outliers(first);
    if (outliers.empty()) {
        return;
    }
    for (const CRemovedPoint& outlier : outliers) {
        standards.vSetMeasured(outlier.m_Point.iPoint, 0);
    }
    standards.vCalibrate();
    if (standards.pGetCalibList()->GetSize() > 0) {
        m_vRemoved.insert(m_vRemoved.end(), outliers.begin(), outliers.end());
        return;
    }
    // Without them the standards give no curve (too few points, a standard left with one
    // replicate under 1/s²): the calibration keeps them, and the report says so.
    for (const CRemovedPoint& outlier : outliers) {
        standards.vSetMeasured(outlier.m_Point.iPoint, 1);
    }
    standards.vCalibrate();
    m_bOutliersKept = true;
}

void CQuantitationRun::vJudgeCalibration() {
    m_pStatistics =
        std::make_unique<CCalibrationStatistics>(*m_pStandards, StatisticsSettings(m_run));
}

std::string CQuantitationRun::sCalibrationRefusal(int iRefusal) {
    switch (iRefusal) {
        case kRefusalZeroConc:
            return "a standard of concentration 0 would weigh infinitely under the weighting 1/x "
                   "or 1/x^2";
        case kRefusalZeroReading:
            return "a reading of 0 would weigh infinitely under the weighting 1/y or 1/y^2";
        case kRefusalTooFewReplicates:
            return "the weighting 1/s^2 needs at least two measured replicates of every standard";
        case kRefusalIdenticalReplicates:
            return "the weighting 1/s^2 needs replicates that scatter, and a standard's "
                   "replicates are identical";
        default:
            return "the least-squares fit finds no curve through these readings (numbers too "
                   "large or too far apart to be fitted)";
    }
}
