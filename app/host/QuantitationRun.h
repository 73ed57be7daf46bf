#pragma once
// One quantitation, run the way the host application runs it on the instrument:
//   1. the standards and unknowns documents are sized from the method (vSetEmpty), spectra
//      analyses with room for a whole spectrum per point;
//   2. the standards' readings arrive point by point through the intake (a skipped point is
//      skipped, a typed value is typed in after the skip), and vCalibrate fits the curve;
//   3. the unknowns get the calibration list and the reading at concentration zero, then their
//      readings arrive, each followed by its concentration (vCalcConc); statistics follow the
//      last replicate of each sample, ratios and manual calibrations are computed on intake;
//   4. an in-plane distribution is summarised, a validation result attached;
//   5. the four list views are attached to the documents and updated; their lists, with the
//      measurement conditions and the calibration texts, are the report.
#include <memory>
#include <string>

#include "host/Report.h"
#include "host/RunFile.h"
#include "photoquant.h"

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

    const CUVStandardData& Standards() const { return *m_pStandards; }
    const CUVUnknownData& Unknowns() const { return *m_pUnknowns; }
    const CListCtrl& StandardList() const;
    const CListCtrl& StandardCalibList() const;
    const CListCtrl& UnknownList() const;
    const CListCtrl& UnknownCalibList() const;

    // The report of the executed run.
    CReport Report() const;

private:
    struct CViews;

    void vSizeDocument(CUVPhotometryData& doc, int iNumSamp);
    void vApplySpectrumSettings(CUVPhotometryData& doc) const;
    void vMeasureStandards();
    bool bCalibrate(std::string& problem);
    std::string sCalibrationFault() const;
    void vPrepareUnknowns();
    void vMeasureUnknowns();
    void vFeedPoint(CUVPhotometryData& doc, const CPointEntry& point, int iPoint);
    void vAttachValidation();
    void vShow();
    bool bUsesStandardsCalibration() const;
    CCalibrationPlot Plot() const;

    CRunFile& m_run;
    std::unique_ptr<CUVStandardData> m_pStandards;
    std::unique_ptr<CUVUnknownData> m_pUnknowns;
    std::unique_ptr<CViews> m_pViews;
    int m_iSpectrumPoints = 0;  // readings per point of a spectra analysis
};
