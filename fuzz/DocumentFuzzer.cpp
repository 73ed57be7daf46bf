// Fuzz target: a host gone wild. The fuzzer's bytes become a standards and an unknowns document,
// dimensioned with small counts and now and then extreme ones, and then a sequence of the host's
// public calls on them: re-dimensioning, intake of any readings and spectra, skips, repeats,
// deletes, remeasures, typed values, calibration of every type and direction, concentrations,
// ratios, statistics, distribution, the report texts, and the refresh of the four list views
// attached to the documents, whole or row by row; settings and list indices at the ends of the int
// range among them. After every call the documents must still hold together:
//   - the counts stay within the documents' ceilings (document/DocumentLimits.h);
//   - the reading cursor lies within the raw capacity, which lies within the raw storage;
//   - the point count lies within the point capacity, which lies within the point arrays;
//   - the per-sample arrays cover every sample;
//   - every accessor answers for every index in and around the dimensions (the standard library's
//     assertions and AddressSanitizer stop the run on any access outside an array).
// Only the distribution accessors may throw, std::out_of_range, as the framework's arrays do.
//
// Each input runs under a budget. Memory: counts the documents would take but that pass
// kMaxPoints points or kMaxReadings readings are not handed over (counts past the documents'
// ceilings are: the documents must refuse them without allocating). Time: every call costs the
// points of both documents (a calibration a thousand per standard as well, the curve being sampled
// at 1,000 steps a segment), and the input ends when kWorkBudget is spent. libFuzzer's -timeout and
// -rss_limit_mb (scripts/fuzz) catch what passes the budget anyway.
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
constexpr int kMaxDecimals = 20;  // the common settings; iSetting adds extreme ones

// The memory budget of one document, and the work budget of one input (in points swept).
constexpr long long kMaxPoints = 1 << 17;
constexpr long long kMaxReadings = 1 << 21;
constexpr long long kWorkBudget = 1 << 21;
long long g_iWorkLeft = 0;

// Whether counts go to the documents: those past the ceilings always (they must be refused), the
// others when they stay within the memory budget.
bool bHandOver(long long S, long long R, long long Q, long long W) {
    if (!photoquant::detail::bDocumentFits(S, R, Q, W)) {
        return true;
    }
    const long long iPoints = S * std::max({R, Q, 1LL});
    return iPoints <= kMaxPoints && iPoints * W <= kMaxReadings;
}

// Spends work on a call; false when the input's budget cannot pay for it.
bool bSpend(long long iWork) {
    if (iWork > g_iWorkLeft) {
        return false;
    }
    g_iWorkLeft -= iWork;
    return true;
}

// The readings one intake call hands over: up to the count asked, at most kMaxCallReadings.
constexpr long long kMaxCallReadings = 1 << 12;
int iCallReadings(long long n) {
    return static_cast<int>(std::min(n, kMaxCallReadings));
}

// Reducing every stored spectrum again: each reading is smoothed over the derivative window.
long long iSpectraWork(const CUVPhotometryData& doc) {
    const long long W = doc.iGetNumActWave();
    const long long iHalfWindow = std::clamp<long long>(doc.iGetDerivWindow(), 0, W / 2);
    return static_cast<long long>(doc.iGetNumSamp()) * doc.iGetNumRep() * W * (1 + iHalfWindow);
}

// The indices around [0, n) an accessor is read at: every one for a small n, else the edges and
// the middle.
std::vector<int> Probes(int n) {
    if (n <= 64) {
        std::vector<int> all;
        for (int i = -1; i <= n; ++i) {
            all.push_back(i);
        }
        return all;
    }
    return {-1, 0, 1, n / 2, n - 2, n - 1, n};
}

// Reaches the document's own state to check it; adds nothing else.
template <class Document>
class CProbed : public Document {
public:
    using Document::Document;

    void vCheckInvariants() const {
        FUZZ_REQUIRE(photoquant::detail::bDocumentFits(this->m_iNumSamp, this->m_iNumRep,
                                                       this->m_iNumCoord, this->m_iNumActWave));
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
        for (const int s : Probes(S)) {
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
            for (const int c : Probes(Q)) {
                sink = sink + doc.dGetAbsXY(s, c, 0);
            }
        }
        for (const int p : Probes(this->iPointSlots())) {
            sink = sink + doc.bGetMeasured(p) + doc.bGetManualStd(p);
        }
        for (const int i : Probes(doc.iGetNumPts())) {
            sink = sink + doc.GetValue(i).y;
        }
        for (int i = -1; i <= 6; ++i) {
            sink = sink + doc.dGetWavelength(i);
        }
        for (const int c : Probes(Q)) {
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

// The counts of a constructor. Q is 0 for the layouts without stage positions; W is what the
// document makes of it. Counts within the ceilings but past the memory budget give no samples.
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

void vKeepWithinBudget(CCounts& c, int Q, int W) {
    if (!bHandOver(c.S, c.R, Q, W)) {
        c.S = 0;
    }
}

// The lengths of the arrays a host hands a constructor for S samples of P points of W readings:
// as the counts say when the document can take them, one entry each when it must refuse them
// (it then reads none).
struct CHostLengths {
    int iSamples;
    int iPoints;
    int iReadings;
};

CHostLengths HostLengths(int S, int R, int Q, int W) {
    if (!photoquant::detail::bDocumentFits(S, R, Q, W)) {
        return {1, 1, 1};
    }
    const int iPoints = S * (Q > 0 ? Q : R);
    return {S, iPoints, iPoints * W};
}

std::unique_ptr<CStandards> MakeStandards(CFuzzInput& in) {
    CCounts c = ReadCounts(in);
    if (in.bFlag()) {
        vKeepWithinBudget(c, 0, c.W);
        return std::make_unique<CStandards>(c.iQuantType, c.S, c.R, c.W, c.M);
    }
    // Complete stored data: the constructor's contract is S*R*W readings (W = M when W is 0).
    const int W = c.W > 0 ? c.W : std::clamp(c.M, 0, 6);
    vKeepWithinBudget(c, 0, W);
    const CHostLengths n = HostLengths(c.S, c.R, 0, W);
    auto value = [&in] { return in.dReading(); };
    auto flag = [&in] { return in.iInRange(-1, 2); };
    double* pdRaw = pHostArray<double>(in, n.iReadings, value);
    double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
    int* pbMeasured = pHostArray<int>(in, n.iPoints, flag);
    double* pdConc = pHostArray<double>(in, n.iSamples, value);
    int* pbManual = pHostArray<int>(in, n.iPoints, flag);
    double* pdManual = pHostArray<double>(in, n.iPoints, value);
    return std::make_unique<CStandards>(c.iQuantType, c.S, c.R, c.W, c.M, pdRaw, pdWave, pbMeasured,
                                        pdConc, pbManual, pdManual);
}

std::unique_ptr<CUnknowns> MakeUnknowns(CFuzzInput& in) {
    CCounts c = ReadCounts(in);
    const int form = in.iPick(2);
    if (form == 0) {
        vKeepWithinBudget(c, 0, c.W);
        return std::make_unique<CUnknowns>(c.iQuantType, c.S, c.R, c.W, c.M);
    }
    auto value = [&in] { return in.dReading(); };
    auto flag = [&in] { return in.iInRange(-1, 2); };
    auto sampleNo = [&in] { return in.iInRange(-2, 5); };
    if (form == 1) {
        const int W = c.W > 0 ? c.W : std::clamp(c.M, 0, 6);
        vKeepWithinBudget(c, 0, W);
        const CHostLengths n = HostLengths(c.S, c.R, 0, W);
        double* pdRaw = pHostArray<double>(in, n.iReadings, value);
        double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
        int* pbMeasured = pHostArray<int>(in, n.iPoints, flag);
        int* piSampleNo = pHostArray<int>(in, n.iSamples, sampleNo);
        return std::make_unique<CUnknowns>(c.iQuantType, c.S, c.R, c.W, c.M, pdRaw, pdWave,
                                           pbMeasured, piSampleNo);
    }
    // The XY-stage layout: Q positions per sample, S*Q*W readings (every array S*Q long, even
    // with Q = 0).
    const int Q = in.iCount(kMaxReplicates);
    vKeepWithinBudget(c, std::max(Q, 0), c.W);
    CHostLengths n = HostLengths(c.S, c.R, Q, c.W);
    if (Q <= 0 && photoquant::detail::bDocumentFits(c.S, c.R, Q, c.W)) {
        n.iPoints = n.iReadings = 0;
    }
    double* pdRaw = pHostArray<double>(in, n.iReadings, value);
    double* pdWave = pHostArray<double>(in, std::clamp(c.M, 0, 6), value);
    int* pbMeasured = pHostArray<int>(in, n.iPoints, flag);
    int* piSampleNo = pHostArray<int>(in, n.iSamples, sampleNo);
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
    quant.m_iConcDecimals = in.iSetting(-2, kMaxDecimals);
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
    inst.m_iPhotoDecimals = in.iSetting(-2, kMaxDecimals);
}

CUVInstrParameters* pNewInstrument(CFuzzInput& in) {
    auto* inst = new CUVInstrParameters;
    inst->m_dStartWL = in.bFlag() ? 500.0 : in.dValue();
    inst->m_dDataInterval = in.bFlag() ? 1.0 : in.dValue();
    inst->m_iPhotoDecimals = in.iSetting(-2, kMaxDecimals);
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
    // A consistent transfer object: arrays as long as its counts say, when the document can take
    // them; when it must refuse them it reads none, and the host hands none.
    CPhotParamsObj params;
    params.m_iQuantType = in.iInRange(-1, 5);
    params.m_iNumSamp = in.iCount(kMaxSamples);
    params.m_iNumRep = in.iCount(kMaxReplicates);
    params.m_iNumMethodWave = in.iCount(kMaxWaves);
    const long long S = params.m_iNumSamp;
    const long long R = params.m_iNumRep;
    const long long P = S > 0 && R > 0 ? S * R : 0;
    const long long W = in.iCount(kMaxWaves);
    params.m_iNumRawData = static_cast<int>(std::min<long long>(P * std::max(W, 0LL), INT_MAX));
    const long long iNumActWave = params.m_iNumRawData != 0 && P > 0
                                      ? params.m_iNumRawData / P
                                      : std::clamp(params.m_iNumMethodWave, 0, 6);
    const bool bTaken = S >= 0 && R >= 0 &&
                        photoquant::detail::bDocumentFits(S, R, doc.iGetNumCoord(), iNumActWave);
    if (bTaken && !bHandOver(S, R, doc.iGetNumCoord(), iNumActWave)) {
        return;
    }
    const auto samples = static_cast<size_t>(bTaken ? S : 0);
    const auto points = static_cast<size_t>(bTaken ? P : 0);
    std::vector<double> conc(samples);
    std::vector<int> measured(points);
    std::vector<int> manual(points);
    std::vector<double> manualValue(points);
    std::vector<double> raw(points * static_cast<size_t>(bTaken ? iNumActWave : 0));
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
    switch (in.iPick(18)) {
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
            doc.vSetSensitivity(in.iSetting(-2, 40));
            break;
        case 6:
            doc.vSetIntegMethod(in.iInRange(-1, 3));
            break;
        case 7:
            doc.vSetDerivWindow(in.iSetting(-2, 30));
            break;
        case 8:
            doc.vSetDerivOrder(in.iSetting(-2, 6));
            break;
        case 9:
            doc.vSetDerivSmoothOrder(in.iSetting(-2, 8));
            break;
        case 10:
            doc.vSetQuantType(in.iInRange(-1, 5));
            break;
        case 11:
            doc.vSetConcPrecision(in.iSetting(-2, kMaxDecimals));
            break;
        case 12:
            doc.vSetPhotomDiffWL(in.dValue());
            break;
        case 13:
            doc.vSetBlkData(in.dValue());
            break;
        case 14:
            doc.vSetAbsPrecision(in.iSetting(-2, kMaxDecimals));
            doc.vSetPctTPrecision(in.iSetting(-2, kMaxDecimals));
            break;
        case 15:
            doc.vSetXPrecision(in.iSetting(-2, kMaxDecimals));
            break;
        case 16:
            doc.vSetYPrecision(in.iSetting(-2, kMaxDecimals));
            break;
        case 17:
            doc.iSetYMode(in.iInRange(-1, 7));
            break;
        default:
            doc.vSetStatisticsNum(in.iSetting(-1, 4));
            break;
    }
}

// An index of a text list; one that would grow the list far pays for the entries it adds.
int iAffordableListIndex(CFuzzInput& in, int S) {
    const int i = in.iListIndex(S);
    return i <= S + 4 || bSpend(std::min(i, static_cast<int>(photoquant::kMaxListEntries))) ? i
                                                                                            : -1;
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
            doc.vSetSampName(in.Text(), iAffordableListIndex(in, S));
            break;
        case 4:
            doc.vInsertSampName(in.Text(), iAffordableListIndex(in, S));
            break;
        case 5:
            doc.vSetComment(in.Text(), iAffordableListIndex(in, S));
            break;
        case 6:
            doc.vSetUnkSampName(in.Text(), iAffordableListIndex(in, S));
            break;
        case 7:
            doc.vInsertUnkSampName(in.Text(), iAffordableListIndex(in, S));
            break;
        case 8: {
            const int iSamp = iAffordableListIndex(in, S);
            const int iRep = iAffordableListIndex(in, doc.iGetNumRep());
            doc.vSetDateTime(in.Text(), iSamp, iRep);
            break;
        }
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
        case 0: {
            const int iNumSamp = in.iCount(kMaxSamples);
            const int iNumRep = in.iCount(kMaxReplicates);
            const int iNumActWave = in.iCount(kMaxSpectrumPoints);
            const int iNumMethodWave = in.iCount(kMaxWaves);
            if (bHandOver(iNumSamp, iNumRep, 0, iNumActWave)) {
                doc.bSetEmpty(iNumSamp, iNumRep, iNumActWave, iNumMethodWave);
            }
            break;
        }
        case 1: {
            const int iNumActWave = in.iCount(kMaxWaves);
            doc.bSetEmpty(iNumActWave, in.iCount(kMaxWaves));
            break;
        }
        case 2:
            if (bHandOver(S + 1LL, R, doc.iGetNumCoord(), W)) {
                doc.vAddSample(in.iInRange(0, 1));
            }
            break;
        case 3:
            doc.vDelSample();
            break;
        case 4: {
            CUVMethod method;
            vFillMethod(in, method);
            const CMethodQuantParam& quant = *method.pGetQuantParam();
            const int iNumSamp = in.iCount(kMaxSamples);
            if (bHandOver(iNumSamp, quant.m_iNumRep, method.pGetXYStageParam()->iGetCoordNum(),
                          std::clamp(quant.m_iNumWave, 0, 6))) {
                doc.vSetEmpty(in.bFlag() ? &method : nullptr, iNumSamp);
            }
            break;
        }
        case 5:
        case 6: {
            const std::vector<CDoublePt> readings = in.Readings(iCallReadings(2LL * W + 2));
            // A count never above the readings handed over: a host cannot lie about its array.
            const int n = static_cast<int>(readings.size());
            doc.iAddValues(in.bFlag() && readings.empty() ? nullptr : readings.data(),
                           in.bFlag() ? n : in.iInRange(-2, n));
            break;
        }
        case 7: {
            const std::vector<CDoublePt> readings = in.Readings(iCallReadings(W + 2LL));
            doc.iSetValues(readings.data(), static_cast<int>(readings.size()), in.iIndex(P));
            break;
        }
        case 8: {
            const std::vector<CDoublePt> readings = in.Readings(iCallReadings(W + 2LL));
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
            if (bSpend(iSpectraWork(doc))) {
                doc.vCalculatePeakValues();
            }
            break;
        case 17:
            if (bSpend(iSpectraWork(doc))) {
                doc.vCalculateDerivValues();
            }
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
            if (bSpend(iSpectraWork(doc) + 1000LL * doc.iGetNumSamp())) {
                vCopyCalibrationFrom(in, doc);
            }
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
            // The curve is sampled at 1,000 steps a segment to widen the reading range.
            if (bSpend(1000LL * standards.iGetNumSamp())) {
                standards.vCalibrate();
            }
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
        case 5: {
            // Past the array ceiling the document must refuse it; below, only within the budget.
            const int n = in.iCount(2 * kMaxSamples);
            if (!photoquant::detail::bArrayFits(n, sizeof(double)) || n <= kMaxPoints) {
                unknowns.vSetEmptyConcCorrectInfo(n);
            }
            break;
        }
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

    g_iWorkLeft = kWorkBudget;
    for (int call = 0; call < kMaxCalls && in.bHasMore(); ++call) {
        if (!bSpend(1LL + standards->iGetMaxPts() + unknowns->iGetMaxPts() +
                    standards->iGetNumSamp() + unknowns->iGetNumSamp())) {
            break;
        }
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
