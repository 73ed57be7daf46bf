#pragma once
// Index checks for the documents' arrays. Hosts address samples, points and positions by number;
// an index outside the document's dimensions must never reach memory, so every accessor goes
// through these: a reader gets a neutral value (0, or kNoValue for a double), a writer changes
// nothing and says so.
#include <string>
#include <vector>

#include "contracts/framework/Array.h"

namespace photoquant::detail {

// Whether i lies below the dimension and inside the storage.
inline bool bIndexWithin(long i, long dimension, size_t storage) {
    return i >= 0 && i < dimension && static_cast<size_t>(i) < storage;
}

template <class T>
T tReadChecked(const std::vector<T>& values, long i, long dimension, T fallback) {
    return bIndexWithin(i, dimension, values.size()) ? values[static_cast<size_t>(i)] : fallback;
}

template <class T>
bool bWriteChecked(std::vector<T>& values, long i, long dimension, T value) {
    if (!bIndexWithin(i, dimension, values.size())) {
        return false;
    }
    values[static_cast<size_t>(i)] = value;
    return true;
}

inline std::string sListEntry(const CStringArray& list, long i) {
    return i >= 0 && i < list.GetSize() ? list.GetAt(i) : std::string();
}

inline void vSetListEntry(CStringArray& list, const std::string& text, long i) {
    if (i >= 0) {
        list.SetAtGrow(i, text);
    }
}

inline void vInsertListEntry(CStringArray& list, const std::string& text, long i) {
    if (i >= 0) {
        list.InsertAt(i, text);
    }
}

}  // namespace photoquant::detail
