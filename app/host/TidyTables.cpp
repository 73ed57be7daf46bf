#include "host/TidyTables.h"

#include <cmath>
#include <map>
#include <set>

#include "host/CalibrationPlotBuilder.h"
#include "host/CalibrationStatisticsReport.h"
#include "host/ReportNumbers.h"

using namespace photoquant;

namespace {

// A bound the curve does not have (a fitted segment's reading range) or a result that was not
// computed is an empty cell.
std::string sNumber(double value) {
    return value == kNoStandardResult ? std::string() : sRoundTrip(value);
}

std::string sWithUnit(const std::string& what, const std::string& unit) {
    return unit.empty() ? what : what + " (" + unit + ")";
}

// "Reading at 510 nm (Abs)" for each method wavelength of a photometry run; none for spectra.
std::vector<std::string> ReadingHeaders(const CQuantitationRun& run) {
    std::vector<std::string> headers;
    const CUVPhotometryData& doc = run.Unknowns();
    if (run.RunFile().bIsSpectral()) {
        return headers;
    }
    for (int k = 0; k < doc.iGetNumMethodWave(); ++k) {
        headers.push_back("Reading at " + sRoundTrip(doc.dGetWavelength(k)) + " nm (" +
                          doc.GetYUnits() + ")");
    }
    return headers;
}

// The point's photometric value gets its own column where it is not the single reading.
bool bValueColumn(const CQuantitationRun& run) {
    return run.RunFile().bIsSpectral() || run.Unknowns().iGetNumMethodWave() > 1;
}

CNamedList CalibrationTable(const CQuantitationRun& run) {
    const CUVStandardData& standards = run.Standards();
    const std::string unit = standards.GetConcUnit();
    CTableBlock table;
    table.m_vsHeaders = {"Segment",
                         "Order",
                         "Direction",
                         sWithUnit("Concentration from", unit),
                         sWithUnit("Concentration to", unit),
                         "Reading from",
                         "Reading to",
                         "A0",
                         "A1",
                         "A2",
                         "A3",
                         "R",
                         "R2"};
    const CCalibList& list = *standards.pGetCalibList();
    for (int i = 0; i < list.GetSize(); ++i) {
        const CCalibSegment& segment = *list.GetAt(i);
        std::vector<std::string> row = {
            std::to_string(i + 1),
            std::to_string(segment.m_iOrder),
            segment.m_iDirection == 0 ? "reading from concentration" : "concentration from reading",
            sNumber(segment.m_dXMin),
            sNumber(segment.m_dXMax),
            sNumber(segment.m_dYMin),
            sNumber(segment.m_dYMax)};
        for (int j = 0; j < 4; ++j) {
            row.push_back(j <= segment.m_iOrder ? sNumber(segment.m_dCoeff[j]) : "");
        }
        row.push_back(sNumber(segment.m_dR));
        row.push_back(sNumber(segment.m_dR2));
        table.m_vvsRows.push_back(std::move(row));
    }
    return {"calibration", table};
}

// What the calibration statistics say of each standard point: the diagnostics of the fit, the
// flags, and whether the run took the point out.
class CPointJudgements {
public:
    explicit CPointJudgements(const CQuantitationRun& run)
        : m_pStatistics(run.pCalibrationStatistics()) {
        if (m_pStatistics == nullptr) {
            return;
        }
        for (const CPointDiagnostics& point : m_pStatistics->GetPoints()) {
            m_Points[point.iPoint] = point;
        }
        for (const CStandardSummary& standard : m_pStatistics->GetStandards()) {
            if (standard.grubbs.bOutlier != 0) {
                m_Grubbs.insert(standard.grubbs.iSuspect);
            }
        }
        for (const CRemovedPoint& removed : run.RemovedPoints()) {
            m_Removed.insert(removed.m_Point.iPoint);
        }
    }

    bool bRemoved(int iPoint) const { return m_Removed.count(iPoint) != 0; }

    void vAddHeaders(CTableBlock& table) const {
        if (bFit()) {
            table.m_vsHeaders.insert(
                table.m_vsHeaders.end(),
                {"Weight", "Leverage", "Studentised residual", "Cook's distance",
                 "Outlier by studentised residual", "Influential by Cook's distance"});
        }
        if (m_pStatistics != nullptr) {
            table.m_vsHeaders.insert(table.m_vsHeaders.end(), {"Outlier by Grubbs", "Removed"});
        }
    }

    void vAddCells(int iPoint, std::vector<std::string>& row) const {
        auto yes = [](bool b) { return std::string(b ? "yes" : ""); };
        if (bFit()) {
            const auto found = m_Points.find(iPoint);
            if (found == m_Points.end()) {
                row.insert(row.end(), 6, "");
            } else {
                const CPointDiagnostics& point = found->second;
                row.insert(row.end(), {sNumber(point.dWeight), sNumber(point.dLeverage),
                                       sNumber(point.dStudentized), sNumber(point.dCooksDistance),
                                       yes((point.bOutlier & kOutlierStudentized) != 0),
                                       yes((point.bOutlier & kOutlierCook) != 0)});
            }
        }
        if (m_pStatistics != nullptr) {
            row.push_back(yes(m_Grubbs.count(iPoint) != 0));
            row.push_back(yes(bRemoved(iPoint)));
        }
    }

private:
    bool bFit() const {
        return m_pStatistics != nullptr && m_pStatistics->iGetStatus() == kStatisticsReady;
    }

    const CCalibrationStatistics* m_pStatistics;
    std::map<int, CPointDiagnostics> m_Points;
    std::set<int> m_Grubbs;
    std::set<int> m_Removed;
};

CNamedList StandardPointsTable(const CQuantitationRun& run) {
    const CUVStandardData& standards = run.Standards();
    const int iReplicates = standards.iGetNumRep();
    const bool bSpectral = run.RunFile().bIsSpectral();
    const std::string reading = sReadingAxisLabel(run, false);
    CTableBlock table;
    table.m_vsHeaders = {"Standard", "Name", "Replicate",
                         sWithUnit("Concentration", standards.GetConcUnit())};
    const auto readings = ReadingHeaders(run);
    table.m_vsHeaders.insert(table.m_vsHeaders.end(), readings.begin(), readings.end());
    if (bValueColumn(run)) {
        table.m_vsHeaders.push_back(reading);
    }
    table.m_vsHeaders.push_back("Typed in");
    table.m_vsHeaders.push_back("Residual: " + reading + " minus curve");
    const CPointJudgements judgements(run);
    judgements.vAddHeaders(table);
    CUVPhotometryData* pCurve = run.bHasCurve() ? &run.CurveDocument() : nullptr;
    for (int s = 0; s < standards.iGetNumSamp(); ++s) {
        for (int r = 0; r < iReplicates; ++r) {
            const int p = s * iReplicates + r;
            if (standards.bGetMeasured(p) == 0 && !judgements.bRemoved(p)) {
                continue;
            }
            const CDoublePt point = standards.GetValue(p);
            const bool bTyped = standards.bGetManualStd(p) != 0;
            std::vector<std::string> row = {std::to_string(s + 1), standards.GetSampName(s),
                                            std::to_string(r + 1), sNumber(standards.dGetConc(s))};
            for (size_t k = 0; k < readings.size(); ++k) {
                row.push_back(bTyped ? "" : sNumber(standards.dGetAbs(s, r, static_cast<int>(k))));
            }
            if (bValueColumn(run) || (bTyped && !bSpectral && readings.size() == 1)) {
                if (bValueColumn(run)) {
                    row.push_back(sNumber(point.y));
                } else {
                    row.back() = sNumber(point.y);  // a typed value stands in the reading's place
                }
            }
            row.push_back(bTyped ? "yes" : "");
            const double curve =
                pCurve != nullptr ? pCurve->GetPointFromX(point.x, nullptr).y : kNoValue;
            row.push_back(bIsUsable(curve) ? sNumber(point.y - curve) : "");
            judgements.vAddCells(p, row);
            table.m_vvsRows.push_back(std::move(row));
        }
    }
    return {"standard-points", table};
}

CNamedList StandardsTable(const CQuantitationRun& run) {
    const CUVStandardData& standards = run.Standards();
    const std::string unit = standards.GetConcUnit();
    const int iReplicates = standards.iGetNumRep();
    CTableBlock table;
    table.m_vsHeaders = {"Standard",
                         "Name",
                         sWithUnit("Concentration", unit),
                         "n",
                         "Mean " + sReadingAxisLabel(run, false),
                         sWithUnit("Predicted concentration", unit),
                         sWithUnit("Difference", unit),
                         "Relative difference (%)",
                         "t"};
    for (int s = 0; s < standards.iGetNumSamp(); ++s) {
        int count = 0;
        double sum = 0.0;
        for (int r = 0; r < iReplicates; ++r) {
            if (standards.bGetMeasured(s * iReplicates + r) != 0) {
                sum += standards.GetValue(s * iReplicates + r).y;
                ++count;
            }
        }
        table.m_vvsRows.push_back(
            {std::to_string(s + 1), standards.GetSampName(s), sNumber(standards.dGetConc(s)),
             std::to_string(count), count > 0 ? sNumber(sum / count) : "",
             sNumber(standards.dGetPredictedConc(s)), sNumber(standards.dGetDiff(s)),
             sNumber(standards.dGetRelDiff(s)), sNumber(standards.dGetTStat(s))});
    }
    return {"standards", table};
}

std::string sResultHeader(const CQuantitationRun& run, const std::string& what) {
    const CUVUnknownData& unknowns = run.Unknowns();
    switch (unknowns.iGetResultType()) {
        case 1:
            return sWithUnit(what + " concentration", unknowns.GetConcUnit());
        case 2:
            return what + " ratio";
        default:
            return what + " " + sReadingAxisLabel(run, false);
    }
}

CNamedList UnknownPointsTable(const CQuantitationRun& run, const CUnknownOutcomes& outcomes) {
    const CUVUnknownData& unknowns = run.Unknowns();
    const bool bStage = unknowns.iGetNumCoord() > 0;
    CTableBlock table;
    table.m_vsHeaders = {"Sample", "Blank", "Name", bStage ? "Position" : "Replicate"};
    if (bStage) {
        table.m_vsHeaders.insert(table.m_vsHeaders.end(), {"X", "Y"});
    }
    const auto readings = ReadingHeaders(run);
    table.m_vsHeaders.insert(table.m_vsHeaders.end(), readings.begin(), readings.end());
    if (bValueColumn(run)) {
        table.m_vsHeaders.push_back(sReadingAxisLabel(run, false));
    }
    if (outcomes.m_bConcentrations) {
        table.m_vsHeaders.push_back("Used reading (" + unknowns.GetYUnits() + ", blank corrected)");
    }
    if (unknowns.iGetResultType() != kReadingsResult && !bStage) {
        table.m_vsHeaders.push_back(sResultHeader(run, "Result"));
    }
    if (outcomes.m_bConcentrations) {
        table.m_vsHeaders.push_back("Flag");
    }
    for (const CSampleOutcome& sample : outcomes.m_vSamples) {
        for (const CPointOutcome& point : sample.m_vPoints) {
            if (!point.m_bMeasured) {
                continue;
            }
            std::vector<std::string> row = {std::to_string(sample.m_iSampleNo),
                                            sample.bIsBlank() ? "yes" : "", sample.m_sName,
                                            std::to_string(point.m_iIndex + 1)};
            if (bStage) {
                row.push_back(sNumber(point.m_Position.x));
                row.push_back(sNumber(point.m_Position.y));
            }
            for (double value : point.m_vdReadings) {
                row.push_back(sNumber(value));
            }
            if (bValueColumn(run)) {
                row.push_back(sNumber(point.m_dValue));
            }
            if (outcomes.m_bConcentrations) {
                row.push_back(sNumber(point.m_dUsedReading));
            }
            if (unknowns.iGetResultType() != kReadingsResult && !bStage) {
                row.push_back(sNumber(point.m_dResult));
            }
            if (outcomes.m_bConcentrations) {
                row.push_back(point.m_sFlag);
            }
            table.m_vvsRows.push_back(std::move(row));
        }
    }
    return {"unknown-points", table};
}

CNamedList SamplesTable(const CQuantitationRun& run, const CUnknownOutcomes& outcomes) {
    const CUVUnknownData& unknowns = run.Unknowns();
    const bool bConc = outcomes.m_bConcentrations;
    CTableBlock table;
    table.m_vsHeaders = {
        "Sample", "Blank", "Name", "n", sResultHeader(run, "Mean"), sResultHeader(run, "SD"),
        "CV (%)"};
    if (bConc) {
        table.m_vsHeaders.insert(table.m_vsHeaders.end(),
                                 {"Flag", "Blank used (" + unknowns.GetYUnits() + ")",
                                  sWithUnit("Weight", unknowns.GetWeightUnit()),
                                  sWithUnit("Solvent", unknowns.GetSolventUnit()), "Dilution",
                                  "Revision", "Correction factor"});
    }
    const CCalibrationStatistics* pStatistics = run.pCalibrationStatistics();
    const bool bIntervals = bConc && run.bUsesStandardsCalibration() && pStatistics != nullptr &&
                            pStatistics->iGetStatus() == kStatisticsReady;
    if (bIntervals) {
        const std::string unit = unknowns.GetConcUnit();
        const std::string level = sGeneral(pStatistics->GetSettings().dConfidence * 100.0, 6);
        table.m_vsHeaders.insert(
            table.m_vsHeaders.end(),
            {"Replicates in the interval", sWithUnit("Interval centre", unit),
             sWithUnit("Standard error", unit), sWithUnit("Lower bound " + level + " %", unit),
             sWithUnit("Upper bound " + level + " %", unit), "Outlier replicate by Grubbs"});
    }
    for (const CSampleOutcome& sample : outcomes.m_vSamples) {
        const int s = sample.m_iSample;
        std::vector<std::string> row = {std::to_string(sample.m_iSampleNo),
                                        sample.bIsBlank() ? "yes" : "",
                                        sample.m_sName,
                                        std::to_string(sample.m_iCount),
                                        sNumber(sample.m_dMean),
                                        sNumber(sample.m_dSD),
                                        sNumber(sample.m_dCV)};
        if (bConc) {
            row.insert(
                row.end(),
                {sample.m_sFlag, sNumber(sample.m_dBlank), sNumber(unknowns.dGetWeightSetting(s)),
                 sNumber(unknowns.dGetSolvent(s)), sNumber(unknowns.dGetDilutionRatio(s)),
                 sNumber(unknowns.dGetRevisionCoef(s)), sNumber(sample.m_dAmountFactor)});
        }
        if (bIntervals) {
            const CSampleInterval& interval = sample.m_Interval;
            const bool bReady = interval.iStatus == kIntervalReady;
            const int iReplicates = unknowns.iGetNumRep();
            row.insert(
                row.end(),
                {bReady ? std::to_string(interval.iReplicates) : "",
                 bReady ? sNumber(interval.dConc) : "", bReady ? sNumber(interval.dStdError) : "",
                 bReady ? sNumber(interval.dLower) : "", bReady ? sNumber(interval.dUpper) : "",
                 interval.grubbs.bOutlier != 0
                     ? std::to_string(interval.grubbs.iSuspect % iReplicates + 1)
                     : ""});
        }
        table.m_vvsRows.push_back(std::move(row));
    }
    return {"samples", table};
}

CNamedList GroupsTable(const CQuantitationRun& run, const CUnknownOutcomes& outcomes) {
    CTableBlock table;
    table.m_vsHeaders = {"Group",  "Samples", sResultHeader(run, "Mean"), sResultHeader(run, "SD"),
                         "CV (%)", "Flag"};
    int number = 0;
    for (const CStatisticsGroup& group : outcomes.m_vGroups) {
        std::string members;
        for (int s : group.m_viSamples) {
            if (!members.empty()) {
                members += ' ';
            }
            members += std::to_string(outcomes.m_vSamples[static_cast<size_t>(s)].m_iSampleNo);
        }
        table.m_vvsRows.push_back({std::to_string(++number), members, sNumber(group.m_dMean),
                                   sNumber(group.m_dSD), sNumber(group.m_dCV), group.m_sFlag});
    }
    return {"groups", table};
}

}  // namespace

std::vector<CNamedList> TidyTables(const CQuantitationRun& run, const CUnknownOutcomes& outcomes) {
    std::vector<CNamedList> tables;
    if (!run.RunFile().m_vStandards.empty()) {
        if (run.Standards().pGetCalibList()->GetSize() > 0) {
            tables.push_back(CalibrationTable(run));
        }
        CNamedList statistics;
        if (bCalibrationStatisticsTable(run, statistics)) {
            tables.push_back(std::move(statistics));
        }
        tables.push_back(StandardPointsTable(run));
        tables.push_back(StandardsTable(run));
    }
    tables.push_back(UnknownPointsTable(run, outcomes));
    if (run.Unknowns().iGetNumCoord() == 0) {
        tables.push_back(SamplesTable(run, outcomes));
    }
    if (!outcomes.m_vGroups.empty()) {
        tables.push_back(GroupsTable(run, outcomes));
    }
    return tables;
}
