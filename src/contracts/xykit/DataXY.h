#pragma once
// An XY data set whose points each carry their own X: the base of the photometry documents.
#include "contracts/xykit/Data2D.h"

class PQ_EXPORT CDataXY : public CData2D {
    DECLARE_DYNAMIC(CDataXY)
public:
    CDataXY() = default;
    ~CDataXY() override = default;
};
