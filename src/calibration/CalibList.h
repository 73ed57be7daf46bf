#pragma once
// A calibration: its segments in curve order. The standards document owns the segments; the
// unknowns document reads the list it is handed.
#include "calibration/CalibSegment.h"
#include "contracts/framework/Array.h"

using CCalibList = CTypedPtrArray<CObArray, CCalibSegment*>;
