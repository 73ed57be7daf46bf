#pragma once
// The quantitation part of an analysis method, read field by field by the documents.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CMethodQuantParam {
public:
    virtual ~CMethodQuantParam() = default;

    int m_iConcDecimals = 1;
    int m_iStatisticsNum = 1;
    int m_bStatisticalMode = 0;
    int m_iNumRep = 1;
    double m_dPhotomIntegTime = 0.5;
    int m_bZeroInst = 0;
    int m_iQuantType = 0;
    int m_iNumWave = 1;
    double m_dWave[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    double m_dZeroWL = 190.0;
    double m_dPathLength = 10.0;
    int m_bPathLengthCorrect = 1;
    std::string m_sConcUnit = "%";
    double m_dLoLimit = 0.0;
    double m_dHiLimit = 1e9;
};
