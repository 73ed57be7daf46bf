#pragma once
// The XY stage of an analysis method: the positions measured on every sample.
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/framework/Array.h"
#include "contracts/uikit/DoublePt.h"

class PQ_EXPORT CXYStageParam {
public:
    virtual ~CXYStageParam() = default;

    int iGetCoordNum() const { return static_cast<int>(m_vCoords.size()); }
    void vGetCoordArray(CArray<CDoublePt>& coords) const;
    void vSetCoordArray(const std::vector<CDoublePt>& coords) { m_vCoords = coords; }

    // How stage results are summarised in the unknowns list (a setting of the whole process).
    static int iGetCalcSampunit();
    static void vSetCalcSampunit(int unit);

private:
    std::vector<CDoublePt> m_vCoords;
};
