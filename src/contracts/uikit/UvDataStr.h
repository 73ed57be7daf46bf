#pragma once
// The decimal text of a value for view cells and report texts: C printf "%.6g".
#include <string>

#include "PhotoquantExport.h"

PQ_EXPORT std::string UVDATASTR(double value);
