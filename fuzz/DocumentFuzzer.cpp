// Fuzz target: a host gone wild. The fuzzer's bytes become a standards and an unknowns document,
// dimensioned with any counts up to a cap, and then a sequence of the host's public calls on them:
// re-dimensioning, intake of any readings and spectra, skips, repeats, deletes, remeasures, typed
// values, calibration of every type and direction, concentrations, ratios, statistics,
// distribution, the report texts, and the refresh of the four list views attached to the documents,
// whole or row by row. After every call the documents must still hold together:
//   - the reading cursor lies within the raw capacity, which lies within the raw storage;
//   - the point count lies within the point capacity, which lies within the point arrays;
//   - the per-sample arrays cover every sample;
//   - every accessor answers for every index in and around the dimensions (the standard library's
//     assertions and AddressSanitizer stop the run on any access outside an array).
// Only the distribution accessors may throw, std::out_of_range, as the framework's arrays do.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "photoquant.h"

namespace {

constexpr int kMaxSamples = 40;
constexpr int kMaxReplicates = 6;
constexpr int kMaxWaves = 8;            // beyond the six a method holds
constexpr int kMaxSpectrumPoints = 48;  // W of a peak or derivative analysis
constexpr int kMaxCalls = 120;
// Rounding takes one multiplication per decimal place: a count of billions would only cost time.
constexpr int kMaxDecimals = 20;

// Reaches the document's own state to check it; adds nothing else.
template <class Document>
class CProbed : public Document {
public:
    using Document::Document;

    void vCheckInvariants() const {
        FUZZ_REQUIRE(this->m_iNumSamp >= 0 && this->m_iNumRep >= 0 && this->m_iNumCoord >= 0);
        FUZZ_REQUIRE(this->m_iNumActWave >= 0);
        FUZZ_REQUIRE(this->m_iNumMethodWave >= 0 && this->m_iNumMethodWave <= 6);

        // A sample deleted after the intake leaves the cursor past the intake's limit (nothing
        // more is taken in), never past the raw capacity.
        FUZZ_REQUIRE(this->m_iCursor >= 0 && this->m_iCursor <= this->m_iRawCapacity);
        FUZZ_REQUIRE(this->iIntakeCapacity() <= this->m_iRawCapacity);
        FUZZ_REQUIRE(static_cast<size_t>(this->m_iRawCapacity) <= this->m_vdRawData.size());

        FUZZ_REQUIRE(this->m_iNumPts >= 0 && this->m_iNumPts <= this->m_iMaxPts);
        const auto maxPts = static_cast<size_t>(this->m_iMaxPts);
        FUZZ_REQUIRE(maxPts <= this->m_vdX.size() && maxPts <= this->m_vdY.size() &&
                     maxPts <= this->m_vPoints.size());

        // The per-point arrays may be shorter than S*R (a stage document whose positions were
        // given up addresses S*R points over arrays of S*Q): their accessors check the storage,
        // which vReadEveryAccessor drives. The per-sample arrays always cover S.
        const auto samples = static_cast<size_t>(this->m_iNumSamp);
        FUZZ_REQUIRE(this->m_viSampleNo.size() >= samples && this->m_vdConc.size() >= samples);
        for (const auto* perSample :
             {&this->m_vdSD, &this->m_vdMeanConc, &this->m_vdWeight, &this->m_vdDilution}) {
            FUZZ_REQUIRE(perSample->size() >= samples);
        }
        vReadEveryAccessor();
    }

private:
    void vReadEveryAccessor() const {
        const auto& doc = static_cast<const Document&>(*this);
        const int S = doc.iGetNumSamp();
        const int R = doc.iGetNumRep();
        const int Q = doc.iGetNumCoord();
        const int W = doc.iGetNumActWave();
        volatile double sink = 0.0;
        for (int s = -1; s <= S; ++s) {
            sink = sink + doc.dGetConc(s) + doc.dGetSD(s) + doc.dGetMeanConc(s) +
                   doc.dGetWeight(s) + doc.dGetDilution(s) + doc.iGetSampleNo(s);
            sink = sink + static_cast<double>(doc.GetSampName(s).size() + doc.GetComment(s).size() +
                                              doc.GetUnkSampName(s).size());
            // The readings at the edges of each sample: first and last replicate and reading,
            // and one beyond on either side.
            for (const int r : {-1, 0, R - 1, R}) {
                sink = sink + static_cast<double>(doc.GetDateTime(s, r).size());
                for (const int k : {-1, 0, W - 1, W}) {
                    sink = sink + doc.dGetAbs(s, r, k);
                }
            }
            for (int c = -1; c <= Q; ++c) {
                sink = sink + doc.dGetAbsXY(s, c, 0);
            }
        }
        for (int p = -1; p <= this->iPointSlots(); ++p) {
            sink = sink + doc.bGetMeasured(p) + doc.bGetManualStd(p);
        }
        for (int i = -1; i <= doc.iGetNumPts(); ++i) {
            sink = sink + doc.GetValue(i).y;
        }
        for (int i = -1; i <= 6; ++i) {
            sink = sink + doc.dGetWavelength(i);
        }
        for (int c = -1; c <= Q; ++c) {
            sink = sink + doc.GetCoordPt(c).x;
        }
    }
};

using CStandards = CProbed<CUVStandardData>;
using CUnknowns = CProbed<CUVUnknownData>;

// Arrays the way a host allocates them for a constructor: new[], or none at all.
template <class T, class Make>
T* pHostArray(CFuzzInput& in, int n, Make make) {
    if (in.bFlag()) {
        return nullptr;
    }
    T* values = new T[static_cast<size_t>(std::max(n, 0))];
    for (int i = 0; i < n; ++i) {
        values[i] = make();
    }
    return values;
}

struct CCounts {
    int iQuantType;
    int S;
    int R;
    int W;
    int M;
};

CCounts ReadCounts(CFuzzInput& in) {
    CCounts counts{};
    counts.iQuantType = in.iInRange(-1, 5);
    counts.S = in.iCount(kMaxSamples);
    counts.R = in.iCount(kMaxReplicates);
    const bool bSpectra = counts.iQuantType >= 1 && counts.iQuantType <= 3;
    counts.W = in.iCount(bSpectra ? kMaxSpectrumPoints : kMaxWaves);
    counts.M = in.iCount(kMaxWaves);
    return counts;
}

std::unique_ptr<CStandards> MakeStandards(CFuzzInput& in) {
    const CCounts c = ReadCounts(in);
    if (in.bFlag()) {
        return std::make_unique<CStandards>(c.iQuantType, c.S, c.R, c.W, c.M);
    }
    // Complete stored data: the constructor's contract is S*R*W readings (W = M when W is 0).
    const int S = std::max(c.S, 0);
    const int P = S * std::max(c.R, 0);
    const int W = c.W > 0 ? c.W : std::clamp(c.M, 0, 6);
    auto value = [&in] { return in.dReading(); };
    auto flag = [&in] { return in.iInRange(-1, 2); };
    double* pdRaw = pHostArray<double>(in, P * W, value);
    double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
    int* pbMeasured = pHostArray<int>(in, P, flag);
    double* pdConc = pHostArray<double>(in, S, value);
    int* pbManual = pHostArray<int>(in, P, flag);
    double* pdManual = pHostArray<double>(in, P, value);
    return std::make_unique<CStandards>(c.iQuantType, c.S, c.R, c.W, c.M, pdRaw, pdWave, pbMeasured,
                                        pdConc, pbManual, pdManual);
}

std::unique_ptr<CUnknowns> MakeUnknowns(CFuzzInput& in) {
    const CCounts c = ReadCounts(in);
    const int form = in.iPick(2);
    if (form == 0) {
        return std::make_unique<CUnknowns>(c.iQuantType, c.S, c.R, c.W, c.M);
    }
    const int S = std::max(c.S, 0);
    auto value = [&in] { return in.dReading(); };
    auto flag = [&in] { return in.iInRange(-1, 2); };
    auto sampleNo = [&in] { return in.iInRange(-2, 5); };
    if (form == 1) {
        const int P = S * std::max(c.R, 0);
        const int W = c.W > 0 ? c.W : std::clamp(c.M, 0, 6);
        double* pdRaw = pHostArray<double>(in, P * W, value);
        double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
        int* pbMeasured = pHostArray<int>(in, P, flag);
        int* piSampleNo = pHostArray<int>(in, S, sampleNo);
        return std::make_unique<CUnknowns>(c.iQuantType, c.S, c.R, c.W, c.M, pdRaw, pdWave,
                                           pbMeasured, piSampleNo);
    }
    // The XY-stage layout: Q positions per sample, S*Q*W readings.
    const int Q = in.iCount(kMaxReplicates);
    const int P = S * std::max(Q, 0);
    const int W = std::max(c.W, 0);
    double* pdRaw = pHostArray<double>(in, P * W, value);
    double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
    int* pbMeasured = pHostArray<int>(in, P, flag);
    int* piSampleNo = pHostArray<int>(in, S, sampleNo);
    return std::make_unique<CUnknowns>(c.iQuantType, c.S, Q, c.R, c.W, c.M, pdRaw, pdWave,
                                       pbMeasured, piSampleNo);
}

// ---------------------------------------------------------------------------------------------
// Calls every photometry document takes

void vFillMethod(CFuzzInput& in, CUVMethod& method) {
    CMethodQuantParam& quant = *method.pGetQuantParam();
    quant.m_iQuantType = in.iInRange(-1, 5);
    quant.m_iNumRep = in.iCount(kMaxReplicates);
    quant.m_iNumWave = in.iCount(kMaxWaves);
    for (double& wave : quant.m_dWave) {
        wave = in.bFlag() ? 400.0 + in.iInRange(0, 4) * 50.0 : in.dValue();
    }
    quant.m_iConcDecimals = in.iInRange(-2, kMaxDecimals);
    quant.m_iStatisticsNum = in.iInRange(-1, 4);
    quant.m_bStatisticalMode = in.iInRange(0, 2);
    quant.m_dPathLength = in.bFlag() ? 10.0 : in.dValue();
    quant.m_bPathLengthCorrect = in.iInRange(0, 2);
    std::vector<CDoublePt> coords(static_cast<size_t>(in.iInRange(0, 4)));
    for (CDoublePt& coord : coords) {
        coord = CDoublePt(in.dValue(), in.dValue());
    }
    method.pGetXYStageParam()->vSetCoordArray(coords);
    CUVInstrParameters& inst = *method.pGetInstrParam();
    inst.m_iDataMode = in.iInRange(-1, 7);
    inst.m_iSelectType = in.iInRange(0, 14);
    inst.m_iSamplingDevice = in.iInRange(0, 4);
    inst.m_iPhotoDecimals = in.iInRange(-2, kMaxDecimals);
}

CUVInstrParameters* pNewInstrument(CFuzzInput& in) {
    auto* inst = new CUVInstrParameters;
    inst->m_dStartWL = in.bFlag() ? 500.0 : in.dValue();
    inst->m_dDataInterval = in.bFlag() ? 1.0 : in.dValue();
    inst->m_iPhotoDecimals = in.iInRange(-2, kMaxDecimals);
    inst->m_bConcCorrect = in.iInRange(0, 2);
    inst->m_iMeasMode = in.iInRange(0, 8);
    inst->m_sParamVersion = in.Text();
    return inst;
}

CUVWaveData Spectrum(CFuzzInput& in) {
    const std::vector<double> y = in.Values(kMaxSpectrumPoints + 4);
    const double dStart = in.bFlag() ? 500.0 : in.dValue();
    const double dInterval = in.bFlag() ? 1.0 : in.dValue();
    return CUVWaveData(dStart, dInterval, y.data(), static_cast<int>(y.size()));
}

void vCopyCalibrationFrom(CFuzzInput& in, CUVPhotometryData& doc) {
    // A consistent transfer object: arrays as long as its counts say.
    CPhotParamsObj params;
    params.m_iQuantType = in.iInRange(-1, 5);
    params.m_iNumSamp = in.iCount(kMaxSamples);
    params.m_iNumRep = in.iCount(kMaxReplicates);
    params.m_iNumMethodWave = in.iCount(kMaxWaves);
    const int S = std::max(params.m_iNumSamp, 0);
    const int P = S * std::max(params.m_iNumRep, 0);
    const int W = in.iCount(kMaxWaves);
    params.m_iNumRawData = P * std::max(W, 0);
    const int iReadings =
        P * (params.m_iNumRawData != 0 && P > 0 ? params.m_iNumRawData / P
                                                : std::clamp(params.m_iNumMethodWave, 0, 6));
    std::vector<double> conc(static_cast<size_t>(S));
    std::vector<int> measured(static_cast<size_t>(P));
    std::vector<int> manual(static_cast<size_t>(P));
    std::vector<double> manualValue(static_cast<size_t>(P));
    std::vector<double> raw(static_cast<size_t>(iReadings));
    for (double& value : conc) value = in.dValue();
    for (int& flag : measured) flag = in.iInRange(0, 2);
    for (int& flag : manual) flag = in.iInRange(0, 1);
    for (double& value : manualValue) value = in.dValue();
    for (double& value : raw) value = in.dReading();
    params.m_pdConc = in.bFlag() ? conc.data() : nullptr;
    params.m_pbMeasured = measured.data();
    params.m_pbManual = manual.data();
    params.m_pdManualValue = manualValue.data();
    params.m_pdRawData = raw.data();
    doc.vCopyCalibration(&params);
}

void vExchangeCoordinates(CFuzzInput& in, CUVPhotometryData& doc) {
    CPhotParamsObj params;
    if (in.bFlag()) {
        std::vector<double> x(static_cast<size_t>(in.iInRange(0, 6)));
        std::vector<double> y(x.size());
        for (size_t i = 0; i < x.size(); ++i) {
            x[i] = in.dValue();
            y[i] = in.dValue();
        }
        params.m_iNumCoord = static_cast<int>(x.size());
        params.m_pdCoordX = x.data();
        params.m_pdCoordY = y.data();
        doc.vSetCoordArray(&params);
        return;
    }
    params.m_iNumCoord = in.iInRange(-2, 8);
    doc.vGetCoordArray(&params);
    delete[] params.m_pdCoordX;  // the host's to free
    delete[] params.m_pdCoordY;
}

void vChangeSetting(CFuzzInput& in, CUVPhotometryData& doc) {
    switch (in.iPick(14)) {
        case 0:
            doc.vSetPathLength(in.dValue());
            break;
        case 1:
            doc.vSetPathLengthCorrect(in.iInRange(0, 2));
            break;
        case 2:
            doc.vSetPeakApex(in.bFlag() ? 450.0 + in.iInRange(-60, 60) : in.dValue());
            break;
        case 3:
            doc.vSetPeakRange(in.dValue());
            break;
        case 4:
            doc.vSetThreshold(in.dValue());
            break;
        case 5:
            doc.vSetSensitivity(in.iInRange(-2, 40));
            break;
        case 6:
            doc.vSetIntegMethod(in.iInRange(-1, 3));
            break;
        case 7:
            doc.vSetDerivWindow(in.iInRange(-2, 30));
            break;
        case 8:
            doc.vSetDerivOrder(in.iInRange(-2, 6));
            break;
        case 9:
            doc.vSetDerivSmoothOrder(in.iInRange(-2, 8));
            break;
        case 10:
            doc.vSetQuantType(in.iInRange(-1, 5));
            break;
        case 11:
            doc.vSetConcPrecision(in.iInRange(-2, kMaxDecimals));
            break;
        case 12:
            doc.vSetPhotomDiffWL(in.dValue());
            break;
        case 13:
            doc.vSetBlkData(in.dValue());
            break;
        default:
            doc.vSetStatisticsNum(in.iInRange(-1, 4));
            break;
    }
}

void vChangeSample(CFuzzInput& in, CUVPhotometryData& doc) {
    const int S = doc.iGetNumSamp();
    switch (in.iPick(9)) {
        case 0:
            doc.vSetSampleNo(in.iIndex(S), in.iInRange(-2, 5));
            break;
        case 1:
            doc.vSetWeight(in.iIndex(S), in.dValue());
            break;
        case 2:
            doc.vSetDilution(in.iIndex(S), in.dValue());
            break;
        case 3:
            doc.vSetSampName(in.Text(), in.iListIndex(S));
            break;
        case 4:
            doc.vInsertSampName(in.Text(), in.iListIndex(S));
            break;
        case 5:
            doc.vSetComment(in.Text(), in.iListIndex(S));
            break;
        case 6:
            doc.vSetUnkSampName(in.Text(), in.iListIndex(S));
            break;
        case 7:
            doc.vInsertUnkSampName(in.Text(), in.iListIndex(S));
            break;
        case 8:
            doc.vSetDateTime(in.Text(), in.iListIndex(S), in.iListIndex(doc.iGetNumRep()));
            break;
        default: {
            const int iPoint = in.iIndex(S * std::max(doc.iGetNumRep(), 1));
            doc.vSetMeasured(iPoint, in.iInRange(-1, 2));
            doc.vSetManualStd(iPoint, in.iInRange(0, 1));
            break;
        }
    }
}

void vReadBack(CFuzzInput& in, CUVPhotometryData& doc) {
    volatile double sink = 0.0;
    int iFound = 0;
    sink = sink + doc.GetPointFromX(in.dValue(), &iFound).y;
    sink = sink + doc.GetYRangeFromData().x;
    sink = sink + doc.dGetIncMin();
    sink = sink +
           static_cast<double>(doc.sGetMeasType().size() + doc.sGetPathLengthCorrect().size() +
                               doc.GetInstModelForSelectType().size() + doc.GetConcUnit().size());
    sink = sink + doc.bHasOptionParam(in.iInRange(-1, 4)) + doc.bHasTemperature(in.iInRange(-1, 4));
    sink = sink + doc.bIsPathLengthCorrect() + doc.bIsDspPathLength();
}

void vCallDocument(CFuzzInput& in, CUVPhotometryData& doc) {
    const int S = doc.iGetNumSamp();
    const int R = doc.iGetNumRep();
    const int W = doc.iGetNumActWave();
    const int P = S * std::max(R, std::max(doc.iGetNumCoord(), 1));
    switch (in.iPick(27)) {
        case 0:
            doc.bSetEmpty(in.iCount(kMaxSamples), in.iCount(kMaxReplicates),
                          in.iCount(kMaxSpectrumPoints), in.iCount(kMaxWaves));
            break;
        case 1:
            doc.bSetEmpty(in.iCount(kMaxWaves), in.iCount(kMaxWaves));
            break;
        case 2:
            if (S < 2 * kMaxSamples) {
                doc.vAddSample(in.iInRange(0, 1));
            }
            break;
        case 3:
            doc.vDelSample();
            break;
        case 4: {
            CUVMethod method;
            vFillMethod(in, method);
            doc.vSetEmpty(in.bFlag() ? &method : nullptr, in.iCount(kMaxSamples));
            break;
        }
        case 5:
        case 6: {
            const std::vector<CDoublePt> readings = in.Readings(2 * W + 2);
            // A count never above the readings handed over: a host cannot lie about its array.
            const int n = static_cast<int>(readings.size());
            doc.iAddValues(in.bFlag() && readings.empty() ? nullptr : readings.data(),
                           in.bFlag() ? n : in.iInRange(-2, n));
            break;
        }
        case 7: {
            const std::vector<CDoublePt> readings = in.Readings(W + 2);
            doc.iSetValues(readings.data(), static_cast<int>(readings.size()), in.iIndex(P));
            break;
        }
        case 8: {
            const std::vector<CDoublePt> readings = in.Readings(W + 2);
            doc.iAddXYValues(readings.data(), static_cast<int>(readings.size()));
            break;
        }
        case 9: {
            const CDoublePt typed(0.0, in.dValue());
            doc.iMChangeValues(&typed, in.iIndex(P));
            break;
        }
        case 10:
            doc.vSkipData();
            break;
        case 11:
            doc.vRepeatData();
            break;
        case 12:
            doc.bDeleteData(in.iIndex(S), in.iIndex(R));
            break;
        case 13:
            doc.vSetRemeasureMode(in.iIndex(S), in.iIndex(R), in.iInRange(-1, 2));
            break;
        case 14: {
            CUVWaveData spectrum = Spectrum(in);
            doc.iAddPeakValues(in.iPick(7) == 0 ? nullptr : &spectrum);
            break;
        }
        case 15: {
            CUVWaveData spectrum = Spectrum(in);
            doc.iSetPeakValues(&spectrum, in.iIndex(P));
            break;
        }
        case 16:
            doc.vCalculatePeakValues();
            break;
        case 17:
            doc.vCalculateDerivValues();
            break;
        case 18:
            doc.vChangeConcVal(in.dValue(), in.iIndex(S));
            break;
        case 19:
            doc.iSetYMode(in.iInRange(-1, 7));
            break;
        case 20:
            vChangeSetting(in, doc);
            break;
        case 21:
            doc.vSetInstParam(in.iPick(5) == 0 ? nullptr : pNewInstrument(in));
            break;
        case 22:
            vChangeSample(in, doc);
            break;
        case 23:
            vCopyCalibrationFrom(in, doc);
            break;
        case 24:
            vExchangeCoordinates(in, doc);
            break;
        case 25: {
            CUVMethod method;
            vFillMethod(in, method);
            CUVInstrument instrument;
            instrument.m_iInstType = in.iInRange(0, 3);
            doc.bInstrParamReflect(&method, in.bFlag() ? &instrument : nullptr);
            break;
        }
        case 26:
            vReadBack(in, doc);
            break;
        default:
            doc.vSetRangesFromData();
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Calls of the standards document

std::string sReportPath(bool bWritable) {
    static const std::string kPath =
        (std::filesystem::temp_directory_path() /
         ("photoquant-fuzz-" + std::to_string(static_cast<long>(getpid())) + ".txt"))
            .string();
    return bWritable ? kPath : "/nonexistent-folder/calibration.txt";
}

void vEvaluateCurve(CFuzzInput& in, const CCalibList& list) {
    volatile double sink = 0.0;
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        const CCalibSegment* pSegment = list.GetAt(i);
        sink = sink + pSegment->dEvaluateX(in.dValue()) + pSegment->dEvaluateY(in.dValue()) +
               pSegment->dCalcConc0Data();
    }
}

void vCallStandards(CFuzzInput& in, CStandards& standards) {
    volatile double sink = 0.0;
    switch (in.iPick(5)) {
        case 0:
        case 1:
            standards.vSetCalibType(in.iInRange(-1, 5));
            standards.vSetForceZero(in.iInRange(0, 2));
            standards.vSetCalibOpt(in.iInRange(-1, 2));
            standards.vCalibrate();
            break;
        case 2:
            standards.vClearCalibration();
            break;
        case 3:
            sink = sink + static_cast<double>(standards.GetCalibrationData().size());
            sink = sink + standards.bGetCalibrationData(sReportPath(in.iPick(3) != 0));
            break;
        case 4:
            vEvaluateCurve(in, *standards.pGetCalibList());
            break;
        default:
            for (int s = -1; s <= standards.iGetNumSamp(); ++s) {
                sink = sink + standards.dGetPredictedConc(s) + standards.dGetDiff(s) +
                       standards.dGetRelDiff(s) + standards.dGetTStat(s);
            }
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Calls of the unknowns document

void vSetManualCalibration(CFuzzInput& in, CUnknowns& unknowns) {
    unknowns.vSetManualCalib(in.iInRange(0, 2));
    unknowns.vSetManualCalibOrder(in.iInRange(-1, 4));
    for (int i = 0; i < 4; ++i) {
        unknowns.vSetCoeff(in.iInRange(-1, 4), in.dValue());
    }
    CCalibSegment& segment = *unknowns.pGetCalibSeg();
    segment.m_iDirection = in.iInRange(-1, 2);
    if (in.bFlag()) {
        segment.m_dXMin = in.dValue();
        segment.m_dXMax = in.dValue();
        segment.m_dYMin = in.dValue();
        segment.m_dYMax = in.dValue();
    }
}

void vSetCorrections(CFuzzInput& in, CUnknowns& unknowns) {
    const int S = unknowns.iGetNumSamp();
    switch (in.iPick(6)) {
        case 0:
            unknowns.vSetWeightSetting(in.iIndex(S), in.dValue());
            break;
        case 1:
            unknowns.vSetSolvent(in.iIndex(S), in.dValue());
            break;
        case 2:
            unknowns.vSetDilutionRatio(in.iIndex(S), in.dValue());
            break;
        case 3:
            unknowns.vSetRevisionCoef(in.iIndex(S), in.dValue());
            break;
        case 4:
            unknowns.vSetConcRevision(in.iInRange(0, 2));
            break;
        case 5:
            unknowns.vSetEmptyConcCorrectInfo(in.iCount(2 * kMaxSamples));
            break;
        default:
            unknowns.vInSertConcCorrectInfo(in.iIndex(S));
            break;
    }
}

void vCalculateConcentrations(CFuzzInput& in, CUnknowns& unknowns, CStandards& standards) {
    const int S = unknowns.iGetNumSamp();
    const int R = unknowns.iGetNumRep();
    const CCalibList* pList = in.iPick(5) == 0 ? nullptr : standards.pGetCalibList();
    switch (in.iPick(5)) {
        case 0:
            unknowns.vCalcConc(in.iIndex(S), in.iIndex(R), pList);
            break;
        case 1:
            unknowns.vCalcConc(pList);
            break;
        case 2:
            unknowns.vCalcConc(in.iIndex(S), in.iIndex(R));
            break;
        case 3:
            unknowns.vCalcConc();
            break;
        case 4: {
            const CCalibList& list = *standards.pGetCalibList();
            const CCalibSegment* pSegment =
                list.IsEmpty() || in.bFlag() ? unknowns.pGetCalibSeg() : list.GetAt(0);
            unknowns.vCalcConcBlk(in.iIndex(S * std::max(R, 1)), in.bFlag() ? pSegment : nullptr);
            break;
        }
        default: {
            volatile double sink = unknowns.dCorrectConcBlk(in.iIndex(S * std::max(R, 1)));
            (void)sink;
            break;
        }
    }
}

void vCalculateStatistics(CFuzzInput& in, CUnknowns& unknowns) {
    const int S = unknowns.iGetNumSamp();
    volatile double sink = 0.0;
    switch (in.iPick(5)) {
        case 0:
            unknowns.vCalcRatio(in.iIndex(S), in.iIndex(unknowns.iGetNumRep()));
            break;
        case 1:
            unknowns.vCalcRatio();
            break;
        case 2:
            unknowns.vCalcStatistics();
            break;
        case 3:
            unknowns.vCalcStatisticsRatio();
            break;
        case 4:
            unknowns.vMoveSDData(in.iIndex(S));
            break;
        default:
            sink = sink + CUVUnknownData::dCalcCV(in.dValue(), in.dValue()) +
                   unknowns.dGetRatio(in.iIndex(S), in.iIndex(unknowns.iGetNumRep()));
            break;
    }
}

// The distribution accessors are the one place where an index outside the entries throws.
double dDistributionEntry(const CUnknowns& unknowns, int iSamp, int iWave) {
    try {
        return unknowns.dGetAverage(iSamp, iWave) + unknowns.dGetMax(iSamp, iWave) +
               unknowns.dGetMin(iSamp, iWave) + unknowns.dGetRange(iSamp, iWave) +
               unknowns.dGetSigma(iSamp, iWave) + unknowns.dGetAllSamplAverage(iWave) +
               unknowns.dGetAllSamplMax(iWave) + unknowns.dGetAllSamplMin(iWave) +
               unknowns.dGetAllSamplRange(iWave) + unknowns.dGetAllSamplSigma(iWave);
    } catch (const std::out_of_range&) {
        return 0.0;
    }
}

void vDistribute(CFuzzInput& in, CUnknowns& unknowns) {
    switch (in.iPick(3)) {
        case 0:
            unknowns.vInitDistribution();
            break;
        case 1:
            unknowns.vCalculateDistribution();
            break;
        case 2:
            CXYStageParam::vSetCalcSampunit(in.iInRange(-1, 3));
            break;
        default: {
            volatile double sink = dDistributionEntry(unknowns, in.iIndex(unknowns.iGetNumSamp()),
                                                      in.iIndex(unknowns.iGetNumMethodWave()));
            (void)sink;
            break;
        }
    }
}

void vWriteUnknownsTexts(CFuzzInput& in, CUnknowns& unknowns) {
    volatile size_t sink = unknowns.GetCalibrationData().size() + unknowns.GetInstData().size();
    const int iSamp = in.iIndex(unknowns.iGetNumSamp());
    sink = sink + unknowns.sGetUnkSampNoName(iSamp).size() + unknowns.sGetUnkSampName(iSamp).size();
    if (in.iPick(3) == 0) {
        unknowns.vGetCalibrationData(sReportPath(in.bFlag()));
    }
}

void vCallUnknowns(CFuzzInput& in, CUnknowns& unknowns, CStandards& standards) {
    switch (in.iPick(8)) {
        case 0:
            unknowns.vSetResultType(in.iInRange(-1, 3));
            unknowns.vSetRatioOperand(in.iInRange(-1, 3));
            unknowns.vSetKFactor(in.iInRange(-1, 3), in.dValue());
            break;
        case 1:
            vSetManualCalibration(in, unknowns);
            break;
        case 2:
            if (in.bFlag()) {
                unknowns.vSetConc0Data(in.bFlag() ? standards.dGetBlkData() : in.dValue());
            } else {
                unknowns.vCalcConc0Data();
            }
            break;
        case 3:
            vSetCorrections(in, unknowns);
            break;
        case 4:
        case 5:
            vCalculateConcentrations(in, unknowns, standards);
            break;
        case 6:
            vCalculateStatistics(in, unknowns);
            break;
        case 7:
            vDistribute(in, unknowns);
            break;
        default:
            vWriteUnknownsTexts(in, unknowns);
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// The list views, attached as a host attaches them

struct CViews {
    CFrameWnd frame;
    CUVStandardList standardList;
    CStandardCalibList standardCalibList;
    CUVUnknownList unknownList;
    CUnknownCalibList unknownCalibList;

    CViews(CUVStandardData& standards, CUVUnknownData& unknowns) {
        frame.Create("", "fuzz", WS_POPUP, CRect(0, 0, 800, 1600), nullptr, 0);
        CPhotometryListView* lists[] = {&standardList, &standardCalibList, &unknownList,
                                        &unknownCalibList};
        for (int i = 0; i < 4; ++i) {
            lists[i]->Create("", "", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                             CRect(0, i * 400, 800, (i + 1) * 400), &frame,
                             static_cast<UINT>(i + 1));
        }
        standards.AddView(&standardList);
        standards.AddView(&standardCalibList);
        unknowns.AddView(&unknownList);
        unknowns.AddView(&unknownCalibList);
        for (CPhotometryListView* list : lists) {
            list->OnInitialUpdate();
        }
    }
};

CGLPResult* pNewValidationResult(CFuzzInput& in) {
    switch (in.iPick(3)) {
        case 0:
            return new CGLPResult;
        case 1: {
            auto* result = new CPhotAccuracyResult;
            result->vSetTitles(
                std::vector<std::string>(static_cast<size_t>(in.iInRange(0, 8)), "Abs"));
            return result;
        }
        case 2:
            return new CPhotReproducibilityResult;
        default:
            return new CPhotAccuracyJPResult;
    }
}

void vRefreshViews(CFuzzInput& in, CViews& views, CStandards& standards, CUnknowns& unknowns) {
    const int S = unknowns.iGetNumSamp();
    const int R = unknowns.iGetNumRep();
    switch (in.iPick(9)) {
        case 0:
            standards.UpdateAllViews(nullptr);
            break;
        case 1:
            unknowns.UpdateAllViews(nullptr);
            break;
        case 2:
            views.standardList.vUpdateDisplay(in.iIndex(standards.iGetNumSamp()),
                                              in.iIndex(standards.iGetNumRep()));
            break;
        case 3:
            views.unknownList.vUpdateDisplay(in.iIndex(S), in.iIndex(R), in.iInRange(0, 1),
                                             in.iIndex(S));
            break;
        case 4:
            views.unknownList.vUpdateXYDisplay(in.iIndex(S), in.iIndex(unknowns.iGetNumCoord()));
            break;
        case 5:
            views.unknownList.vUpdateGLPDisplay(in.iIndex(S), in.iIndex(R),
                                                in.iIndex(unknowns.iGetNumMethodWave()));
            break;
        case 6:
            views.unknownList.vUpdateGLPResult();
            break;
        case 7:
            views.unknownList.vSetMeasResult(in.iInRange(0, 2));
            views.unknownList.vSetXYStageControl(in.iInRange(0, 2));
            break;
        case 8:
            unknowns.vSetGLPResult(in.iPick(3) == 0 ? nullptr : pNewValidationResult(in));
            break;
        default: {
            // A document with its views detached and attached again.
            standards.RemoveView(&views.standardList);
            standards.AddView(&views.standardList);
            views.standardList.OnInitialUpdate();
            break;
        }
    }
}

// The module's process-wide settings, as a host starts with them.
void vResetProcessSettings() {
    CXYStageParam::vSetCalcSampunit(0);
    CDataDisplayOptions::vSetCurrent(CDataDisplayOptions());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The derivative warning would otherwise write to standard error on every short spectrum.
    AfxSetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vResetProcessSettings();
    CFuzzInput in(data, size);
    std::unique_ptr<CStandards> standards = MakeStandards(in);
    std::unique_ptr<CUnknowns> unknowns = MakeUnknowns(in);
    CViews views(*standards, *unknowns);
    standards->vCheckInvariants();
    unknowns->vCheckInvariants();

    for (int call = 0; call < kMaxCalls && in.bHasMore(); ++call) {
        switch (in.iPick(4)) {
            case 0:
                vCallDocument(in, *standards);
                break;
            case 1:
                vCallDocument(in, *unknowns);
                break;
            case 2:
                vCallStandards(in, *standards);
                break;
            case 3:
                vCallUnknowns(in, *unknowns, *standards);
                break;
            default:
                vRefreshViews(in, views, *standards, *unknowns);
                break;
        }
        standards->vCheckInvariants();
        unknowns->vCheckInvariants();
    }
    return 0;
}
