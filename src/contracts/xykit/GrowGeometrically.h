#pragma once
// Growth of stored arrays by at least half again their capacity, so that growing a data set one
// sample at a time costs linear time overall.
#include <algorithm>
#include <vector>

namespace photoquant::detail {

template <class T>
void vGrowGeometrically(std::vector<T>& values, size_t size, const T& fill = T()) {
    if (size > values.capacity()) {
        values.reserve(std::max(size, values.capacity() + values.capacity() / 2));
    }
    values.resize(size, fill);
}

}  // namespace photoquant::detail
