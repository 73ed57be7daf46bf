#include "host/CalibrationPlotBuilder.h"

#include <algorithm>
#include <cmath>

#include "host/CalibrationStatisticsReport.h"
#include "host/ReportNumbers.h"

using namespace photoquant;

namespace {

// Points along each drawn piece of the curve.
constexpr int kCurveSteps = 200;
// How far beyond the calibration an unknown may pull the axes, as a share of the calibration's
// span on each side; an unknown farther out is drawn at the edge instead.
constexpr double kReachShare = 0.5;

std::vector<CDoublePt> CurvePoints(CUVPhotometryData& doc, double lo, double hi) {
    std::vector<CDoublePt> points;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double x = lo + (hi - lo) * i / kCurveSteps;
        points.push_back(doc.GetPointFromX(x, nullptr));
    }
    return points;
}

void vTakeAll(CPlotWindow& window, const std::vector<CDoublePt>& points) {
    for (const CDoublePt& point : points) {
        window.vTake(point.x, point.y);
    }
}

// Zero belongs on an axis whose values start closer to it than they spread.
void vTakeZeroWhenNear(CPlotWindow& window) {
    if (window.m_bEmpty) {
        return;
    }
    if (window.m_dXMin > 0.0 && window.m_dXMin < window.m_dXMax - window.m_dXMin) {
        window.m_dXMin = 0.0;
    }
    if (window.m_dYMin > 0.0 && window.m_dYMin < window.m_dYMax - window.m_dYMin) {
        window.m_dYMin = 0.0;
    }
}

CPlotWindow Widened(const CPlotWindow& window, double share) {
    CPlotWindow wide = window;
    const double dx = std::max(window.m_dXMax - window.m_dXMin, std::abs(window.m_dXMax)) * share;
    const double dy = std::max(window.m_dYMax - window.m_dYMin, std::abs(window.m_dYMax)) * share;
    wide.m_dXMin -= dx;
    wide.m_dXMax += dx;
    wide.m_dYMin -= dy;
    wide.m_dYMax += dy;
    return wide;
}

std::string sOrdinal(int n) {
    switch (n) {
        case 1:
            return "1st";
        case 2:
            return "2nd";
        case 3:
            return "3rd";
        default:
            return std::to_string(n) + "th";
    }
}

// The standards' measured points, and their means when a standard has replicates.
void vTakeStandards(const CUVStandardData& standards, CCalibrationPlot& plot) {
    const int iReplicates = standards.iGetNumRep();
    for (int s = 0; s < standards.iGetNumSamp(); ++s) {
        double sum = 0.0;
        int count = 0;
        for (int r = 0; r < iReplicates; ++r) {
            const int p = s * iReplicates + r;
            const CDoublePt point = standards.GetValue(p);
            if (standards.bGetMeasured(p) != 0 && bIsUsable(point.y)) {
                plot.m_vReplicates.push_back(point);
                sum += point.y;
                ++count;
            }
        }
        if (iReplicates > 1 && count > 0) {
            plot.m_vMeans.emplace_back(standards.dGetConc(s), sum / count);
        }
    }
}

// The concentration range the curve is drawn over without extrapolating: the standards' range
// (from zero when the curve is forced through it), or for a manual curve zero to the highest
// unknown.
void vCurveRange(const CQuantitationRun& run, const CCalibrationPlot& plot, double& lo,
                 double& hi) {
    lo = 0.0;
    hi = 0.0;
    if (!run.bHasManualCurve()) {
        bool bAny = false;
        for (const CDoublePt& point : plot.m_vReplicates) {
            lo = bAny ? std::min(lo, point.x) : point.x;
            hi = bAny ? std::max(hi, point.x) : point.x;
            bAny = true;
        }
        if (run.Standards().bGetForceZero() != 0) {
            lo = std::min(lo, 0.0);
        }
        return;
    }
    for (const CPlotMarker& marker : plot.m_vUnknowns) {
        hi = std::max(hi, marker.m_dX);
    }
    if (hi <= 0.0) {
        hi = 1.0;
    }
}

// Each limit inside the plotted concentrations; a limit at the largest concentration the method
// allows is no limit at all.
void vTakeLimits(const CUVUnknownData& unknowns, CCalibrationPlot& plot) {
    const CPlotWindow& window = plot.m_Window;
    const double limits[] = {unknowns.dGetLoLimit(), unknowns.dGetHiLimit()};
    const char* labels[] = {"lower limit", "upper limit"};
    for (int i = 0; i < 2; ++i) {
        if (limits[i] >= window.m_dXMin && limits[i] <= window.m_dXMax) {
            plot.m_vLimits.push_back({limits[i], labels[i]});
        }
    }
}

}  // namespace

std::string sReadingSymbol(const CQuantitationRun& run) {
    const CUVUnknownData& doc = run.Unknowns();
    switch (run.RunFile().iQuantType()) {
        case kPeakAreaQuant:
            return "area";
        case kPeakHeightQuant:
            return "height";
        case kDerivativeQuant:
            return sNumbered("D", run.RunFile().m_Settings.m_iDerivOrder);
        default:
            return doc.iGetNumMethodWave() > 1 ? doc.GetYUnits() + " corr" : doc.GetYUnits();
    }
}

std::string sReadingUnit(const CQuantitationRun& run) {
    const std::string units = run.Unknowns().GetYUnits();
    const CRunFile& file = run.RunFile();
    switch (file.iQuantType()) {
        case kPeakAreaQuant:
            return units + "\u00b7nm";
        case kDerivativeQuant:
            return units + "/step" + sSuperscript(file.m_Settings.m_iDerivOrder);
        default:
            return units;
    }
}

std::string sReadingAxisLabel(const CQuantitationRun& run, bool bBlankCorrected) {
    const CUVPhotometryData& doc = run.Unknowns();
    const std::string units = doc.GetYUnits();
    const CRunFile& file = run.RunFile();
    switch (file.iQuantType()) {
        case kPeakAreaQuant:
            return "peak area (" + sReadingUnit(run) + ")";
        case kPeakHeightQuant:
            return "peak height (" + sReadingUnit(run) + ")";
        case kDerivativeQuant:
            return sOrdinal(file.m_Settings.m_iDerivOrder) + " derivative (" + sReadingUnit(run) +
                   ", step " + sFixed(file.m_Method.pGetInstrParam()->m_dDataInterval, 1) + " nm)";
        default:
            break;
    }
    std::string label =
        doc.iGetNumMethodWave() > 1 ? units + " " + sModuleString(kCorrText) : units;
    return bBlankCorrected ? label + " (blank corrected)" : label;
}

CCalibrationPlot CalibrationPlot(const CQuantitationRun& run, const CUnknownOutcomes& outcomes) {
    CCalibrationPlot plot;
    if (!run.bHasCurve()) {
        return plot;
    }
    const CUVUnknownData& unknowns = run.Unknowns();
    bool bBlankCorrected = false;
    if (!run.bHasManualCurve()) {
        vTakeStandards(run.Standards(), plot);
    }
    if (outcomes.m_bConcentrations) {
        for (const CSampleOutcome& sample : outcomes.m_vSamples) {
            if (sample.bIsBlank() || !bIsUsable(sample.m_dCurveConc) ||
                !bIsUsable(sample.m_dMeanUsedReading)) {
                continue;
            }
            plot.m_vUnknowns.push_back(
                {sample.m_dCurveConc, sample.m_dMeanUsedReading, sample.m_sLabel, sample.m_sFlag});
            bBlankCorrected |= sample.m_iBlankSample >= 0;
        }
    }
    plot.m_sXLabel = "Concentration (" + unknowns.GetConcUnit() + ")";
    plot.m_sYLabel = sReadingAxisLabel(run, bBlankCorrected);

    CUVPhotometryData& curveDoc = run.CurveDocument();
    double lo = 0.0;
    double hi = 0.0;
    vCurveRange(run, plot, lo, hi);
    plot.m_vCurve = CurvePoints(curveDoc, lo, hi);

    CPlotWindow core;
    vTakeAll(core, plot.m_vReplicates);
    vTakeAll(core, plot.m_vCurve);
    vTakeZeroWhenNear(core);
    const CPlotWindow reach = Widened(core, kReachShare);
    plot.m_Window = core;
    double lowest = lo;
    double highest = hi;
    for (const CPlotMarker& marker : plot.m_vUnknowns) {
        if (reach.bContains(marker.m_dX, marker.m_dY)) {
            plot.m_Window.vTake(marker.m_dX, marker.m_dY);
            lowest = std::min(lowest, marker.m_dX);
            highest = std::max(highest, marker.m_dX);
        }
    }
    if (lowest < lo) {
        plot.m_vvExtensions.push_back(CurvePoints(curveDoc, lowest, lo));
    }
    if (highest > hi) {
        plot.m_vvExtensions.push_back(CurvePoints(curveDoc, hi, highest));
    }
    vTakeLimits(unknowns, plot);
    for (const CRemovedPoint& removed : run.RemovedPoints()) {
        plot.m_vRemoved.push_back({removed.m_Point.dConc, removed.m_Point.dReading,
                                   sStandardPointLabel(run.Standards(), removed.m_Point.iPoint),
                                   "removed"});
    }
    return plot;
}

CResidualPlot ResidualPlot(const CQuantitationRun& run, const CCalibrationPlot& plot) {
    CResidualPlot residuals;
    if (run.bHasManualCurve() || plot.bIsEmpty()) {
        return residuals;
    }
    CUVPhotometryData& curveDoc = run.CurveDocument();
    residuals.m_sXLabel = plot.m_sXLabel;
    residuals.m_sYLabel = "Reading \u2212 curve (" + sReadingUnit(run) + ")";
    residuals.m_dXMin = plot.m_Window.m_dXMin;
    residuals.m_dXMax = plot.m_Window.m_dXMax;
    residuals.m_dReadingStep =
        std::pow(10.0, -std::clamp(curveDoc.iGetYPrecision(), 0, kMaxDecimalPlaces));
    auto residual = [&curveDoc](double x, double y, CDoublePt& point) {
        const double curve = curveDoc.GetPointFromX(x, nullptr).y;
        point = {x, y - curve};
        return bIsUsable(curve);
    };
    CDoublePt point;
    for (const CDoublePt& replicate : plot.m_vReplicates) {
        if (residual(replicate.x, replicate.y, point)) {
            residuals.m_vPoints.push_back(point);
        }
    }
    const CUVStandardData& standards = run.Standards();
    if (const CCalibrationStatistics* pStatistics = run.pCalibrationStatistics()) {
        for (const auto& [p, why] : FlaggedStandardPoints(*pStatistics)) {
            if (standards.bGetMeasured(p) != 0 &&
                residual(standards.dGetConc(p / standards.iGetNumRep()), standards.GetValue(p).y,
                         point)) {
                residuals.m_vFlagged.push_back(
                    {point.x, point.y, sStandardPointLabel(standards, p), why});
            }
        }
    }
    for (const CPlotMarker& removed : plot.m_vRemoved) {
        if (residual(removed.m_dX, removed.m_dY, point)) {
            residuals.m_vRemoved.push_back({point.x, point.y, removed.m_sLabel, removed.m_sFlag});
        }
    }
    return residuals;
}
