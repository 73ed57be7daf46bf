#pragma once
// One quantitation, run the way the host application runs it on the instrument:
//   1. the standards and unknowns documents are sized from the method (vSetEmpty), spectra
//      analyses with room for a whole spectrum per point;
//   2. the standards' readings arrive point by point through the intake (a skipped point is
//      skipped, a typed value is typed in after the skip), and vCalibrate fits the curve; the
//      calibration statistics judge it, and when the run file asks for it the points the outlier
//      tests flag are taken out (vSetMeasured(p, 0)) and the curve is fitted once more;
//   3. the unknowns get the calibration list and the reading at concentration zero, then their
//      readings arrive a sample at a time through the block intake, each sample's followed by its
//      concentrations (vCalcConcBlock); ratios and manual calibrations are computed on intake,
//      and the statistics once at the end, as a point-by-point feed would leave them;
//   4. an in-plane distribution is summarised, a validation result attached;
//   5. the four list views are attached to the documents and updated; their lists, with the
//      measurement conditions and the calibration texts, are the report.
#include <memory>
#include <string>

#include "host/Report.h"
#include "host/RunFile.h"
#include "photoquant.h"

// A calibration point the run took out of the curve because an outlier test flagged it, with the
// figures of the fit it was flagged in.
struct CRemovedPoint {
    photoquant::CPointDiagnostics m_Point;
    double m_dStudentizedLimit = photoquant::kNoValue;  // the Bonferroni limit of that fit
    photoquant::CGrubbsResult m_Grubbs;  // of its standard's replicates, the point the suspect
    bool m_bByGrubbs = false;
};

class CQuantitationRun {
public:
    // The run keeps a reference to the run file; the method in it is the run's method.
    explicit CQuantitationRun(CRunFile& run);
    ~CQuantitationRun();
    CQuantitationRun(const CQuantitationRun&) = delete;
    CQuantitationRun& operator=(const CQuantitationRun&) = delete;

    // Measures, calibrates, calculates and shows. False, with the problem, when the run cannot be
    // completed (a concentration result whose standards give no calibration).
    bool bExecute(std::string& problem);
    // The same without the views: the documents, the statistics and the record of the blank
    // correction, for a host that reads the results as numbers. The lists and Report() need
    // bExecute.
    bool bCompute(std::string& problem);

    const CUVStandardData& Standards() const { return *m_pStandards; }
    const CUVUnknownData& Unknowns() const { return *m_pUnknowns; }
    const CListCtrl& StandardList() const;
    const CListCtrl& StandardCalibList() const;
    const CListCtrl& UnknownList() const;
    const CListCtrl& UnknownCalibList() const;

    const CRunFile& RunFile() const { return m_run; }
    // Whether the unknowns' concentrations come from the standards' curve (not a manual one).
    bool bUsesStandardsCalibration() const;
    // Whether there is a curve to draw: the standards' calibration, or a manual one.
    bool bHasCurve() const;
    bool bHasManualCurve() const;
    // The document whose GetPointFromX gives the curve's reading at a concentration.
    CUVPhotometryData& CurveDocument() const;
    // The statistics of the standards' calibration as it stands (null without standards or
    // calibration type), and the points the run took out of it, in the standards' order.
    const photoquant::CCalibrationStatistics* pCalibrationStatistics() const {
        return m_pStatistics.get();
    }
    const std::vector<CRemovedPoint>& RemovedPoints() const { return m_vRemoved; }
    // The run file asked for the outliers to be taken out, but without them the standards give
    // no curve: they were kept.
    bool bOutliersKept() const { return m_bOutliersKept; }

    // The blank correction as the run applied it, recorded while the readings arrived: a blank
    // sample's reading corrects only the samples measured after it.
    //   the reading of unknown point p that entered the calibration (y - blank + y0), kNoValue
    //   when the point was not measured or no concentration was calculated;
    double dUsedReading(int iPoint) const;
    //   the blank value in force for sample s (for a blank, its own value afterwards), and the
    //   blank sample it came from, -1 while no blank had been measured (the curve's own y0).
    double dBlankInForce(int iSamp) const;
    int iBlankSampleInForce(int iSamp) const;

    // The application profile the run read its calibration option from (empty: none given).
    void vSetProfileName(const std::string& name) { m_sProfile = name; }
    const std::string& ProfileName() const { return m_sProfile; }
    // When the run was executed, ISO 8601 with the zone: 2024-05-02T14:03:07+02:00.
    const std::string& RunTime() const { return m_sRunTime; }

    // The report of the executed run.
    CReport Report() const;

private:
    struct CViews;

    void vMeasureStandards();
    bool bCalibrate(std::string& problem);
    std::string sCalibrationFault() const;
    void vRemoveOutliers();
    void vJudgeCalibration();
    // Why the fit gives no curve where the standards could fix one, in words
    // (CUVStandardData::iGetCalibRefusal: a weighting that would weigh a point infinitely).
    static std::string sCalibrationRefusal(int iRefusal);
    void vPrepareUnknowns();
    void vMeasureUnknowns();
    void vMeasureUnknownsInBlocks();
    void vAttachValidation();
    void vShow();
    void vRecordBlankUse(int iSamp, int iPointsPerSample);
    void vDefaultLimitsToStandards();

    CRunFile& m_run;
    std::unique_ptr<CUVStandardData> m_pStandards;
    std::unique_ptr<CUVUnknownData> m_pUnknowns;
    std::unique_ptr<CViews> m_pViews;
    std::unique_ptr<photoquant::CCalibrationStatistics> m_pStatistics;
    std::vector<CRemovedPoint> m_vRemoved;
    bool m_bOutliersKept = false;
    std::string m_sProfile;
    std::string m_sRunTime;
    std::vector<double> m_vdUsedReading;      // by unknown point
    std::vector<double> m_vdBlankInForce;     // by unknown sample
    std::vector<int> m_viBlankSampleInForce;  // by unknown sample
};
