#pragma once
// What a run made of each unknown sample and each of its points, gathered once from the documents
// and the run's record of the blank correction, so that the report's sections, the tables for
// machines and the plot all tell the same numbers.
//
// For a concentration result the chain of one point is
//     used reading  = reading - blank + y0        (y0: the curve's reading at concentration 0)
//     curve conc    = the curve read at the used reading
//     result        = solvent / weight * curve conc * dilution * revision   (amount correction)
// and a sample's mean is the mean of its measured points' results.
#include <string>
#include <vector>

#include "host/QuantitationRun.h"

struct CPointOutcome {
    int m_iPoint = 0;
    int m_iIndex = 0;  // replicate, or stage position, from 0
    bool m_bMeasured = false;
    CDoublePt m_Position;              // stage position of the point
    std::vector<double> m_vdReadings;  // one per wavelength as displayed; none for spectra
    double m_dValue =
        photoquant::kNoValue;  // the point's photometric value (corrected, peak, derivative)
    double m_dUsedReading =
        photoquant::kNoValue;  // after the blank correction; concentration results only
    double m_dResult =
        photoquant::kNoValue;  // concentration, ratio, or the value for readings only
    std::string m_sFlag;       // "HIGH", "LOW" or empty
};

struct CSampleOutcome {
    int m_iSample = 0;
    int m_iSampleNo = 0;  // 0 marks a blank
    std::string m_sName;
    std::string m_sLabel;  // number text and name, as reports label a sample
    std::vector<CPointOutcome> m_vPoints;
    int m_iCount = 0;                       // measured points
    double m_dMean = photoquant::kNoValue;  // mean of the measured points' results
    double m_dSD = photoquant::kNoValue;    // the document's statistics of a one-sample group
    double m_dCV = photoquant::kNoValue;
    std::string m_sFlag;                               // of the mean
    double m_dMeanUsedReading = photoquant::kNoValue;  // mean of the used readings
    double m_dCurveConc = photoquant::kNoValue;        // mean concentration read off the curve
    double m_dAmountFactor = 1.0;            // solvent / weight * dilution * revision, as applied
    double m_dBlank = photoquant::kNoValue;  // blank value in force
    int m_iBlankSample = -1;                 // the blank sample it came from; -1 the curve's y0
    // The result's interval from the calibration statistics, over the measured replicates'
    // mean reading (iStatus says why there is none), with Grubbs' test of those readings.
    photoquant::CSampleInterval m_Interval;

    bool bIsBlank() const { return m_iSampleNo == 0; }
};

// The samples whose replicates the statistics pool: N samples in a row, blanks not counted.
struct CStatisticsGroup {
    std::vector<int> m_viSamples;
    double m_dMean = photoquant::kNoValue;
    double m_dSD = photoquant::kNoValue;
    double m_dCV = photoquant::kNoValue;
    std::string m_sFlag;
};

struct CUnknownOutcomes {
    std::vector<CSampleOutcome> m_vSamples;
    std::vector<CStatisticsGroup> m_vGroups;  // groups of more than one sample only
    std::vector<int> m_viUngrouped;           // samples of a trailing group that stayed incomplete
    bool m_bConcentrations = false;           // results are concentrations
    bool m_bAmountCorrection = false;         // the weight, solvent, dilution, revision correction
};

CUnknownOutcomes UnknownOutcomes(const CQuantitationRun& run);
// "HIGH" above the upper limit, "LOW" below the lower one, else empty.
std::string sLimitFlag(double conc, const CUVPhotometryData& doc);
