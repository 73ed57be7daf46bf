#pragma once
// The unknowns document: the samples whose concentration the analysis determines.
//
// The host feeds each point's readings through the intake overrides; the document turns the
// point's reading (its displayed photometric value, usually the absorbance) into a result:
//
//   concentration, with the standards' calibration list or the document's own manual segment:
//     y'   = y - blank + y0          (blank correction: blank = the reading of the last blank
//                                     sample, number 0; y0 = the reading at concentration zero)
//     c    = segment.dEvaluateX(y')
//     c    = solvent / weight * c * dilution * revision     (amount correction, in this order)
//   ratio, with K-factors K0, K1, K2 and A(T) = log10(1/T) of the raw readings:
//     two wavelengths    r = (A1 K1) / (A2 K2)
//     three wavelengths  r = ((A1 - A3) K1) / ((A2 - A3) K2)      (A3: background)
//     then r + K0, r - K0 or r * K0 by the operand.
//
// After the last replicate of a sample the replicates are condensed: the sample's concentration
// is the mean of its measured replicates, and every iGetStatisticsNum() counted samples (blanks,
// number 0, and excluded samples, number below 0, count in none) form a group whose mean and
// sample SD
//     sd = sqrt((sum x^2 - (sum x)^2 / n) / (n - 1))
// over all their measured replicates are stored at the group's last sample. In the XY-stage
// layout the readings of the Q positions of a sample are summarised as average, maximum, minimum,
// range and 3 sigma (population SD), per sample and over all samples.
//
// A result that cannot be computed is kNoValue: a reading outside every segment's range where no
// end segment applies (a gap between segments, or not a number), the mean of replicates one of
// which has no usable value, an SD of fewer than two values or of identical values, a CV of a
// zero mean, a distribution entry never measured. Indices outside the document change nothing
// and read kNoValue (an empty text for labels), except the distribution accessors, which throw
// std::out_of_range as the framework's arrays do.
#include <iosfwd>
#include <string>
#include <vector>

#include "calibration/CalibList.h"
#include "calibration/CalibSegment.h"
#include "contracts/framework/Array.h"
#include "document/UVPhotometryData.h"

namespace photoquant::detail {
class CSegmentSearch;
}  // namespace photoquant::detail

class PQ_EXPORT CUVUnknownData : public CUVPhotometryData {
    DECLARE_DYNAMIC(CUVUnknownData)
    DECLARE_MESSAGE_MAP()
    DECLARE_DISPATCH_MAP()

public:
    CUVUnknownData(int iQuantType = 0, int iNumSamp = 20, int iNumRep = 3, int iNumActWave = 6,
                   int iNumMethodWave = 6);
    // Complete stored data; the arrays (allocated with new[]) become the document's.
    CUVUnknownData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave, int iNumMethodWave,
                   double* pdRawData, double* pdWave, int* pbMeasured, int* piSampleNo);
    // Complete stored data in the XY-stage layout, Q positions per sample, with the distribution
    // results initialised.
    CUVUnknownData(int iQuantType, int iNumSamp, int iNumCoord, int iNumRep, int iNumActWave,
                   int iNumMethodWave, double* pdRawData, double* pdWave, int* pbMeasured,
                   int* piSampleNo);
    ~CUVUnknownData() override;

    // Intake: the base stores the readings (at the remeasure point when one is pending), then a
    // ratio analysis computes the point's ratio and a manual calibration its concentration. In the
    // stage layout readings are only stored. Each returns the base's result. A feeder thread may
    // call them: the store and the calculation after it hold the document's lock together, so
    // that two feeders never calculate at the same time.
    using CUVPhotometryData::iAddValues;
    int iAddValues(const CDoublePt* pReadings, int n) override;
    int iAddPeakValues(CUVWaveData* pWaveData) override;
    void vSkipData() override;
    // Block intake (see CUVPhotometryData): the points are stored, and their ratios or
    // manual-calibration concentrations computed in point order, exactly as the single intake
    // would, but the statistics are left to the caller, to run once after the last block:
    // vCalcStatistics for concentrations, vCalcStatisticsRatio for ratios. In the stage layout, in
    // the middle of a point or with a remeasurement pending the points go one by one through
    // iAddValues and vSkipData, statistics included.
    //   doc.iAddValuesBlock(transmittances.data(), nullptr, iNumPoints);
    //   doc.vCalcStatistics();
    int iAddValuesBlock(const double* pdReadings, const int* pbSkipped, int iNumPoints) override;

    // Axis ranges of the points, widened by the manual curve when it is on.
    void vSetRangesFromData() override;
    // The manual curve's point at concentration x when it is on, else the nearest data point.
    CDoublePt GetPointFromX(double x, int* pFound) override;

    // Ratio settings. K-factors and coefficients are kept to 4 decimal places.
    double dGetKFactor(int i) const;
    void vSetKFactor(int i, double dValue);
    int iGetResultType() const { return m_iResultType; }
    void vSetResultType(int iType) { m_iResultType = iType; }
    int iGetRatioOperand() const { return m_iRatioOperand; }
    void vSetRatioOperand(int iOperand) { m_iRatioOperand = iOperand; }

    // Manual calibration.
    int bGetManualCalib() const { return m_bManualCalib; }
    void vSetManualCalib(int bManual) { m_bManualCalib = bManual; }
    CCalibSegment* pGetCalibSeg() { return &m_ManualSeg; }
    const CCalibSegment* pGetCalibSeg() const { return &m_ManualSeg; }
    int iGetManualCalibOrder() const { return m_ManualSeg.m_iOrder; }
    void vSetManualCalibOrder(int iOrder) { m_ManualSeg.m_iOrder = iOrder; }
    double dGetCoeff(int i) const;
    void vSetCoeff(int i, double dValue);

    // Blank correction: on while the zero-concentration reading is a usable number.
    double dGetConc0Data() const { return m_dConc0Data; }
    void vSetConc0Data(double dValue);
    void vCalcConc0Data();
    int bIsBlkOK() const { return m_bBlkOK; }

    // Amount correction, one entry per sample (1.0 until the user types a value).
    double dGetWeightSetting(int iSamp) const;
    void vSetWeightSetting(int iSamp, double dValue);
    double dGetSolvent(int iSamp) const;
    void vSetSolvent(int iSamp, double dValue);
    double dGetDilutionRatio(int iSamp) const;
    void vSetDilutionRatio(int iSamp, double dValue);
    double dGetRevisionCoef(int iSamp) const;
    void vSetRevisionCoef(int iSamp, double dValue);
    const std::string& GetWeightUnit() const { return m_sWeightUnit; }
    void vSetWeightUnit(const std::string& unit) { m_sWeightUnit = unit; }
    const std::string& GetSolventUnit() const { return m_sSolventUnit; }
    void vSetSolventUnit(const std::string& unit) { m_sSolventUnit = unit; }
    int bGetConcRevision() const { return m_bConcRevision; }
    void vSetConcRevision(int bOn) { m_bConcRevision = bOn; }
    // n entries of 1.0 in each correction array; an n past the array ceiling changes nothing.
    void vSetEmptyConcCorrectInfo(int n);
    // Room for the sample just inserted at pos (the sample count has already grown): the entries
    // from pos on move up by one and the new entry is 1.0.
    void vInSertConcCorrectInfo(int iPos);

    // Concentrations. With the standards' calibration list (the host calls these after each
    // reading or to recompute all), or with the manual segment. Statistics run after the last
    // replicate of a sample, and once after a recomputation of all points.
    void vCalcConc(int iSamp, int iRep, const CCalibList* pCalibList);
    void vCalcConc(const CCalibList* pCalibList);
    // Block concentrations: those of the measured points iFirstPoint .. iFirstPoint + iNumPoints -
    // 1 (kept within the document's S*R points), in point order, with the standards' calibration
    // list, each to the last bit what vCalcConc(s, r, list) gives it, blanks taking effect for the
    // points after them as they do there. The segment ranges are read from the list once for the
    // block, and no statistics run: call vCalcStatistics once after the last block.
    //   doc.iAddValuesBlock(transmittances.data(), nullptr, iNumPoints);
    //   doc.vCalcConcBlock(0, iNumPoints, standards.pGetCalibList());
    //   doc.vCalcStatistics();
    void vCalcConcBlock(int iFirstPoint, int iNumPoints, const CCalibList* pCalibList);
    void vCalcConc(int iSamp, int iRep);
    void vCalcConc();
    // Concentration of point p from the segment (none for a reading no segment covers); a blank
    // sample's reading becomes the blank value instead, while blank correction is on.
    void vCalcConcBlk(int iPoint, const CCalibSegment* pSegment);
    // The blank-corrected reading of point p.
    double dCorrectConcBlk(int iPoint) const;
    // The reading from which point p's concentration was last computed, blank-corrected with the
    // blank in force at that time; kNoValue before that, for a blank sample's point and for a
    // reading no segment covers. The uncertainty of a result starts from it.
    double dGetEvaluatedReading(int iPoint) const;
    // A concentration of sample s with the sample's weight, solvent, dilution and revision
    // correction applied, when both the document's and the instrument's switches are on:
    // solvent / weight * c * dilution * revision, multiplied in this order.
    double dAmountCorrected(int iSamp, double dConc) const;

    // Ratios and statistics.
    void vCalcRatio(int iSamp, int iRep);
    void vCalcRatio();
    void vCalcStatistics();
    void vCalcStatisticsRatio();
    // Coefficient of variation sd / mean * 100, in percent; kNoValue when the mean is (nearly) zero
    // or either value is not usable.
    static double dCalcCV(double dMean, double dSD);
    // Room in the SD array for a sample inserted at index.
    void vMoveSDData(int iIndex);
    double dGetRatio(int iSamp, int iRep) const;

    // In-plane distribution over the stage positions: entry (s, w) per sample and wavelength, and
    // the all-sample row pooling every measured position.
    void vInitDistribution();
    void vCalculateDistribution();
    double dGetAverage(int iSamp, int iWave) const;
    double dGetMax(int iSamp, int iWave) const;
    double dGetMin(int iSamp, int iWave) const;
    double dGetRange(int iSamp, int iWave) const;
    double dGetSigma(int iSamp, int iWave) const;
    double dGetAllSamplAverage(int iWave) const;
    double dGetAllSamplMax(int iWave) const;
    double dGetAllSamplMin(int iWave) const;
    double dGetAllSamplRange(int iWave) const;
    double dGetAllSamplSigma(int iWave) const;

    // Texts: the calculation settings (ratio or manual calibration) as report lines, to a string or
    // to a text file ending in a zero byte; the file is replaced whole or left as it was.
    std::string GetCalibrationData() const;
    void vGetCalibrationData(const std::string& path) const;
    // Sample labels: the number text ("BLK" for a blank) padded to six characters, then the
    // unknown sample name; or the number text, a space and the general sample name.
    std::string sGetUnkSampNoName(int iSamp) const;
    std::string sGetUnkSampName(int iSamp) const;
    // The measurement conditions as a listing.
    std::string GetInstData() const;

private:
    void vInitFields();
    bool bHasPointIndex(int iSamp, int iRep) const;
    // The point the last intake filled: cursor / W - 1 (-1 when none).
    int iLastPoint() const;
    void vCalcOnIntake(int iPoint, bool bWithRatio);
    double dReading(int iPoint) const;
    void vStoreConc(int iPoint, double dConc, double dEvaluatedReading);
    void vSizeEvaluatedReadings(size_t iPoints);
    // A point the caller has checked the document holds, with room for its evaluated reading.
    void vStoreConcAt(size_t i, double dConc, double dEvaluatedReading);
    // Concentrations of the measured points among iNumPoints from iFirstPoint, no statistics.
    void vCalcConcRange(int iFirstPoint, int iNumPoints, const CCalibList& list);
    // The segment of the list that evaluates a reading (the search made once for the list).
    const CCalibSegment* pChooseSegment(const CCalibList& list,
                                        const photoquant::detail::CSegmentSearch& search,
                                        double dReading) const;
    // The ratio of point p when it is measured and has two or three readings.
    void vCalcPointRatio(int iPoint);
    // Ratios or manual-calibration concentrations of the measured points iFirst .. iEnd - 1.
    void vCalcBlockOnIntake(int iFirst, int iEnd);
    // Per-sample means and group statistics over a value of each point (concentration or ratio).
    template <class PointValue>
    void vCalcGroupStatistics(PointValue dValueOf);
    int iDistributionIndex(int iSamp, int iWave) const;
    int iDistributionWaves() const;
    void vWriteCalibration(std::ostream& out, bool bForFile) const;
    void vWriteRatioSettings(std::ostream& out) const;
    void vWriteManualCalibration(std::ostream& out, bool bForFile) const;
    std::string sSampleNumberText(int iSamp) const;

    double m_dKFactor[photoquant::kKFactorCount] = {1.0, 1.0, 1.0};  // K0 operand constant, K1, K2
    int m_iResultType = photoquant::kReadingsResult;                 // or concentration, or ratio
    int m_iRatioOperand = photoquant::kTimesOperand;                 // how K0 joins the ratio
    int m_bManualCalib = 0;
    CCalibSegment m_ManualSeg;
    double m_dConc0Data = 0.0;                 // reading at concentration zero
    std::vector<double> m_vdEvaluatedReading;  // per point, grown as concentrations are stored
    int m_bBlkOK = 0;                          // blank correction on
    std::vector<double> m_vdWeightSetting;
    std::vector<double> m_vdSolvent;
    std::vector<double> m_vdDilutionRatio;
    std::vector<double> m_vdRevisionCoef;
    std::string m_sWeightUnit = "g";
    std::string m_sSolventUnit = "mL";
    int m_bConcRevision = 0;  // the document's switch of the amount correction
    CArray<double> m_aAverage;
    CArray<double> m_aMax;
    CArray<double> m_aMin;
    CArray<double> m_aRange;
    CArray<double> m_aSigma;
};
