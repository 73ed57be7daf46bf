#pragma once
// The ceilings of a document's storage. A host embeds the module in a long-running application and
// may hand it any count or index; no call makes a document allocate without bound:
//   - no array of a document holds more than kMaxArrayBytes (2^31 bytes): at most 2^28 samples and
//     2^28 readings (8 bytes each) and 2^27 points (a display point takes 16 bytes), so that every
//     product of counts (S*R, S*Q, S*R*W) fits an int;
//   - a text list (sample names, comments, date-times) set past its end grows only up to the
//     larger of the entries the document itself has and kMaxListEntries (2^20) entries.
// A re-dimensioning whose sizes pass a ceiling, or has a negative count, changes nothing (and
// answers 0 where it answers at all); a constructor given such counts builds a document without
// samples (S = 0). The same holds when the system cannot give the storage: no call lets
// std::bad_alloc out.
#include <algorithm>
#include <new>

#include "contracts/uikit/DoublePt.h"

namespace photoquant {

inline constexpr long long kMaxArrayBytes = 1LL << 31;
inline constexpr long kMaxListEntries = 1L << 20;

}  // namespace photoquant

namespace photoquant::detail {

// Whether an array of n entries of the given size stays within kMaxArrayBytes.
constexpr bool bArrayFits(long long n, long long entryBytes) {
    return n >= 0 && n <= kMaxArrayBytes / entryBytes;
}

// Whether a document of S samples of R replicates or Q stage positions with W readings a point
// stays within the ceilings: no count negative, and every array, sized by the larger of R and Q,
// within kMaxArrayBytes. Every product is taken wide, one factor at a time, after the previous one
// has been bounded.
constexpr bool bDocumentFits(long long S, long long R, long long Q, long long W) {
    const long long iPerSample = std::max(R, Q);
    if (!bArrayFits(S, sizeof(double)) || R < 0 || Q < 0 || W < 0 ||
        !bArrayFits(S * iPerSample, sizeof(CDoublePt))) {
        return false;
    }
    return bArrayFits(S * iPerSample * W, sizeof(double));
}

// The index below which a text list may be set or inserted at: the larger of its own entries and
// kMaxListEntries.
constexpr long iListCeiling(long long iOwnEntries) {
    return static_cast<long>(std::max<long long>(iOwnEntries, kMaxListEntries));
}

// Makes room for n entries ahead of a change, by at least half again the capacity so that growth
// one sample at a time costs linear time overall, but never past the array ceiling. Throws
// std::bad_alloc when the system cannot give the room; the entries are untouched either way.
template <class Values>
void vReserveRoom(Values& values, size_t n) {
    if (n <= values.capacity()) {
        return;
    }
    const auto ceiling = static_cast<size_t>(kMaxArrayBytes) / sizeof(typename Values::value_type);
    values.reserve(std::max(n, std::min(values.capacity() + values.capacity() / 2, ceiling)));
}

}  // namespace photoquant::detail
