#pragma once
// The module's own texts: its string table, registered with the framework once, when the library
// is loaded (resources/ModuleRegistration.h), and read by number afterwards.
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/WinTypes.h"

namespace photoquant {

// Text of the module's string-table entry id (empty when there is none); the ids are named in
// resources/ResourceIds.h.
PQ_EXPORT std::string sModuleString(UINT id);
// Text of a code 0 .. count - 1 whose texts stand at consecutive entries from firstId (an operand,
// a calibration order); empty for a code outside them.
PQ_EXPORT std::string sModuleStringOf(UINT firstId, int code, int count);

}  // namespace photoquant
