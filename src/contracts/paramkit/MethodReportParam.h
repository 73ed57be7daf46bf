#pragma once
// The report part of an analysis method; the documents keep a copy by assignment.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CMethodReportParam {
public:
    CMethodReportParam() = default;
    CMethodReportParam(const CMethodReportParam&) = default;
    CMethodReportParam& operator=(const CMethodReportParam&) = default;
    virtual ~CMethodReportParam() = default;

    std::string m_sOperator;  // operator's name
    std::string m_sComment;   // report comment
};
