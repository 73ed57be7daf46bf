#include "host/SampleOutcome.h"

#include <cmath>

using namespace photoquant;

namespace {

std::string sTrimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

double dMeanOf(const std::vector<double>& values) {
    if (values.empty()) {
        return kNoValue;
    }
    double sum = 0.0;
    for (double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

// Solvent / weight * dilution * revision, in the order the document multiplies them.
double dAmountFactor(const CUVUnknownData& unknowns, int iSamp) {
    return unknowns.dGetSolvent(iSamp) / unknowns.dGetWeightSetting(iSamp) *
           unknowns.dGetDilutionRatio(iSamp) * unknowns.dGetRevisionCoef(iSamp);
}

CPointOutcome PointOutcome(const CQuantitationRun& run, int iSamp, int iIndex, int iPoint) {
    const CUVUnknownData& unknowns = run.Unknowns();
    const bool bStage = unknowns.iGetNumCoord() > 0;
    CPointOutcome point;
    point.m_iPoint = iPoint;
    point.m_iIndex = iIndex;
    point.m_bMeasured = unknowns.bGetMeasured(iPoint) != 0;
    if (bStage) {
        point.m_Position = unknowns.GetCoordPt(iIndex);
    }
    if (!point.m_bMeasured) {
        return point;
    }
    if (!run.RunFile().bIsSpectral()) {
        for (int k = 0; k < unknowns.iGetNumMethodWave(); ++k) {
            point.m_vdReadings.push_back(bStage ? unknowns.dGetAbsXY(iSamp, iIndex, k)
                                                : unknowns.dGetAbs(iSamp, iIndex, k));
        }
    }
    const CDoublePt value = unknowns.GetValue(iPoint);
    point.m_dValue = value.y;
    switch (unknowns.iGetResultType()) {
        case kConcResult:
            point.m_dResult = bStage ? kNoValue : value.x;
            point.m_dUsedReading = run.dUsedReading(iPoint);
            if (unknowns.iGetSampleNo(iSamp) != 0 && bIsUsable(point.m_dResult)) {
                point.m_sFlag = sLimitFlag(point.m_dResult, unknowns);
            }
            break;
        case kRatioResult:
            point.m_dResult = unknowns.dGetRatio(iSamp, iIndex);
            break;
        default:
            point.m_dResult = value.y;
    }
    return point;
}

void vTakeStatistics(const CUVUnknownData& unknowns, CSampleOutcome& sample) {
    const int s = sample.m_iSample;
    sample.m_dSD = unknowns.dGetSD(s) >= 0.0 ? unknowns.dGetSD(s) : kNoValue;
    sample.m_dCV = CUVUnknownData::dCalcCV(unknowns.dGetMeanConc(s), sample.m_dSD);
    if (!bIsUsable(sample.m_dSD)) {
        sample.m_dCV = kNoValue;
    }
}

CSampleOutcome SampleOutcome(const CQuantitationRun& run, int iSamp, bool bAmountCorrection) {
    const CUVUnknownData& unknowns = run.Unknowns();
    const int iPoints =
        unknowns.iGetNumCoord() > 0 ? unknowns.iGetNumCoord() : unknowns.iGetNumRep();
    CSampleOutcome sample;
    sample.m_iSample = iSamp;
    sample.m_iSampleNo = unknowns.iGetSampleNo(iSamp);
    sample.m_sName = unknowns.GetSampName(iSamp);
    sample.m_sLabel = sTrimmed(unknowns.sGetUnkSampName(iSamp));
    sample.m_dBlank = run.dBlankInForce(iSamp);
    sample.m_iBlankSample = run.iBlankSampleInForce(iSamp);
    sample.m_dAmountFactor = bAmountCorrection ? dAmountFactor(unknowns, iSamp) : 1.0;
    std::vector<double> results;
    std::vector<double> used;
    for (int i = 0; i < iPoints; ++i) {
        sample.m_vPoints.push_back(PointOutcome(run, iSamp, i, iSamp * iPoints + i));
        const CPointOutcome& point = sample.m_vPoints.back();
        if (!point.m_bMeasured) {
            continue;
        }
        ++sample.m_iCount;
        if (bIsUsable(point.m_dResult)) {
            results.push_back(point.m_dResult);
        }
        if (bIsUsable(point.m_dUsedReading)) {
            used.push_back(point.m_dUsedReading);
        }
    }
    sample.m_dMean = dMeanOf(results);
    sample.m_dMeanUsedReading = dMeanOf(used);
    if (bIsUsable(sample.m_dMean) && unknowns.iGetResultType() == kConcResult) {
        sample.m_dCurveConc = sample.m_dMean / sample.m_dAmountFactor;
        if (!sample.bIsBlank()) {
            sample.m_sFlag = sLimitFlag(sample.m_dMean, unknowns);
        }
    }
    return sample;
}

// The document pools the replicates of N counted samples in a row (blanks and excluded samples
// are not counted) and stores mean and SD at the group's last sample; a trailing group of fewer
// than N samples stores nothing.
void vGroupStatistics(const CUVUnknownData& unknowns, CUnknownOutcomes& outcomes) {
    const int iStatisticsCount = unknowns.iGetStatisticsNum();
    std::vector<int> open;
    for (CSampleOutcome& sample : outcomes.m_vSamples) {
        if (sample.m_iSampleNo <= 0) {
            continue;
        }
        open.push_back(sample.m_iSample);
        if (static_cast<int>(open.size()) < iStatisticsCount) {
            continue;
        }
        if (iStatisticsCount == 1) {
            vTakeStatistics(unknowns, sample);
        } else {
            CStatisticsGroup group;
            group.m_viSamples = open;
            const int last = sample.m_iSample;
            group.m_dMean = unknowns.dGetMeanConc(last);
            group.m_dSD = unknowns.dGetSD(last) >= 0.0 ? unknowns.dGetSD(last) : kNoValue;
            group.m_dCV = bIsUsable(group.m_dSD)
                              ? CUVUnknownData::dCalcCV(group.m_dMean, group.m_dSD)
                              : kNoValue;
            if (outcomes.m_bConcentrations) {
                group.m_sFlag = sLimitFlag(group.m_dMean, unknowns);
            }
            outcomes.m_vGroups.push_back(group);
        }
        open.clear();
    }
    outcomes.m_viUngrouped = open;
}

}  // namespace

std::string sLimitFlag(double conc, const CUVPhotometryData& doc) {
    if (conc > doc.dGetHiLimit()) {
        return sModuleString(kHighFlag);
    }
    return conc < doc.dGetLoLimit() ? sModuleString(kLowFlag) : std::string();
}

CUnknownOutcomes UnknownOutcomes(const CQuantitationRun& run) {
    const CUVUnknownData& unknowns = run.Unknowns();
    CUnknownOutcomes outcomes;
    outcomes.m_bConcentrations = unknowns.iGetResultType() == kConcResult;
    outcomes.m_bAmountCorrection = run.RunFile().m_Settings.m_bAmountCorrection;
    for (int s = 0; s < unknowns.iGetNumSamp(); ++s) {
        outcomes.m_vSamples.push_back(SampleOutcome(run, s, outcomes.m_bAmountCorrection));
    }
    const CCalibrationStatistics* pStatistics = run.pCalibrationStatistics();
    if (pStatistics != nullptr && run.bUsesStandardsCalibration() && unknowns.iGetNumCoord() == 0) {
        const std::vector<CSampleInterval> intervals = pStatistics->SampleIntervals(unknowns);
        for (CSampleOutcome& sample : outcomes.m_vSamples) {
            sample.m_Interval = intervals[static_cast<size_t>(sample.m_iSample)];
        }
    }
    if (unknowns.bGetStatisticalMode() != 0 && unknowns.iGetNumCoord() == 0 &&
        unknowns.iGetResultType() != kReadingsResult) {
        vGroupStatistics(unknowns, outcomes);
    }
    return outcomes;
}
