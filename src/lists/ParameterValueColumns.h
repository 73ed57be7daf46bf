#pragma once
// The two columns of every parameter list (the calibration views and the instrument and accessory
// pages): "Parameter" and "Value", left-aligned, sharing the list's client width, the first taking
// the truncated half.
#include "contracts/framework/ListCtrl.h"

namespace photoquant::detail {

void vInsertParameterValueColumns(CListCtrl& list, int iClientWidth);

}  // namespace photoquant::detail
