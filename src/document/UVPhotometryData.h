#pragma once
// The photometry data document: the common document of a photometric quantitation, from which the
// standards and the unknowns documents derive.
//
// It holds the readings of every sample s and replicate r at every measured wavelength, one XY
// point per (s, r) whose X is the sample's concentration and whose Y is the photometric value, the
// per-sample results and bookkeeping, the quantitation settings copied from the method, and copies
// of the instrument and accessory parameters.
//
// Indexing, used throughout the module:
//   point p = s*R + r  (with Q stage positions per sample, p = s*Q + c);
//   reading k of point p lies at raw index p*W + k.
// Readings are stored as transmittance fractions (1.0 = 100 %T); absorbance, %T and %R are display
// conversions. The photometric value of a point from its readings T1..TW is transmittance-like:
//   W = 1: T1
//   W = 2: 10^-D with D = A(T2) - A(T1)
//   W = 3: 10^-D with D = A(T2) - (|l2 - l3| A(T1) + |l1 - l2| A(T3)) / |l1 - l3|
//          (the absorbance at l2 above the straight baseline through l1 and l3)
// where A(T) = log10(1/T), or the display options' absorbance for a transmittance at or below 0.
//
// Readings may be fed from a thread other than the user-interface thread: the intake operations
// hold the data set's lock for their whole length; everything else runs on the UI thread.
//
// Out-of-range indices are refused everywhere: a writer changes nothing (and returns 0), a reader
// returns 0, or kNoValue for a double. Counts are held to the ceilings of DocumentLimits.h: a
// re-dimensioning to sizes beyond them, or with a negative count, changes nothing.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "contracts/framework/Array.h"
#include "contracts/paramkit/GLPResult.h"
#include "contracts/paramkit/MZ700Parameters.h"
#include "contracts/paramkit/MethodReportParam.h"
#include "contracts/paramkit/MultiCellParam.h"
#include "contracts/paramkit/PhotParamsObj.h"
#include "contracts/paramkit/RackParameters.h"
#include "contracts/paramkit/UVInstrParameters.h"
#include "contracts/paramkit/UVSipperParameters.h"
#include "contracts/xykit/DataXY.h"
#include "document/DocumentLimits.h"
#include "document/OwnedArray.h"
#include "document/QuantitationCodes.h"

class CUVMethod;
class CUVInstrument;
class CUVWaveData;
class CPeakList;

class PQ_EXPORT CUVPhotometryData : public CDataXY {
    DECLARE_DYNAMIC(CUVPhotometryData)
    DECLARE_MESSAGE_MAP()
    DECLARE_DISPATCH_MAP()

public:
    // Counts only: every array at its initial values, nothing measured. Counts that are negative
    // or pass the ceilings give a document without samples.
    CUVPhotometryData(int iQuantType = 0, int iNumSamp = 20, int iNumRep = 3, int iNumActWave = 6,
                      int iNumMethodWave = 6);
    // Complete stored data. The arrays (allocated with new[]) become the document's as they are:
    // the accessors return the very pointers handed in until a re-dimensioning needs more room. A
    // null array is replaced by one at its initial values. A W of 0 means W = M. Counts that are
    // negative or pass the ceilings give a document without samples (the arrays are still freed
    // by it).
    CUVPhotometryData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                      int iNumMethodWave, double* pdRawData, double* pdWave, int* pbMeasured,
                      double* pdConc, int* pbManual, double* pdManualValue, int* piSampleNo);
    // Complete stored data in the XY-stage layout: Q positions per sample (positions come before
    // replicates in the argument list).
    CUVPhotometryData(int iQuantType, int iNumSamp, int iNumCoord, int iNumRep, int iNumActWave,
                      int iNumMethodWave, double* pdRawData, double* pdWave, int* pbMeasured,
                      int* piSampleNo);
    ~CUVPhotometryData() override;
    CUVPhotometryData(const CUVPhotometryData&) = delete;
    CUVPhotometryData& operator=(const CUVPhotometryData&) = delete;

    // The document's own virtual operations, after those of the data set.
    virtual void vSkipData();
    virtual int iAddPeakValues(CUVWaveData* pWaveData);
    virtual int iSetPeakValues(CUVWaveData* pWaveData, int iPoint);
    // Block intake, for readings that arrive many points at a time (a plate reader's export, a
    // file of earlier results) rather than one point per call as the instrument delivers them.
    // pdReadings holds iNumPoints points of W readings each, point after point, as transmittance
    // fractions (the y of the readings iAddValues takes); a point whose entry in pbSkipped is
    // non-zero was not measured and is skipped as vSkipData skips it, its W readings unread
    // (pbSkipped may be null: every point measured). Every stored value is, to the last bit, what
    // the same points fed one by one through iAddValues and vSkipData store, and what does not fit
    // is cut off the same way; the lock is taken once for the block. Returns the XY points added
    // for measured points (the sum of what iAddValues would have returned).
    //   doc.iAddValuesBlock(transmittances.data(), skipped.data(), iNumPoints);
    virtual int iAddValuesBlock(const double* pdReadings, const int* pbSkipped, int iNumPoints);

    // Overrides of the data set.
    int iSetYMode(int mode) override;
    using CDataXY::iAddValues;
    using CDataXY::iSetValues;
    int iAddValues(const CDoublePt* pReadings, int n) override;
    int iSetValues(const CDoublePt* pReadings, int n, int iPoint) override;
    double dCalcY(double y) const override;

    // Re-dimensioning. Sizes beyond the ceilings, a negative count or storage the system cannot
    // give change nothing: bSetEmpty then answers 0, the others return as they were.
    int bSetEmpty(int iNumSamp, int iNumRep, int iNumActWave, int iNumMethodWave);
    int bSetEmpty(int iNumActWave, int iNumMethodWave);
    void vAddSample(int bKeep);
    void vDelSample();
    void vSetEmpty(CUVMethod* pMethod, int iNumSamp);

    // Measurement intake.
    int iAddXYValues(const CDoublePt* pReadings, int n);
    int iMChangeValues(const CDoublePt* pReadings, int iPoint);
    void vRepeatData();
    int bDeleteData(int iSamp, int iRep);
    void vSetRemeasureMode(int iSamp, int iRep, int iSplit);
    double dGetAbs(int iSamp, int iRep, int iReading) const;
    double dGetAbsXY(int iSamp, int iCoord, int iReading) const;

    // Peak and derivative values recomputed from the stored spectra, after the peak or derivative
    // settings have changed. Manual points keep their typed values.
    void vCalculatePeakValues();
    void vCalculateDerivValues();

    // Method and instrument parameters.
    void vSetInstParam(CUVInstrParameters* pInstParam);
    CUVInstrParameters* pGetInstParam() const { return m_pInstParam.get(); }
    int bInstrParamReflect(CUVMethod* pMethod, CUVInstrument* pInstrument);
    int bHasOptionParam(int iDevice) const;
    int bHasTemperature(int iDevice) const;
    std::string sGetMeasType() const;
    std::string sGetPathLengthCorrect() const;
    int bIsPathLengthCorrect() const;
    int bIsDspPathLength() const;
    std::string GetInstModelForSelectType() const;
    void vCopyCalibration(CPhotParamsObj* pParams);
    void vSetCoordArray(CPhotParamsObj* pParams);
    void vGetCoordArray(CPhotParamsObj* pParams);
    void vChangeConcVal(double dConc, int iSamp);
    void vSetAbsUnit(const std::string& unit);
    void vSetConcUnit(const std::string& unit);
    std::string GetConcUnit() const { return GetXUnits(); }

    // Dimensions.
    int iGetQuantType() const { return m_iQuantType; }
    void vSetQuantType(int iQuantType) { m_iQuantType = iQuantType; }
    int iGetNumSamp() const { return m_iNumSamp; }
    int iGetNumRep() const { return m_iNumRep; }
    int iGetNumCoord() const { return m_iNumCoord; }
    int iGetNumActWave() const { return m_iNumActWave; }
    int iGetNumMethodWave() const { return m_iNumMethodWave; }

    // Per-point arrays.
    double* pdGetRawData() { return m_vdRawData.data(); }
    int* pbGetMeasuredVect() { return m_vbMeasured.data(); }
    int bGetMeasured(int iPoint) const;
    void vSetMeasured(int iPoint, int bMeasured);
    int* pbGetManualStd() { return m_vbManual.data(); }
    int bGetManualStd(int iPoint) const;
    void vSetManualStd(int iPoint, int bManual);
    double* pdGetStdCalcAbsData() { return m_vdManualValue.data(); }

    // Per-sample arrays.
    int* piGetSampleNo() { return m_viSampleNo.data(); }
    int iGetSampleNo(int iSamp) const;
    void vSetSampleNo(int iSamp, int iSampleNo);
    double* pdGetConcVect() { return m_vdConc.data(); }
    double dGetConc(int iSamp) const;
    double dGetSD(int iSamp) const;
    double dGetMeanConc(int iSamp) const;
    double dGetWeight(int iSamp) const;
    void vSetWeight(int iSamp, double dWeight);
    double dGetDilution(int iSamp) const;
    void vSetDilution(int iSamp, double dDilution);
    double* pdGetWave() { return m_dWave; }
    double dGetWavelength(int i) const;
    CDoublePt GetCoordPt(int iCoord) const;

    // String lists: an index outside the list reads as an empty text; setting past the end grows
    // the list, inserting puts one entry before the index. Neither grows a list to an index at or
    // beyond the larger of the document's own entries (S, or S*R date-times) and kMaxListEntries:
    // such an index changes nothing.
    std::string GetSampName(int iSamp) const;
    void vSetSampName(const std::string& name, int iSamp);
    void vInsertSampName(const std::string& name, int iSamp);
    std::string GetComment(int iSamp) const;
    void vSetComment(const std::string& comment, int iSamp);
    void vInsertComment(const std::string& comment, int iSamp);
    std::string GetDateTime(int iSamp, int iRep) const;
    void vSetDateTime(const std::string& dateTime, int iSamp, int iRep);
    std::string GetUnkSampName(int iSamp) const;
    void vSetUnkSampName(const std::string& name, int iSamp);
    void vInsertUnkSampName(const std::string& name, int iSamp);

    // Single texts.
    const std::string& GetOperator() const { return m_sOperator; }
    void vSetOperator(const std::string& text) { m_sOperator = text; }
    const std::string& GetInstModel() const { return m_sInstModel; }
    void vSetInstModel(const std::string& text) { m_sInstModel = text; }
    const std::string& GetInstROMVersion() const { return m_sInstROMVersion; }
    void vSetInstROMVersion(const std::string& text) { m_sInstROMVersion = text; }
    const std::string& GetInstSerialNumb() const { return m_sInstSerialNumb; }
    void vSetInstSerialNumb(const std::string& text) { m_sInstSerialNumb = text; }
    const std::string& GetMethodFile() const { return m_sMethodFile; }
    void vSetMethodFile(const std::string& text) { m_sMethodFile = text; }
    const std::string& GetQuantFile() const { return m_sQuantFile; }
    void vSetQuantFile(const std::string& text) { m_sQuantFile = text; }
    const std::string& GetAccessory() const { return m_sAccessory; }
    void vSetAccessory(const std::string& text) { m_sAccessory = text; }
    int GetInstModelType() const { return m_iInstModelType; }
    void vSetInstModelType(int iType) { m_iInstModelType = iType; }

    // Owned and embedded parameter objects.
    CGLPResult* pGetGLPResult() const { return m_pGLPResult.get(); }
    void vSetGLPResult(CGLPResult* pResult) { m_pGLPResult.reset(pResult); }
    CMethodReportParam* pGetReportParam() { return &m_ReportParam; }
    CUVSipperParameters* pGetSipperParam() { return &m_SipperParam; }
    CRackParameters* pGetRackParam() { return &m_RackParam; }
    CMZ700Parameters* pGetMZ700Param() { return &m_MZ700Param; }
    CMultiCellParam* pGetMultiCellParam() { return &m_MultiCellParam; }

    // Scalars.
    int bGetZeroInst() const { return m_bZeroInst; }
    void vSetZeroInst(int b) { m_bZeroInst = b; }
    double dGetZeroWL() const { return m_dZeroWL; }
    void vSetZeroWL(double d) { m_dZeroWL = d; }
    int bGetStatisticalMode() const { return m_bStatisticalMode; }
    void vSetStatisticalMode(int b) { m_bStatisticalMode = b; }
    double dGetPhotomIntegTime() const { return m_dPhotomIntegTime; }
    void vSetPhotomIntegTime(double d) { m_dPhotomIntegTime = d; }
    double dGetPhotomDiffWL() const { return m_dPhotomDiffWL; }
    void vSetPhotomDiffWL(double d) { m_dPhotomDiffWL = d; }
    double dGetPathLength() const { return m_dPathLength; }
    void vSetPathLength(double d) { m_dPathLength = d; }
    int bGetPathLengthCorrect() const { return m_bPathLengthCorrect; }
    void vSetPathLengthCorrect(int b) { m_bPathLengthCorrect = b; }
    double dGetPeakApex() const { return m_dPeakApex; }
    void vSetPeakApex(double d) { m_dPeakApex = d; }
    double dGetPeakRange() const { return m_dPeakRange; }
    void vSetPeakRange(double d) { m_dPeakRange = d; }
    double dGetThreshold() const { return m_dThreshold; }
    void vSetThreshold(double d) { m_dThreshold = d; }
    int iGetSensitivity() const { return m_iSensitivity; }
    void vSetSensitivity(int i) { m_iSensitivity = i; }
    int iGetIntegMethod() const { return m_iIntegMethod; }
    void vSetIntegMethod(int i) { m_iIntegMethod = i; }
    // The derivative settings are kept as set and held to their sense where the spectrum is
    // smoothed: the half window to the spectrum, the smoothing order below the window size, and a
    // derivative order above the smoothing order gives 0 at once (vSmoothSGGen).
    int iGetDerivWindow() const { return m_iDerivWindow; }
    void vSetDerivWindow(int i) { m_iDerivWindow = i; }
    int iGetDerivOrder() const { return m_iDerivOrder; }
    void vSetDerivOrder(int i) { m_iDerivOrder = i; }
    int iGetDerivSmoothOrder() const { return m_iDerivSmoothOrder; }
    void vSetDerivSmoothOrder(int i) { m_iDerivSmoothOrder = i; }
    // Decimal places (absorbance, transmittance, concentration, the data decimals of the
    // instrument parameters, and the data set's X and Y precision) are kept as set and used within
    // 0..kMaxDecimalPlaces (15): a double carries no meaningful 16th decimal of a reading.
    int iGetAbsPrecision() const { return m_iAbsPrecision; }
    void vSetAbsPrecision(int i) { m_iAbsPrecision = i; }
    int iGetPctTPrecision() const { return m_iPctTPrecision; }
    void vSetPctTPrecision(int i) { m_iPctTPrecision = i; }
    double dGetLoLimit() const { return m_dLoLimit; }
    void vSetLoLimit(double d) { m_dLoLimit = d; }
    double dGetHiLimit() const { return m_dHiLimit; }
    void vSetHiLimit(double d) { m_dHiLimit = d; }
    int iGetWlModePhotometry() const { return m_iWlModePhotometry; }
    void vSetWlModePhotometry(int i) { m_iWlModePhotometry = i; }
    int iGetConcPrecision() const { return m_iConcPrecision; }
    void vSetConcPrecision(int i) { m_iConcPrecision = i; }
    int iGetStatisticsNum() const { return m_iStatisticsNum; }
    void vSetStatisticsNum(int i) { m_iStatisticsNum = i; }
    double dGetBlkData() const { return m_dBlkData; }
    void vSetBlkData(double d) { m_dBlkData = d; }
    int iGetDataDecimals() const { return m_iDataDecimals; }

protected:
    // Points the per-point arrays are dimensioned for: S*Q in the stage layout, else S*R.
    int iPointSlots() const;
    // Raw readings the intake may fill: the raw capacity, kept within the document's points.
    int iIntakeCapacity() const;
    bool bHasSample(int iSamp) const;
    bool bHasPointSlot(int iPoint) const;
    // Photometric value of W readings (transmittance-like), from the method wavelengths.
    double dPhotometricValue(const double* pdReadings, int iNumReadings) const;
    // Photometric value of a stored point, its manual value when it was typed in and bManual is
    // set.
    double dStoredPointValue(int iPoint, bool bUseManual) const;
    // Absorbance of a transmittance: log10(1/T), or the display options' value for T <= 0.
    double dAbsorbance(double dTransmittance) const;
    // Gives every point X = its sample's concentration and, for wavelength quantitation, its
    // photometric value, as a data set of S*R complete points.
    void vRebuildPoints(bool bUseManual);
    // Stores the readings at the cursor and marks the point they complete (lock held).
    int iStoreAtCursor(const CDoublePt* pReadings, int n);
    // Point p measured, not typed in.
    void vMarkMeasured(int iPoint);
    // Appends the XY point of point p, whose readings are stored: X its sample's concentration,
    // Y its photometric value for wavelength quantitation, else 0 (lock held).
    int iAppendMeasuredPoint(int iPoint, bool bDisplay = true);
    // Skips the point at the cursor (lock held).
    void vSkipAtCursor(bool bDisplay = true);
    // dCalcY before its rounding to the data decimal places.
    double dDisplayValueUnrounded(double y) const;
    // The display points of points iFrom .. iTo - 1, as dCalcX and dCalcY give them, the rounding
    // done over all of them at once.
    void vFillDisplayPoints(int iFrom, int iTo);
    // Whether the intake can take whole points from here on: the cursor at the start of a point
    // and the room left a whole number of points.
    bool bTakesWholePoints() const;
    bool bRemeasurePending() const;
    // The block taken point by point through the document's own iAddValues and vSkipData.
    int iAddValuesOneByOne(const double* pdReadings, const int* pbSkipped, int iNumPoints);
    double dRawAt(int iPoint, int iReading, int iPointsPerSample) const;
    // Axis ranges of the points: X over every point, Y over the measured ones; a range that
    // collapses to one value (or, for Y, holds a value that is not usable) opens to start at 0.
    void vSetRangesFromPoints();
    // Widens the Y range to take in a calibration curve y = curve(x) sampled in 1000 steps over
    // [lo, hi], or at both ends only when the span is too small to step through.
    void vWidenYRangeOverCurve(double lo, double hi, const std::function<double(double)>& curve);

    int m_iQuantType = 0;      // quantitation type
    int m_iNumSamp = 0;        // S
    int m_iNumRep = 0;         // R
    int m_iNumCoord = 0;       // Q
    int m_iNumActWave = 0;     // W
    int m_iNumMethodWave = 0;  // M
    int m_iCursor = 0;         // raw readings stored so far
    int m_iRawCapacity = 0;

    // The arrays a host may hand to a constructor are taken over as they are.
    photoquant::detail::COwnedArray<double> m_vdRawData;
    photoquant::detail::COwnedArray<int> m_vbMeasured;
    photoquant::detail::COwnedArray<int> m_vbManual;
    photoquant::detail::COwnedArray<double> m_vdManualValue;
    std::vector<double> m_vdRatio;
    photoquant::detail::COwnedArray<int> m_viSampleNo;
    photoquant::detail::COwnedArray<double> m_vdConc;
    std::vector<double> m_vdSD;
    std::vector<double> m_vdMeanConc;
    std::vector<double> m_vdWeight;
    std::vector<double> m_vdDilution;
    double m_dWave[photoquant::kMaxMethodWaves] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    CArray<CDoublePt> m_aCoord;  // stage positions

    // The point a pending remeasure writes: s*R + r, or -1 when (s, r) lies outside the document.
    int iRemeasurePoint() const;

    int m_iRemeasureSamp = -1;
    int m_iRemeasureSplit = -1;  // readings of a split point written so far; -1 no split
    int m_iRemeasureRep = -1;

private:
    void vInitBaseState();
    // The last index the sample lists may grow to, plus one.
    long iSampleListCeiling() const;
    // Whether the document can be dimensioned for S samples of R replicates (or of Q stage
    // positions when Q > 0) with W readings a point: no count negative, no array past its ceiling,
    // and the storage reserved, so that the change that follows allocates nothing. Changes nothing
    // the host can see.
    bool bRoomFor(long long iNumSamp, long long iNumRep, long long iNumCoord,
                  long long iNumActWave);
    // Reserves every array for S samples, P points and N readings; false when the system cannot
    // give the storage.
    bool bMakeRoom(int iNumSamp, int iNumPoints, int iNumReadings);
    // Dimensions the document for S samples of R replicates (or of Q stage positions when Q > 0)
    // with W readings a point: every per-sample and per-point array at its initial values, no
    // reading stored, no point counted. The room must have been made (bRoomFor).
    void vDimension(int iNumSamp, int iNumRep, int iNumCoord, int iNumActWave, int iNumMethodWave);
    void vResetSamples(int iFrom, int iTo);
    // The display point of a point without readings, in the current modes.
    CDoublePt EmptyDisplayPoint() const;
    void vResetPoints(int iFrom, int iTo, const CDoublePt& display);
    void vSizeSamples(int iNumSamp);
    void vSizePoints(int iNumPoints);
    void vSizeRaw(int iNumReadings);
    // Takes over the host's arrays of a constructor for S samples of iPointsPerSample points and
    // W readings each (S already within the ceilings), and sizes the others; when the storage
    // cannot be had the document keeps the arrays but has no samples.
    void vTakeArrays(int iNumSamp, int iPointsPerSample, int iNumActWave, double* pdRawData,
                     int* pbMeasured, double* pdConc, int* pbManual, double* pdManualValue,
                     int* piSampleNo);
    void vReadMethodWaves(const double* pdWave, int iCount);
    bool bWithinPeakWindow(double dWavelength) const;
    int iDerivIndex() const;
    // Value of a spectrum handed in: the peak area or height in the apex window, or the
    // derivative magnitude at the derivative wavelength (warning when the spectrum is too short).
    double dSpectrumValue(CUVWaveData* pWaveData, bool bWarn) const;
    void vPrepareInstForRecalc();
    // The stored readings of a point as absorbances, rounded and path-corrected.
    std::vector<CDoublePt> StoredSpectrum(int iPoint, bool bWithX) const;
    double dStoredPeakValue(int iPoint, CPeakList& peaks) const;

    CStringArray m_saSampName;
    CStringArray m_saComment;
    CStringArray m_saDateTime;
    CStringArray m_saUnkSampName;
    std::string m_sOperator;
    std::string m_sInstModel;
    std::string m_sInstROMVersion;
    std::string m_sInstSerialNumb;
    int m_iInstModelType = 0;
    std::string m_sMethodFile;
    std::string m_sQuantFile;
    std::string m_sAccessory;
    std::unique_ptr<CUVInstrParameters> m_pInstParam;
    CMethodReportParam m_ReportParam;
    CUVSipperParameters m_SipperParam;
    CRackParameters m_RackParam;
    CMZ700Parameters m_MZ700Param;
    CMultiCellParam m_MultiCellParam;
    std::unique_ptr<CGLPResult> m_pGLPResult;

    int m_bZeroInst = 0;
    double m_dZeroWL = 190.0;
    int m_bStatisticalMode = 0;
    double m_dPhotomIntegTime = 0.5;
    double m_dPhotomDiffWL = 450.0;
    double m_dPathLength = 10.0;
    int m_bPathLengthCorrect = 1;
    double m_dPeakApex = 450.0;
    double m_dPeakRange = 1.0;
    double m_dThreshold = 0.01;
    int m_iSensitivity = 0;
    int m_iIntegMethod = 0;
    int m_iDerivWindow = 7;
    int m_iDerivOrder = 2;
    int m_iDerivSmoothOrder = 3;
    int m_iDataDecimals = 4;
    int m_iAbsPrecision = 4;
    int m_iPctTPrecision = 2;
    double m_dLoLimit = 0.0;
    double m_dHiLimit = 1e9;
    int m_iWlModePhotometry = 0;
    int m_iConcPrecision = 1;
    int m_iStatisticsNum = 1;
    double m_dBlkData = 0.0;
};
