#pragma once
// The standards document: samples of known concentration whose readings define the calibration.
//
// vCalibrate builds the calibration list from the measured points: one least-squares polynomial of
// order 1, 2 or 3 fitted to every measured replicate, or straight segments between the mean
// readings of neighbouring standards (type 4), forced through the origin or not, in the conversion
// direction the calibration option gives. The polynomial fit may be weighted (vSetWeighting,
// calibration/CalibWeighting.h; unweighted by default); a weighting that would give a point an
// infinite weight refuses the calibration, and iGetCalibRefusal says why. vCalibrate then stores
// the reading at concentration zero as the blank value and, per standard s with mean reading y_s
// and known concentration x_s (P the concentration decimals):
//   predicted(s) = segment.dEvaluateX(y_s)
//   diff(s)      = predicted(s) - x_s            (0 when |diff| < 10^-(P+1))
//   reldiff(s)   = diff(s) / mean(y) * 100
//   t(s)         = diff(s) / sqrt(sum diff^2 / (S - 1))
// A standard without a measured point keeps kNoStandardResult; before any calibration every result
// reads kNoValue. The unknowns document takes the list through pGetCalibList.
#include <iosfwd>
#include <string>
#include <vector>

#include "calibration/CalibList.h"
#include "calibration/CalibrationPoint.h"
#include "document/UVPhotometryData.h"

namespace photoquant::detail {
class CSegmentSearch;
}  // namespace photoquant::detail

class PQ_EXPORT CUVStandardData : public CUVPhotometryData {
    DECLARE_DYNAMIC(CUVStandardData)
    DECLARE_MESSAGE_MAP()
    DECLARE_DISPATCH_MAP()

public:
    CUVStandardData(int iQuantType = 0, int iNumSamp = 20, int iNumRep = 3, int iNumActWave = 6,
                    int iNumMethodWave = 6);
    CUVStandardData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave, int iNumMethodWave,
                    double* pdRawData, double* pdWave, int* pbMeasured, double* pdConc,
                    int* pbManual, double* pdManualValue);
    ~CUVStandardData() override;

    void vCalibrate();
    void vClearCalibration();
    void vCopyCalibration(CPhotParamsObj* pParams);

    // A remeasure (sample and replicate set) replaces that point; otherwise readings are added.
    using CUVPhotometryData::iAddValues;
    int iAddValues(const CDoublePt* pReadings, int n) override;
    int iAddPeakValues(CUVWaveData* pWaveData) override;
    void vSetRangesFromData() override;
    CDoublePt GetPointFromX(double x, int* pFound) override;

    // The calibration as tab-separated text, one item a line; empty without a calibration.
    std::string GetCalibrationData() const;
    // The same text with the fit's concentration range, as a file ending in a zero byte. Returns 1
    // when the file was written whole; 0 without a calibration or when it could not be written, in
    // which case any file already at the path is left as it was.
    int bGetCalibrationData(const std::string& path) const;

    int iGetCalibType() const { return m_iCalibType; }
    void vSetCalibType(int iType) { m_iCalibType = iType; }
    int bGetForceZero() const { return m_bForceZero; }
    void vSetForceZero(int bForceZero) { m_bForceZero = bForceZero; }
    CCalibList* pGetCalibList() { return &m_CalibList; }
    const CCalibList* pGetCalibList() const { return &m_CalibList; }
    int iGetCalibOpt() const { return m_iCalibOpt; }
    void vSetCalibOpt(int iOpt) { m_iCalibOpt = iOpt; }
    // Weighting of a polynomial calibration (calibration/CalibWeighting.h), kWeightNone by default:
    // vCalibrate fits with it from then on.
    int iGetWeighting() const { return m_iWeighting; }
    void vSetWeighting(int iWeighting) { m_iWeighting = iWeighting; }
    // Why the last vCalibrate built no polynomial curve (a kRefusal... code); kRefusalNone when it
    // built one, or when no polynomial was asked for.
    int iGetCalibRefusal() const { return m_iCalibRefusal; }
    // The measured points in the order the polynomial fit takes them: by concentration, replicates
    // of equal concentration in measuring order.
    std::vector<photoquant::CCalibrationPoint> GetCalibrationPoints() const;
    double dGetPredictedConc(int iSamp) const;
    double dGetDiff(int iSamp) const;
    double dGetRelDiff(int iSamp) const;
    double dGetTStat(int iSamp) const;

private:
    void vDeleteSegments();
    void vSizeResults();
    void vFitPolynomial(int iOrder);
    void vBuildSegments();
    void vCalcStandardResults();
    // Mean display Y of the measured replicates of a standard; false when none is measured.
    bool bMeanReading(int iSamp, double& dMean) const;
    // The segment that turns a standard's mean reading into its predicted concentration: the first
    // covering it, else, off the curve, the end segment that reaches furthest that way.
    const CCalibSegment* pSegmentForReading(const photoquant::detail::CSegmentSearch& search,
                                            double dReading) const;
    CCalibSegment* pNewSegment(int iOrder) const;
    void vWriteCalibration(std::ostream& out, bool bWithFitRange) const;

    int m_iCalibType = photoquant::kFirstOrderCalib;  // 1-3 polynomial order, 4 segmented, 0 none
    int m_bForceZero = 0;
    CCalibList m_CalibList;
    int m_iCalibOpt = photoquant::kConcFromReading;  // conversion direction of new segments
    int m_iWeighting = photoquant::kWeightNone;
    int m_iCalibRefusal = photoquant::kRefusalNone;
    std::vector<double> m_vdPredictedConc;
    std::vector<double> m_vdDiff;
    std::vector<double> m_vdRelDiff;
    std::vector<double> m_vdTStat;
};
