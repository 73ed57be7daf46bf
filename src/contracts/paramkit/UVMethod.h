#pragma once
// An analysis method: the parameter objects the documents take their settings from. Each getter
// returns the method's own object; the documents copy what they keep and never free these.
#include "PhotoquantExport.h"
#include "contracts/paramkit/MZ700Parameters.h"
#include "contracts/paramkit/MethodQuantParam.h"
#include "contracts/paramkit/MethodReportParam.h"
#include "contracts/paramkit/MultiCellParam.h"
#include "contracts/paramkit/RackParameters.h"
#include "contracts/paramkit/UVInstrParameters.h"
#include "contracts/paramkit/UVSipperParameters.h"
#include "contracts/paramkit/XYStageParam.h"

class PQ_EXPORT CUVMethod {
public:
    virtual ~CUVMethod() = default;

    CUVInstrParameters* pGetInstrParam() { return &m_InstrParam; }
    CMethodReportParam* pGetReportParam() { return &m_ReportParam; }
    CMethodQuantParam* pGetQuantParam() { return &m_QuantParam; }
    CXYStageParam* pGetXYStageParam() { return &m_XYStageParam; }
    CUVSipperParameters* pGetSipperParam() { return &m_SipperParam; }
    CRackParameters* pGetRackParam() { return &m_RackParam; }
    CMZ700Parameters* pGetMZ700Param() { return &m_MZ700Param; }
    CMultiCellParam* pGetMultiCellParam() { return &m_MultiCellParam; }

private:
    CUVInstrParameters m_InstrParam;
    CMethodReportParam m_ReportParam;
    CMethodQuantParam m_QuantParam;
    CXYStageParam m_XYStageParam;
    CUVSipperParameters m_SipperParam;
    CRackParameters m_RackParam;
    CMZ700Parameters m_MZ700Param;
    CMultiCellParam m_MultiCellParam;
};
