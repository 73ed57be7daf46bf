#include "contracts/xykit/DataXY.h"

IMPLEMENT_DYNAMIC(CDataXY, CData2D)
