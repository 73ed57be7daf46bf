#include "contracts/paramkit/XYStageParam.h"

#include <atomic>

namespace {
std::atomic<int> g_iCalcSampunit{0};
}  // namespace

void CXYStageParam::vGetCoordArray(CArray<CDoublePt>& coords) const {
    coords.RemoveAll();
    for (const CDoublePt& point : m_vCoords) {
        coords.Add(point);
    }
}

int CXYStageParam::iGetCalcSampunit() {
    return g_iCalcSampunit.load();
}

void CXYStageParam::vSetCalcSampunit(int unit) {
    g_iCalcSampunit.store(unit);
}
