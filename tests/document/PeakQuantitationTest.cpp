#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "contracts/framework/MessageBox.h"
#include "contracts/scankit/UVWaveData.h"
#include "document/UVPhotometryData.h"

namespace {

// One band: apex at index 3 between valleys at 2 and 4, so the peak runs from index 2 to 4.
const std::vector<double> kOnePeak = {0.5, 0.3, 0.1, 0.6, 0.2, 0.4, 0.5};
constexpr int kPeakArea = 1;
constexpr int kPeakHeight = 2;
constexpr int kDerivative = 3;

// The scan the instrument parameters describe: spectra run down from the start wavelength.
CUVInstrParameters* pScan(double dStartWL, double dInterval) {
    auto* pInst = new CUVInstrParameters;
    pInst->m_dStartWL = dStartWL;
    pInst->m_dDataInterval = dInterval;
    return pInst;
}

// A document reopened from its stored spectra, every point measured, sample concentration 2. The
// readings are stored as transmittances: 10^-A for each absorbance A of the spectrum.
std::unique_ptr<CUVPhotometryData> pStoredDocument(int iQuantType, int iNumRep,
                                                   const std::vector<double>& spectrum,
                                                   double dStartWL, double dInterval) {
    const int W = static_cast<int>(spectrum.size());
    auto* pdRaw = new double[static_cast<size_t>(W * iNumRep)];
    for (int i = 0; i < W * iNumRep; ++i) {
        pdRaw[i] = std::pow(10.0, -spectrum[static_cast<size_t>(i % W)]);
    }
    auto* pbMeasured = new int[static_cast<size_t>(iNumRep)];
    std::fill_n(pbMeasured, iNumRep, 1);
    auto doc = std::make_unique<CUVPhotometryData>(iQuantType, 1, iNumRep, W, 1, pdRaw, nullptr,
                                                   pbMeasured, new double[1]{2.0}, nullptr, nullptr,
                                                   nullptr);
    doc->vSetInstParam(pScan(dStartWL, dInterval));
    return doc;
}

// Zeros with one spike of 0.429 at index 6.
std::vector<double> Spike(int n) {
    std::vector<double> y(static_cast<size_t>(n), 0.0);
    y[6] = 0.429;
    return y;
}

}  // namespace

// Every message the document shows is recorded; the default handler is back after each test.
class PeakQuantitation : public ::testing::Test {
protected:
    void SetUp() override {
        AfxSetMessageBoxHandler([this](const std::string& text, UINT type) {
            m_messages.emplace_back(text, type);
            return IDOK;
        });
    }
    void TearDown() override { AfxSetMessageBoxHandler({}); }

    std::vector<std::pair<std::string, UINT>> m_messages;
};

TEST_F(PeakQuantitation, ApexOnTheWindowEndIsTakenAndOneThousandthOfANanometreBeyondIsNot) {
    CUVPhotometryData doc(kPeakHeight, 1, 4, 7, 1);
    doc.vSetInstParam(pScan(454.0, 1.0));
    // apex index 3 lies at start - 3: 451 = 450 + 1 taken, 451.001 not; 449 taken, 448.999 not
    const std::pair<double, double> cases[] = {
        {454.0, 0.6}, {454.001, 0.0}, {452.0, 0.6}, {451.999, 0.0}};
    for (int p = 0; p < 4; ++p) {
        CUVWaveData spectrum(cases[p].first, 1.0, kOnePeak.data(), 7);
        EXPECT_EQ(doc.iAddPeakValues(&spectrum), 1);
        EXPECT_EQ(doc.GetValue(p).y, cases[p].second) << cases[p].first;
    }
    // Recalculated from the stored readings the apex lies at start - 3 * interval as well.
    auto stored = pStoredDocument(kPeakHeight, 1, kOnePeak, 457.0, 2.0);  // 457 - 3 * 2 = 451
    stored->vCalculatePeakValues();
    EXPECT_DOUBLE_EQ(stored->GetValue(0).y, 0.6);
    stored->pGetInstParam()->m_dStartWL = 457.001;
    stored->vCalculatePeakValues();
    EXPECT_EQ(stored->GetValue(0).y, 0.0);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PeakQuantitation, FirstPeakInListOrderIsTakenWhenTwoLieInTheWindow) {
    const double twoPeaks[] = {0.1, 0.2, 0.3, 0.1, 0.5, 0.2, 0.1};
    CUVPhotometryData doc(kPeakHeight, 1, 1, 7, 1);
    doc.vSetInstParam(pScan(451.5, 0.5));
    CUVWaveData spectrum(451.5, 0.5, twoPeaks, 7);
    doc.iAddPeakValues(&spectrum);
    EXPECT_EQ(doc.GetValue(0).y, 0.3);  // apexes at 450.5 (0.3) and 449.5 (0.5): the first wins
}

TEST_F(PeakQuantitation, StoredSpectraAreReducedByTheIntegrationMethod) {
    auto doc = pStoredDocument(kPeakArea, 1, kOnePeak, 456.0, 2.0);  // apex at 456 - 3 * 2 = 450
    const std::pair<int, double> cases[] = {
        {0, 1.8},  // rectangles: (0.1 + 0.6 + 0.2) * 2
        {1, 1.5},  // trapezoid: (0.1/2 + 0.6 + 0.2/2) * 2
        {2, 1.9},  // long-standing Romberg: T2 = (0.1/2 + 0.2/2) * 2 = 0.3; (1.5 - 0.3)/3 + 1.5
    };
    for (const auto& [iMethod, dArea] : cases) {
        doc->vSetIntegMethod(iMethod);
        doc->vCalculatePeakValues();
        EXPECT_DOUBLE_EQ(doc->GetValue(0).y, dArea) << iMethod;
        EXPECT_EQ(doc->GetValue(0).x, 2.0);
    }
    doc->vSetQuantType(kPeakHeight);
    doc->vCalculatePeakValues();
    EXPECT_DOUBLE_EQ(doc->GetValue(0).y, 0.6);
    // Path length 5 mm doubles every absorbance: height 0.6 * 10 / 5
    doc->vSetPathLength(5.0);
    doc->vCalculatePeakValues();
    EXPECT_DOUBLE_EQ(doc->GetValue(0).y, 1.2);
}

TEST_F(PeakQuantitation, DerivativeWindowIsCutToHalfTheSpectrumLessOne) {
    // Window 7 becomes n/2 - 1 = 5 for 12 and 13 points. The 2nd derivative over 11 points has the
    // centre weight -10/429: |-10/429 * 0.429| = 0.01 (13 points uncut, -14/1001, would give
    // 0.006).
    for (const int n : {12, 13}) {
        const std::vector<double> spike = Spike(n);
        CUVPhotometryData doc(kDerivative, 1, 1, n, 1);
        doc.vSetInstParam(pScan(456.0, 1.0));  // derivative wavelength 450 is index 6
        CUVWaveData spectrum(456.0, 1.0, spike.data(), n);
        doc.iAddPeakValues(&spectrum);
        EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.01) << n;

        auto stored = pStoredDocument(kDerivative, 1, spike, 456.0, 1.0);
        stored->vCalculateDerivValues();
        EXPECT_DOUBLE_EQ(stored->GetValue(0).y, 0.01) << n;
        // A derivative wavelength off the scan, before its start or past its end, gives 0.
        for (const double dWL : {470.0, 440.0}) {
            stored->vSetPhotomDiffWL(dWL);  // index -14, or 16 past the last point
            stored->vCalculateDerivValues();
            EXPECT_EQ(stored->GetValue(0).y, 0.0) << dWL;
        }
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PeakQuantitation, TooFewPointsForADerivativeWarnOnIntakeOnly) {
    const std::vector<double> spike = Spike(11);  // 11 / 2 - 1 = 4 is below 5
    CUVPhotometryData doc(kDerivative, 1, 1, 11, 1);
    doc.vSetInstParam(pScan(456.0, 1.0));
    CUVWaveData spectrum(456.0, 1.0, spike.data(), 11);
    EXPECT_EQ(doc.iAddPeakValues(&spectrum), 1);
    EXPECT_EQ(doc.GetValue(0).y, 0.0);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first,
              "This spectrum contains too few data points to calculate the derivative.");
    EXPECT_EQ(m_messages[0].second, MB_OK | MB_ICONEXCLAMATION);

    auto stored = pStoredDocument(kDerivative, 1, spike, 456.0, 1.0);
    stored->vCalculateDerivValues();
    EXPECT_EQ(stored->GetValue(0).y, 0.0);
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(PeakQuantitation, TypedValueSurvivesBothRecalculations) {
    auto doc = pStoredDocument(kPeakArea, 2, kOnePeak, 456.0, 2.0);
    const CDoublePt typed(0.0, 0.75);
    EXPECT_EQ(doc->iMChangeValues(&typed, 1), 1);
    doc->vCalculatePeakValues();
    EXPECT_DOUBLE_EQ(doc->GetValue(0).y, 1.8);  // (0.1 + 0.6 + 0.2) * 2
    EXPECT_EQ(doc->GetValue(1).y, 0.75);
    doc->vSetQuantType(kDerivative);
    doc->vCalculateDerivValues();
    EXPECT_EQ(doc->GetValue(0).y, 0.0);  // 7 points are too few, and the recalculation is silent
    EXPECT_EQ(doc->GetValue(1).y, 0.75);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PeakQuantitation, SpectrumIsCutToItsPointAndToTheSpaceLeft) {
    CUVPhotometryData doc(kPeakHeight, 1, 2, 7, 1);
    doc.vSetInstParam(pScan(454.0, 1.0));
    std::vector<double> longer = kOnePeak;
    longer.insert(longer.end(), {0.55, 0.58});
    CUVWaveData nine(454.0, 1.0, longer.data(), 9);
    EXPECT_EQ(doc.iAddPeakValues(&nine), 1);
    const double* pdRaw = doc.pdGetRawData();
    EXPECT_EQ(pdRaw[6], 0.5);
    EXPECT_EQ(pdRaw[7], 0.0);  // the next point's readings stay its own
    EXPECT_EQ(doc.GetValue(0).y, 0.6);

    const double second[] = {0.4, 0.3, 0.1, 0.5, 0.2, 0.3, 0.4};
    CUVWaveData seven(454.0, 1.0, second, 7);
    EXPECT_EQ(doc.iAddPeakValues(&seven), 1);
    EXPECT_EQ(pdRaw[7], 0.4);
    EXPECT_EQ(pdRaw[13], 0.4);
    EXPECT_EQ(doc.GetValue(1).y, 0.5);

    EXPECT_EQ(doc.iAddPeakValues(&seven), 0);  // no space left: nothing stored or appended
    EXPECT_EQ(doc.iGetNumPts(), 2);
    EXPECT_EQ(doc.iSetPeakValues(&nine, 1), 1);  // replacing point 1 also stops at its end
    EXPECT_EQ(pdRaw[13], 0.5);
    EXPECT_EQ(doc.GetValue(1).y, 0.6);

    // A shorter spectrum still takes its whole point: the next one starts at raw index 7.
    CUVPhotometryData shortFirst(kPeakHeight, 1, 2, 7, 1);
    shortFirst.vSetInstParam(pScan(454.0, 1.0));
    CUVWaveData five(454.0, 1.0, second, 5);
    EXPECT_EQ(shortFirst.iAddPeakValues(&five), 1);
    EXPECT_EQ(shortFirst.pdGetRawData()[5], 0.0);
    EXPECT_EQ(shortFirst.iAddPeakValues(&seven), 1);
    EXPECT_EQ(shortFirst.pdGetRawData()[7], 0.4);
    EXPECT_EQ(shortFirst.bGetMeasured(1), 1);
}

TEST_F(PeakQuantitation, DerivativeOrderAboveTheSmoothingOrderGivesZeroAtOnce) {
    const std::vector<double> spike = Spike(64);
    auto stored = pStoredDocument(kDerivative, 1, spike, 456.0, 1.0);
    stored->vSetDerivOrder(INT_MAX);  // a multiplication per order and weight would take minutes
    stored->vCalculateDerivValues();
    EXPECT_EQ(stored->GetValue(0).y, 0.0);
    CUVPhotometryData doc(kDerivative, 1, 1, 64, 1);
    doc.vSetInstParam(pScan(456.0, 1.0));
    doc.vSetDerivOrder(INT_MAX);
    CUVWaveData spectrum(456.0, 1.0, spike.data(), 64);
    doc.iAddPeakValues(&spectrum);
    EXPECT_EQ(doc.GetValue(0).y, 0.0);
}
