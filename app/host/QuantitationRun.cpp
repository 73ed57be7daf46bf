#include "host/QuantitationRun.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <set>

#include "host/RunDocuments.h"
#include "views/StandardCalibList.h"
#include "views/UVStandardList.h"
#include "views/UVUnknownList.h"
#include "views/UnknownCalibList.h"

using namespace photoquant;

namespace {

// The host's window: wide enough that no list needs scrolling sideways in a report.
constexpr int kWindowWidth = 1200;
constexpr int kListHeight = 400;

// ISO 8601 local time with the zone's offset from UTC, hours and minutes apart: +02:00.
std::string sIsoLocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char time[32];
    char zone[16];
    std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%S", &local);
    std::strftime(zone, sizeof zone, "%z", &local);  // +0200
    std::string iso = time;
    const std::string offset = zone;
    iso += offset.substr(0, 3);
    iso += ':';
    iso += offset.substr(3);
    return iso;
}

}  // namespace

struct CQuantitationRun::CViews {
    CFrameWnd m_Frame;
    CUVStandardList m_StandardList;
    CStandardCalibList m_StandardCalibList;
    CUVUnknownList m_UnknownList;
    CUnknownCalibList m_UnknownCalibList;
};

CQuantitationRun::CQuantitationRun(CRunFile& run) : m_run(run) {}

CQuantitationRun::~CQuantitationRun() = default;

bool CQuantitationRun::bExecute(std::string& problem) {
    if (!bCompute(problem)) {
        return false;
    }
    vShow();
    return true;
}

bool CQuantitationRun::bCompute(std::string& problem) {
    m_sRunTime = sIsoLocalTime(std::time(nullptr));
    vDefaultLimitsToStandards();
    // The amount correction applies only where the instrument's switch allows it.
    m_run.m_Method.pGetInstrParam()->m_bConcCorrect = m_run.m_Settings.m_bAmountCorrection ? 1 : 0;
    m_pStandards = pNewRunStandards(m_run);
    m_pUnknowns = pNewRunUnknowns(m_run);
    vMeasureStandards();
    if (!bCalibrate(problem)) {
        return false;
    }
    vPrepareUnknowns();
    vMeasureUnknowns();
    vAttachValidation();
    return true;
}

// Limits the run file leaves out are the standards' concentration range: a result outside the
// calibrated range is flagged, not taken on trust.
void CQuantitationRun::vDefaultLimitsToStandards() {
    CAnalysisSettings& settings = m_run.m_Settings;
    if (m_run.m_vStandards.empty() || settings.m_iCalibType == kNoCalib ||
        (settings.m_bLowerLimitGiven && settings.m_bUpperLimitGiven)) {
        return;
    }
    bool bAny = false;
    double lo = 0.0;
    double hi = 0.0;
    for (const CStandardEntry& standard : m_run.m_vStandards) {
        const bool bMeasured = std::any_of(
            standard.m_vPoints.begin(), standard.m_vPoints.end(),
            [](const CPointEntry& point) { return point.m_eKind != CPointEntry::EKind::kSkipped; });
        if (bMeasured) {
            lo = bAny ? std::min(lo, standard.m_dConc) : standard.m_dConc;
            hi = bAny ? std::max(hi, standard.m_dConc) : standard.m_dConc;
            bAny = true;
        }
    }
    if (!bAny) {
        return;
    }
    CMethodQuantParam* pQuant = m_run.m_Method.pGetQuantParam();
    if (!settings.m_bLowerLimitGiven) {
        pQuant->m_dLoLimit = std::min(lo, pQuant->m_dHiLimit);
    }
    if (!settings.m_bUpperLimitGiven) {
        pQuant->m_dHiLimit = std::max(hi, pQuant->m_dLoLimit);
    }
}

// ---- documents ---------------------------------------------------------------------------------

void CQuantitationRun::vMeasureStandards() {
    CUVStandardData& standards = *m_pStandards;
    vSetUpRunStandards(standards, m_run);
    const int iNumSamp = static_cast<int>(m_run.m_vStandards.size());
    const int iReplicates = standards.iGetNumRep();
    for (int s = 0; s < iNumSamp; ++s) {
        const auto& points = m_run.m_vStandards[static_cast<size_t>(s)].m_vPoints;
        for (int r = 0; r < iReplicates; ++r) {
            vFeedRunPoint(standards, points[static_cast<size_t>(r)], s * iReplicates + r);
        }
    }
}

bool CQuantitationRun::bUsesStandardsCalibration() const {
    const CAnalysisSettings& settings = m_run.m_Settings;
    return settings.m_iResultType == kConcResult && !settings.m_bManualCalib &&
           !m_run.m_vStandards.empty() && settings.m_iCalibType != kNoCalib;
}

bool CQuantitationRun::bHasManualCurve() const {
    return m_run.m_Settings.m_bManualCalib && m_run.m_Settings.m_iResultType == kConcResult;
}

bool CQuantitationRun::bHasCurve() const {
    return bHasManualCurve() || m_pStandards->pGetCalibList()->GetSize() > 0;
}

CUVPhotometryData& CQuantitationRun::CurveDocument() const {
    if (bHasManualCurve()) {
        return *m_pUnknowns;
    }
    return *m_pStandards;
}

bool CQuantitationRun::bCalibrate(std::string& problem) {
    if (m_run.m_vStandards.empty() || m_run.m_Settings.m_iCalibType == kNoCalib) {
        return true;
    }
    m_pStandards->vCalibrate();
    if (m_run.m_Settings.m_bRemoveOutliers) {
        vRemoveOutliers();
    }
    vJudgeCalibration();
    if (!bUsesStandardsCalibration()) {
        return true;
    }
    // A fit can return a curve from standards that fix none (one concentration repeated): what
    // the standards are is checked whatever the fit gave.
    std::string cause = sCalibrationFault();
    if (cause.empty() && m_pStandards->pGetCalibList()->GetSize() == 0) {
        cause = sCalibrationRefusal(m_pStandards->iGetCalibRefusal());
    }
    if (!cause.empty()) {
        problem = m_run.m_sSource + ": the standards give no calibration curve: " + cause;
        return false;
    }
    return true;
}

// What keeps the standards from fixing a curve, in the order an analyst would look: nothing
// measured, too few points, values that are no numbers, standards that do not vary. Empty when
// they can fix one. A polynomial of order k needs k + 1 different values of what it is fitted
// over (k through zero); a segmented calibration two different concentrations.
std::string CQuantitationRun::sCalibrationFault() const {
    const CUVStandardData& standards = *m_pStandards;
    std::vector<CDoublePt> measured;  // (concentration, reading) of every measured point
    std::set<double> concentrations;  // of the standards with a measured point
    for (int p = 0; p < standards.iGetNumPts(); ++p) {
        if (standards.bGetMeasured(p) != 0) {
            measured.push_back(standards.GetValue(p));
            concentrations.insert(standards.dGetConc(p / standards.iGetNumRep()));
        }
    }
    if (measured.empty()) {
        return "every standard was skipped";
    }
    const int iCalibType = m_run.m_Settings.m_iCalibType;
    const bool bSegmented = iCalibType == kSegmentedCalib;
    const std::string curve =
        bSegmented ? "a segmented calibration" : "a curve of order " + std::to_string(iCalibType);
    const size_t pointsNeeded = bSegmented ? 2 : static_cast<size_t>(iCalibType) + 1;
    const size_t pointsFound = bSegmented ? concentrations.size() : measured.size();
    if (pointsFound < pointsNeeded) {
        return "too few measured " + std::string(bSegmented ? "standards" : "points") + ": " +
               curve + " needs " + std::to_string(pointsNeeded) + ", found " +
               std::to_string(pointsFound);
    }
    const bool bUsable = std::all_of(measured.begin(), measured.end(), [](const CDoublePt& point) {
        return bIsUsable(point.x) && bIsUsable(point.y);
    });
    if (!bUsable) {
        return "a reading of the standards is not a usable number";
    }
    // A polynomial is fitted over the concentrations, or over the readings when it gives
    // concentrations; whatever it is fitted over fixes its order, and the other side must vary for
    // the curve to say anything (through zero, the origin is a point of its own).
    const bool bForceZero = m_run.m_Settings.m_bForceZero != 0;
    const bool bOverReadings = !bSegmented && standards.iGetCalibOpt() == kConcFromReading;
    const size_t fitted = bSegmented ? 2 : pointsNeeded - (bForceZero ? 1 : 0);
    const size_t other = bSegmented || !bForceZero ? 2 : 1;
    std::set<double> readings;
    for (const CDoublePt& point : measured) {
        readings.insert(point.y);
    }
    const size_t concNeeded = bOverReadings ? other : fitted;
    const size_t readingsNeeded = bOverReadings ? fitted : other;
    if (concentrations.size() < concNeeded || readings.size() < readingsNeeded) {
        const bool bConc = concentrations.size() < concNeeded;
        return "the standards do not vary: " + curve + " needs " +
               std::to_string(bConc ? concNeeded : readingsNeeded) + " different " +
               (bConc ? "concentrations" : "readings") + ", found " +
               std::to_string(bConc ? concentrations.size() : readings.size());
    }
    return {};
}

void CQuantitationRun::vPrepareUnknowns() {
    vSetUpRunUnknowns(*m_pUnknowns, m_run, bUsesStandardsCalibration(),
                      m_pStandards->dGetBlkData());
}

void CQuantitationRun::vMeasureUnknowns() {
    CUVUnknownData& unknowns = *m_pUnknowns;
    const bool bStage = unknowns.iGetNumCoord() > 0;
    const int iPointsPerSample = bStage ? unknowns.iGetNumCoord() : unknowns.iGetNumRep();
    const int iNumSamp = static_cast<int>(m_run.m_vUnknowns.size());
    m_vdUsedReading.assign(static_cast<size_t>(iNumSamp * iPointsPerSample), kNoValue);
    m_vdBlankInForce.assign(static_cast<size_t>(iNumSamp), kNoValue);
    m_viBlankSampleInForce.assign(static_cast<size_t>(iNumSamp), -1);
    if (bStage) {
        for (int s = 0; s < iNumSamp; ++s) {
            const auto& points = m_run.m_vUnknowns[static_cast<size_t>(s)].m_vPoints;
            for (int c = 0; c < iPointsPerSample; ++c) {
                vFeedRunPoint(unknowns, points[static_cast<size_t>(c)], s * iPointsPerSample + c);
            }
        }
        unknowns.vCalculateDistribution();
        return;
    }
    vMeasureUnknownsInBlocks();
}

// Each sample's readings go in as one block, its concentrations follow as one block, and the
// statistics run once at the end, where a host feeding point by point would run them after every
// sample's last replicate: the same numbers, without walking every sample once per sample. The
// blank in force is recorded after each sample, as the readings of the samples after it are
// corrected with it.
void CQuantitationRun::vMeasureUnknownsInBlocks() {
    CUVUnknownData& unknowns = *m_pUnknowns;
    const CCalibList* pList = bUsesStandardsCalibration() ? m_pStandards->pGetCalibList() : nullptr;
    const int iReplicates = unknowns.iGetNumRep();
    const int iWavelengths = unknowns.iGetNumActWave();
    const int iNumSamp = static_cast<int>(m_run.m_vUnknowns.size());
    std::vector<double> readings;
    std::vector<int> skipped;
    auto feedBlock = [&] {
        unknowns.iAddValuesBlock(readings.data(), skipped.data(), static_cast<int>(skipped.size()));
        readings.clear();
        skipped.clear();
    };
    // Whether the last point went in through a block, whose statistics are still to run.
    bool bStatisticsPending = false;
    for (int s = 0; s < iNumSamp; ++s) {
        const auto& points = m_run.m_vUnknowns[static_cast<size_t>(s)].m_vPoints;
        for (int r = 0; r < iReplicates; ++r) {
            const CPointEntry& point = points[static_cast<size_t>(r)];
            const bool bMeasured =
                point.m_eKind == CPointEntry::EKind::kMeasured &&
                point.m_vdTransmittance.size() == static_cast<size_t>(iWavelengths);
            bStatisticsPending = bMeasured || point.m_eKind == CPointEntry::EKind::kSkipped;
            if (bMeasured) {
                readings.insert(readings.end(), point.m_vdTransmittance.begin(),
                                point.m_vdTransmittance.end());
                skipped.push_back(0);
            } else if (bStatisticsPending) {
                readings.resize(readings.size() + static_cast<size_t>(iWavelengths), 0.0);
                skipped.push_back(1);
            } else {
                // Typed values and spectra go through the single intake, in their place.
                feedBlock();
                vFeedRunPoint(unknowns, point, s * iReplicates + r);
            }
        }
        feedBlock();
        if (pList != nullptr) {
            unknowns.vCalcConcBlock(s * iReplicates, iReplicates, pList);
        }
        vRecordBlankUse(s, iReplicates);
    }
    // With the standards' list every point's concentration ends in the statistics; the intake's
    // own calculations (ratios, a manual calibration) ran them already when the last point went in
    // on its own.
    const CAnalysisSettings& settings = m_run.m_Settings;
    if (pList != nullptr) {
        unknowns.vCalcStatistics();
    } else if (bStatisticsPending && settings.m_iResultType == kRatioResult) {
        unknowns.vCalcStatisticsRatio();
    } else if (bStatisticsPending && settings.m_iResultType == kConcResult &&
               settings.m_bManualCalib) {
        unknowns.vCalcStatistics();
    }
}

// Right after a sample's concentrations: the blank value the document holds now is the one its
// readings were corrected with (a blank sample has just made its own reading the blank).
void CQuantitationRun::vRecordBlankUse(int iSamp, int iPointsPerSample) {
    const CUVUnknownData& unknowns = *m_pUnknowns;
    const bool bCorrected = m_run.m_Settings.m_iResultType == kConcResult &&
                            (bUsesStandardsCalibration() || m_run.m_Settings.m_bManualCalib);
    if (!bCorrected) {
        return;
    }
    const auto s = static_cast<size_t>(iSamp);
    bool bMeasured = false;
    for (int r = 0; r < iPointsPerSample; ++r) {
        const int p = iSamp * iPointsPerSample + r;
        if (unknowns.bGetMeasured(p) != 0) {
            m_vdUsedReading[static_cast<size_t>(p)] = unknowns.dCorrectConcBlk(p);
            bMeasured = true;
        }
    }
    const int iPrevious = iSamp > 0 ? m_viBlankSampleInForce[s - 1] : -1;
    const bool bNewBlank = unknowns.iGetSampleNo(iSamp) == 0 && bMeasured && unknowns.bIsBlkOK();
    m_viBlankSampleInForce[s] = bNewBlank ? iSamp : iPrevious;
    m_vdBlankInForce[s] = unknowns.dGetBlkData();
}

double CQuantitationRun::dUsedReading(int iPoint) const {
    const auto p = static_cast<size_t>(iPoint);
    return p < m_vdUsedReading.size() ? m_vdUsedReading[p] : kNoValue;
}

double CQuantitationRun::dBlankInForce(int iSamp) const {
    const auto s = static_cast<size_t>(iSamp);
    return s < m_vdBlankInForce.size() ? m_vdBlankInForce[s] : kNoValue;
}

int CQuantitationRun::iBlankSampleInForce(int iSamp) const {
    const auto s = static_cast<size_t>(iSamp);
    return s < m_viBlankSampleInForce.size() ? m_viBlankSampleInForce[s] : -1;
}

void CQuantitationRun::vAttachValidation() {
    vAttachRunValidation(*m_pUnknowns, m_run);
}

// ---- views -------------------------------------------------------------------------------------

void CQuantitationRun::vShow() {
    m_pViews = std::make_unique<CViews>();
    CViews& views = *m_pViews;
    views.m_Frame.Create("", m_run.m_sTitle, WS_POPUP, CRect(0, 0, kWindowWidth, 4 * kListHeight),
                         nullptr, 0);
    CPhotometryListView* lists[] = {&views.m_StandardList, &views.m_StandardCalibList,
                                    &views.m_UnknownList, &views.m_UnknownCalibList};
    for (int i = 0; i < 4; ++i) {
        lists[i]->Create("", "", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                         CRect(0, i * kListHeight, kWindowWidth, (i + 1) * kListHeight),
                         &views.m_Frame, static_cast<UINT>(i + 1));
    }
    m_pStandards->AddView(&views.m_StandardList);
    m_pStandards->AddView(&views.m_StandardCalibList);
    m_pUnknowns->AddView(&views.m_UnknownList);
    m_pUnknowns->AddView(&views.m_UnknownCalibList);
    // Stage results are shown with the statistics of each sample or of all samples.
    CXYStageParam::vSetCalcSampunit(m_run.m_Settings.m_iStageCalcUnit);
    views.m_UnknownList.vSetMeasResult(m_pUnknowns->iGetNumCoord() > 0 ? 1 : 0);
    // The documents are complete: the initial update fills each list once with everything.
    for (CPhotometryListView* pList : lists) {
        pList->OnInitialUpdate();
    }
}

const CListCtrl& CQuantitationRun::StandardList() const {
    return m_pViews->m_StandardList.GetListCtrl();
}
const CListCtrl& CQuantitationRun::StandardCalibList() const {
    return m_pViews->m_StandardCalibList.GetListCtrl();
}
const CListCtrl& CQuantitationRun::UnknownList() const {
    return m_pViews->m_UnknownList.GetListCtrl();
}
const CListCtrl& CQuantitationRun::UnknownCalibList() const {
    return m_pViews->m_UnknownCalibList.GetListCtrl();
}
