#pragma once
// The two columns of every parameter list (the calibration views and the instrument and accessory
// pages): "Parameter" and "Value", left-aligned, sharing the list's client width, the first taking
// the truncated half.
#include "PhotoquantExport.h"
#include "contracts/framework/ListCtrl.h"

PQ_EXPORT void vInsertParameterValueColumns(CListCtrl& list, int iClientWidth);
