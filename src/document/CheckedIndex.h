#pragma once
// Index checks for the documents' arrays. Hosts address samples, points and positions by number;
// an index outside the document's dimensions must never reach memory, so every accessor goes
// through these: a reader gets a neutral value (0, or kNoValue for a double), a writer changes
// nothing and says so.
#include <new>
#include <string>

#include "contracts/framework/Array.h"

namespace photoquant::detail {

// Whether i lies below the dimension and inside the storage.
inline bool bIndexWithin(long i, long dimension, size_t storage) {
    return i >= 0 && i < dimension && static_cast<size_t>(i) < storage;
}

template <class Values>
typename Values::value_type tReadChecked(const Values& values, long i, long dimension,
                                         typename Values::value_type fallback) {
    return bIndexWithin(i, dimension, values.size()) ? values[static_cast<size_t>(i)] : fallback;
}

template <class Values>
bool bWriteChecked(Values& values, long i, long dimension, typename Values::value_type value) {
    if (!bIndexWithin(i, dimension, values.size())) {
        return false;
    }
    values[static_cast<size_t>(i)] = value;
    return true;
}

inline std::string sListEntry(const CStringArray& list, long i) {
    return i >= 0 && i < list.GetSize() ? list.GetAt(i) : std::string();
}

// Setting or inserting past the end grows a list, but never to an index at or beyond the
// ceiling (iListCeiling of DocumentLimits.h): an index there, or storage the system cannot give,
// changes nothing.
inline void vSetListEntry(CStringArray& list, const std::string& text, long long i, long ceiling) {
    if (i >= 0 && i < ceiling) {
        try {
            list.SetAtGrow(static_cast<INT_PTR>(i), text);
        } catch (const std::bad_alloc&) {
        }
    }
}

inline void vInsertListEntry(CStringArray& list, const std::string& text, long long i,
                             long ceiling) {
    if (i >= 0 && i < ceiling) {
        try {
            list.InsertAt(static_cast<INT_PTR>(i), text);
        } catch (const std::bad_alloc&) {
        }
    }
}

}  // namespace photoquant::detail
