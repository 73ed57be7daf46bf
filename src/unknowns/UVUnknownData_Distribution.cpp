// In-plane distribution: the readings of each sample over the Q positions of the XY stage,
// summarised per method wavelength as average, maximum, minimum, range and 3 sigma, and the same
// over every measured position of every sample (pooled readings, not an average of averages).
//
// Entry s*M + w holds sample s at wavelength w, entry S*M + w the all-sample row; kNoValue marks
// an entry no calculation has reached. Sigma is the population SD (divisor n), and the entry holds
// 3 sigma.
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "document/PhotometricNumbers.h"
#include "unknowns/UVUnknownData.h"

using namespace photoquant;

namespace {

// Readings of one set of positions at one wavelength.
struct PositionSummary {
    double dSum = 0.0;
    double dMax = -kNoValue;
    double dMin = kNoValue;
    int n = 0;

    void vTakeIn(double v) {
        dSum += v;
        dMax = std::max(v, dMax);
        dMin = std::min(v, dMin);
        ++n;
    }
    void vTakeIn(const PositionSummary& other) {
        dSum += other.dSum;
        dMax = std::max(other.dMax, dMax);
        dMin = std::min(other.dMin, dMin);
        n += other.n;
    }
};

}  // namespace

int CUVUnknownData::iDistributionWaves() const {
    return std::max(m_iNumMethodWave, 0);
}

void CUVUnknownData::vInitDistribution() {
    // Entries past the array ceiling, or storage the system cannot give, leave no entries at all:
    // the accessors then answer as for any entry outside them.
    INT_PTR size = static_cast<INT_PTR>(m_iNumSamp + 1LL) * iDistributionWaves();
    if (!detail::bArrayFits(size, sizeof(double))) {
        size = 0;
    }
    try {
        for (CArray<double>* entries : {&m_aAverage, &m_aMax, &m_aMin, &m_aRange, &m_aSigma}) {
            entries->SetSize(size);
        }
    } catch (const std::bad_alloc&) {
        size = 0;
    }
    for (CArray<double>* entries : {&m_aAverage, &m_aMax, &m_aMin, &m_aRange, &m_aSigma}) {
        entries->SetSize(size);
        for (INT_PTR i = 0; i < size; ++i) {
            entries->SetAt(i, kNoValue);
        }
    }
}

void CUVUnknownData::vCalculateDistribution() {
    const int iNumWaves = iDistributionWaves();
    // A host that re-dimensioned without re-initialising gets fresh entries, never a write past
    // the old ones.
    const INT_PTR entries = static_cast<INT_PTR>(m_iNumSamp + 1LL) * iNumWaves;
    if (m_aAverage.GetSize() != entries) {
        vInitDistribution();
        if (m_aAverage.GetSize() != entries) {
            return;
        }
    }
    // Readings of the current wavelength by point, and which points hold one: a position counts
    // when its flag is exactly 1 and a reading is stored for the wavelength.
    std::vector<double> v(static_cast<size_t>(m_iNumSamp) *
                          static_cast<size_t>(std::max(m_iNumCoord, 0)));
    std::vector<char> taken(v.size());
    // Sum of (v - mean)^2 over the positions taken among points [from, to).
    auto dSquares = [&](size_t from, size_t to, double mean) {
        double sum = 0.0;
        for (size_t p = from; p < to; ++p) {
            if (taken[p] != 0) {
                sum += (v[p] - mean) * (v[p] - mean);
            }
        }
        return sum;
    };
    auto vStore = [&](int iEntry, const PositionSummary& summary, double mean, double sd) {
        m_aAverage.SetAt(iEntry, mean);
        m_aMax.SetAt(iEntry, summary.dMax);
        m_aMin.SetAt(iEntry, summary.dMin);
        m_aRange.SetAt(iEntry, summary.dMax - summary.dMin);
        m_aSigma.SetAt(iEntry, 3.0 * sd);
    };

    for (int w = 0; w < iNumWaves; ++w) {
        std::fill(taken.begin(), taken.end(), 0);
        PositionSummary all;
        for (int s = 0; s < m_iNumSamp; ++s) {
            const auto first = static_cast<size_t>(s) * static_cast<size_t>(m_iNumCoord);
            PositionSummary sample;
            for (int c = 0; c < m_iNumCoord; ++c) {
                const double value =
                    bGetMeasured(s * m_iNumCoord + c) == 1 ? dGetAbsXY(s, c, w) : kNoValue;
                if (bHasValue(value)) {
                    v[first + c] = value;
                    taken[first + c] = 1;
                    sample.vTakeIn(value);
                }
            }
            if (sample.n == 0) {
                continue;
            }
            all.vTakeIn(sample);
            const double mean = sample.dSum / sample.n;
            const double sd = std::sqrt(dSquares(first, first + m_iNumCoord, mean) / sample.n);
            vStore(s * iNumWaves + w, sample, mean, sd);
        }
        if (all.n > 0) {
            const double mean = all.dSum / all.n;
            const double sd = std::sqrt(dSquares(0, v.size(), mean) / all.n);
            vStore(m_iNumSamp * iNumWaves + w, all, mean, sd);
        }
    }
}

int CUVUnknownData::iDistributionIndex(int iSamp, int iWave) const {
    const int iNumWaves = iDistributionWaves();
    if (iSamp < 0 || iSamp > m_iNumSamp || iWave < 0 || iWave >= iNumWaves) {
        return -1;  // outside the entries: the array refuses it
    }
    return iSamp * iNumWaves + iWave;
}

double CUVUnknownData::dGetAverage(int iSamp, int iWave) const {
    return m_aAverage.GetAt(iDistributionIndex(iSamp, iWave));
}

double CUVUnknownData::dGetMax(int iSamp, int iWave) const {
    return m_aMax.GetAt(iDistributionIndex(iSamp, iWave));
}

double CUVUnknownData::dGetMin(int iSamp, int iWave) const {
    return m_aMin.GetAt(iDistributionIndex(iSamp, iWave));
}

double CUVUnknownData::dGetRange(int iSamp, int iWave) const {
    return m_aRange.GetAt(iDistributionIndex(iSamp, iWave));
}

double CUVUnknownData::dGetSigma(int iSamp, int iWave) const {
    return m_aSigma.GetAt(iDistributionIndex(iSamp, iWave));
}

double CUVUnknownData::dGetAllSamplAverage(int iWave) const {
    return dGetAverage(m_iNumSamp, iWave);
}

double CUVUnknownData::dGetAllSamplMax(int iWave) const {
    return dGetMax(m_iNumSamp, iWave);
}

double CUVUnknownData::dGetAllSamplMin(int iWave) const {
    return dGetMin(m_iNumSamp, iWave);
}

double CUVUnknownData::dGetAllSamplRange(int iWave) const {
    return dGetRange(m_iNumSamp, iWave);
}

double CUVUnknownData::dGetAllSamplSigma(int iWave) const {
    return dGetSigma(m_iNumSamp, iWave);
}
