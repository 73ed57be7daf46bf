#pragma once
// Growth of stored arrays by at least half again their capacity, so that growing a data set one
// sample at a time costs linear time overall.
#include <algorithm>

namespace photoquant::detail {

template <class Values>
void vGrowGeometrically(Values& values, size_t size,
                        const typename Values::value_type& fill = typename Values::value_type()) {
    if (size > values.capacity()) {
        values.reserve(std::max(size, values.capacity() + values.capacity() / 2));
    }
    values.resize(size, fill);
}

}  // namespace photoquant::detail
