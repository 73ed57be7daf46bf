// Wavelength ratios of the unknowns, and the replicate and group statistics over concentrations or
// ratios.
#include <algorithm>
#include <cmath>

#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "unknowns/UVUnknownData.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {

constexpr double kNoSD = -1.0;  // SD entry of a sample that closes no group
// Above this sd/mean the CV in percent would overflow.
constexpr double kMaxCVRatio = kNoValue / 100.0;

// Absorbance of a raw transmittance, without the display's guard or rounding.
double dRawAbsorbance(double dTransmittance) {
    return std::log10(1.0 / dTransmittance);
}

// Running sums of the measured replicates of one sample or one group. A replicate without a
// usable value leaves the sample's and its group's results undefined rather than letting a
// marker pass for a number.
struct ReplicateSums {
    double dSum = 0.0;
    double dSumSq = 0.0;
    int n = 0;
    bool bUndefined = false;

    void vTakeIn(double x) {
        if (!bIsUsable(x)) {
            bUndefined = true;
            return;
        }
        dSum += x;
        dSumSq += x * x;
        ++n;
    }
    double dMean() const {
        if (bUndefined) {
            return kNoValue;
        }
        return n < 1 ? 0.0 : dSum / n;
    }
    // Sample SD, divisor n - 1:  sqrt((sum x^2 - (sum x)^2 / n) / (n - 1)). A spread at or below
    // kEpsilon (identical replicates included) has no meaningful SD.
    double dSD() const {
        if (bUndefined || n < 2) {
            return kNoValue;
        }
        const double dSpread = dSumSq - dSum * dSum / n;
        return dSpread > kEpsilon ? std::sqrt(dSpread / (n - 1)) : kNoValue;
    }
};

}  // namespace

double CUVUnknownData::dGetRatio(int iSamp, int iRep) const {
    if (!bHasPointIndex(iSamp, iRep)) {
        return kNoValue;
    }
    const long p = static_cast<long>(iSamp) * m_iNumRep + iRep;
    return tReadChecked(m_vdRatio, p, static_cast<long>(m_vdRatio.size()), kNoValue);
}

void CUVUnknownData::vCalcRatio(int iSamp, int iRep) {
    if (!bHasPointIndex(iSamp, iRep)) {
        return;
    }
    vCalcPointRatio(iSamp * m_iNumRep + iRep);
    if (iRep == m_iNumRep - 1) {
        vCalcStatisticsRatio();
    }
}

void CUVUnknownData::vCalcPointRatio(int p) {
    const int iNumReadings = m_iNumActWave;
    const auto first =
        static_cast<size_t>(p) * static_cast<size_t>(iNumReadings > 0 ? iNumReadings : 0);
    const bool bReadingsStored = first + static_cast<size_t>(iNumReadings) <= m_vdRawData.size();
    if (bGetMeasured(p) != 0 && (iNumReadings == 2 || iNumReadings == 3) && bReadingsStored &&
        static_cast<size_t>(p) < m_vdRatio.size()) {
        const double dAbs1 = dRawAbsorbance(m_vdRawData[first]);
        const double dAbs2 = dRawAbsorbance(m_vdRawData[first + 1]);
        double dRatio = 0.0;
        if (iNumReadings == 2) {
            dRatio = (dAbs1 * m_dKFactor[1]) / (dAbs2 * m_dKFactor[2]);
        } else {
            // The third wavelength is the background under both.
            const double dBackground = dRawAbsorbance(m_vdRawData[first + 2]);
            dRatio =
                ((dAbs1 - dBackground) * m_dKFactor[1]) / ((dAbs2 - dBackground) * m_dKFactor[2]);
        }
        switch (m_iRatioOperand) {
            case kPlusOperand:
                dRatio = dRatio + m_dKFactor[0];
                break;
            case kMinusOperand:
                dRatio = dRatio - m_dKFactor[0];
                break;
            case kTimesOperand:
                dRatio = dRatio * m_dKFactor[0];
                break;
            default:
                break;
        }
        m_vdRatio[static_cast<size_t>(p)] = dRatio;
    }
}

void CUVUnknownData::vCalcRatio() {
    for (int p = 0; m_iNumRep > 0 && p < m_iNumSamp * m_iNumRep; ++p) {
        vCalcRatio(p / m_iNumRep, p % m_iNumRep);
    }
}

template <class PointValue>
void CUVUnknownData::vCalcGroupStatistics(PointValue dValueOf) {
    if (bGetStatisticalMode() == 0) {
        return;
    }
    const int iGroupSize = iGetStatisticsNum();
    int iInGroup = 0;
    ReplicateSums group;
    // The measured flags are read directly, every sample's replicates held to the flags there are.
    const long iReadable =
        std::min(static_cast<long>(iPointSlots()), static_cast<long>(m_vbMeasured.size()));
    for (int s = 0; s < m_iNumSamp; ++s) {
        const auto i = static_cast<size_t>(s);
        if (iInGroup == 0) {
            group = ReplicateSums();
        }
        m_vdConc[i] = 0.0;
        m_vdSD[i] = kNoSD;
        // Blanks and excluded samples belong to no group and leave the running one open.
        if (iGetSampleNo(s) <= kBlankSampleNo) {
            continue;
        }
        ReplicateSums sample;
        for (int r = 0; r < m_iNumRep; ++r) {
            const int p = s * m_iNumRep + r;
            if (p < iReadable && m_vbMeasured[static_cast<size_t>(p)] != 0) {
                const double x = dValueOf(p);
                sample.vTakeIn(x);
                group.vTakeIn(x);
            }
        }
        if (sample.bUndefined || sample.n > 0) {
            m_vdConc[i] = sample.dMean();
        }
        if (++iInGroup == iGroupSize) {
            m_vdMeanConc[i] = group.dMean();
            m_vdSD[i] = group.dSD();
            iInGroup = 0;
        }
    }
}

void CUVUnknownData::vCalcStatistics() {
    vCalcGroupStatistics(
        [this](int p) { return bHasPoint(p) ? m_vdX[static_cast<size_t>(p)] : kNoValue; });
}

void CUVUnknownData::vCalcStatisticsRatio() {
    vCalcGroupStatistics([this](int p) {
        return static_cast<size_t>(p) < m_vdRatio.size() ? m_vdRatio[static_cast<size_t>(p)]
                                                         : kNoValue;
    });
}

double CUVUnknownData::dCalcCV(double dMean, double dSD) {
    if (!bIsUsable(dMean) || !bIsUsable(dSD) || std::fabs(dMean) <= kEpsilon ||
        dSD / dMean >= kMaxCVRatio) {
        return kNoValue;
    }
    return dSD / dMean * 100.0;
}

void CUVUnknownData::vMoveSDData(int iIndex) {
    const int iEntries = std::min(m_iNumSamp, static_cast<int>(m_vdSD.size()));
    if (iIndex <= 0 || iIndex >= iEntries) {
        return;
    }
    for (int j = iEntries - 1; j > iIndex; --j) {
        m_vdSD[static_cast<size_t>(j)] = m_vdSD[static_cast<size_t>(j - 1)];
    }
    m_vdSD[static_cast<size_t>(iIndex)] = kNoSD;
}
