#pragma once
// The fuzzer's bytes read as what a host hands the module: counts mostly below a small cap so that
// one input stays fast, and now and then an extreme one (the ends of the int range, -1, 2^16 + 1
// whose square wraps an int, counts just past the documents' ceilings); indices mostly near the
// dimensions (where the off-by-one faults live) and now and then far outside them; settings mostly
// in their sense and now and then at the ends of the int range; and readings that include every
// awkward double a detector, a typed value or a corrupted file can produce: NaN, infinities,
// signed zeros, subnormals, the module's own markers and arbitrary bit patterns. What an input may
// cost in time and memory is the target's to bound.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "photoquant.h"

// With PHOTOQUANT_FUZZ_TRACE set in the environment every choice read from the bytes is written
// to standard error, "pick" choices as n/last: running a finding with it shows the calls it made.
class CFuzzInput {
public:
    CFuzzInput(const uint8_t* data, size_t size)
        : m_in(data, size), m_bTrace(std::getenv("PHOTOQUANT_FUZZ_TRACE") != nullptr) {}

    bool bHasMore() { return m_in.remaining_bytes() > 0; }
    bool bFlag() { return iTraced("flag", m_in.ConsumeBool() ? 1 : 0) != 0; }
    int iPick(int iLast) {
        const int choice = m_in.ConsumeIntegralInRange<int>(0, iLast);
        if (m_bTrace) {
            std::fprintf(stderr, "\npick %d/%d", choice, iLast);
        }
        return choice;
    }
    int iInRange(int lo, int hi) {
        return iTraced("int", m_in.ConsumeIntegralInRange<int>(lo, hi));
    }

    // A count up to the cap, with a few negative ones the module must refuse, and one in sixteen
    // extreme: products of two of them overflow an int or pass the documents' ceilings.
    int iCount(int iCap) {
        if (m_in.ConsumeIntegralInRange<int>(0, 15) == 0) {
            static constexpr int kExtreme[] = {
                INT_MIN,       -1,         46341,  (1 << 16) + 1, (1 << 27) + 1,
                (1 << 28) + 1, 1000000000, INT_MAX};
            return iTraced(
                "count", kExtreme[m_in.ConsumeIntegralInRange<size_t>(0, std::size(kExtreme) - 1)]);
        }
        return iTraced("count", m_in.ConsumeIntegralInRange<int>(-2, iCap));
    }

    // A setting (decimal places, derivative orders, codes) in [lo, hi], and one in sixteen at the
    // ends of the int range or just past what a double or a spectrum can carry.
    int iSetting(int lo, int hi) {
        if (m_in.ConsumeIntegralInRange<int>(0, 15) == 0) {
            static constexpr int kExtreme[] = {INT_MIN, -1, 16, 400, (1 << 16) + 1, INT_MAX};
            return iTraced(
                "setting",
                kExtreme[m_in.ConsumeIntegralInRange<size_t>(0, std::size(kExtreme) - 1)]);
        }
        return iTraced("setting", m_in.ConsumeIntegralInRange<int>(lo, hi));
    }

    // An index around [0, dimension), sometimes far outside it.
    int iIndex(int dimension) {
        if (m_in.ConsumeIntegralInRange<int>(0, 15) == 0) {
            static constexpr int kFar[] = {INT_MIN,     INT_MIN + 1, -1000000, 1000000,
                                           INT_MAX / 2, INT_MAX - 1, INT_MAX};
            return iTraced("index",
                           kFar[m_in.ConsumeIntegralInRange<size_t>(0, std::size(kFar) - 1)]);
        }
        return iTraced("index", m_in.ConsumeIntegralInRange<int>(
                                    -2, std::clamp(dimension, 0, INT_MAX - 2) + 2));
    }

    // An index for a list that grows when written past its end: near the dimension, and one in
    // sixteen far beyond it, up to the lists' ceiling and past it.
    int iListIndex(int dimension) {
        if (m_in.ConsumeIntegralInRange<int>(0, 15) == 0) {
            static constexpr int kFar[] = {INT_MIN,
                                           -1,
                                           static_cast<int>(photoquant::kMaxListEntries) - 1,
                                           static_cast<int>(photoquant::kMaxListEntries),
                                           100000000,
                                           INT_MAX};
            return iTraced("index",
                           kFar[m_in.ConsumeIntegralInRange<size_t>(0, std::size(kFar) - 1)]);
        }
        return iTraced("index", m_in.ConsumeIntegralInRange<int>(
                                    -2, std::clamp(dimension, 0, INT_MAX - 4) + 4));
    }

    double dValue() { return dTraced(dAnyValue()); }

    // A plausible transmittance (0..1.2) or any value at all.
    double dReading() {
        return m_in.ConsumeBool() ? dTraced(m_in.ConsumeFloatingPointInRange<double>(0.0, 1.2))
                                  : dValue();
    }

    std::vector<CDoublePt> Readings(int iMaxCount) {
        std::vector<CDoublePt> readings(static_cast<size_t>(iInRange(0, iMaxCount)));
        for (CDoublePt& reading : readings) {
            reading.x = 400.0;
            reading.y = dReading();
        }
        return readings;
    }

    std::vector<double> Values(int iMaxCount) {
        std::vector<double> values(static_cast<size_t>(iInRange(0, iMaxCount)));
        for (double& value : values) {
            value = dReading();
        }
        return values;
    }

    std::string Text() { return m_in.ConsumeRandomLengthString(40); }
    std::string Rest() { return m_in.ConsumeRemainingBytesAsString(); }

private:
    double dAnyValue() {
        static const double kSpecial[] = {
            std::numeric_limits<double>::quiet_NaN(),
            -std::numeric_limits<double>::quiet_NaN(),
            std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(),
            0.0,
            -0.0,
            1.0,
            -1.0,
            0.5,
            0.1,
            2.0,
            100.0,
            1e-300,
            std::numeric_limits<double>::denorm_min(),
            photoquant::kMinPositive,
            photoquant::kEpsilon,
            photoquant::kNoValue,
            -photoquant::kNoValue,
            photoquant::kNoStandardResult,
            photoquant::kSkipMarker,
            2147483647.5,
            -2147483648.5,
            1e10,
            -1e10,
        };
        switch (m_in.ConsumeIntegralInRange<int>(0, 3)) {
            case 0:
                return kSpecial[m_in.ConsumeIntegralInRange<size_t>(0, std::size(kSpecial) - 1)];
            case 1:
                return m_in.ConsumeFloatingPointInRange<double>(-2.0, 2.0);
            case 2:
                return m_in.ConsumeFloatingPoint<double>();
            default: {
                const uint64_t bits = m_in.ConsumeIntegral<uint64_t>();
                double value = 0.0;
                std::memcpy(&value, &bits, sizeof value);
                return value;
            }
        }
    }

    int iTraced(const char* what, int value) {
        if (m_bTrace) {
            std::fprintf(stderr, " %s %d", what, value);
        }
        return value;
    }
    double dTraced(double value) {
        if (m_bTrace) {
            std::fprintf(stderr, " value %.17g", value);
        }
        return value;
    }

    FuzzedDataProvider m_in;
    bool m_bTrace;
};

// Stops the run with the broken invariant: libFuzzer records the input as a crash.
[[noreturn]] inline void vInvariantBroken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

#define FUZZ_REQUIRE(condition)           \
    do {                                  \
        if (!(condition)) {               \
            vInvariantBroken(#condition); \
        }                                 \
    } while (false)
