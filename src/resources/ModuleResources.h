#pragma once
// The module's own resources: its string table and dialog templates, registered with the framework
// once, when the library is loaded, and found through PhotoquantDLL.hResource afterwards.
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/DynLinkLibrary.h"

extern PQ_EXPORT AFX_EXTENSION_MODULE PhotoquantDLL;

namespace photoquant {

// Text of the module's string-table entry id (empty when there is none); the ids are named in
// resources/ResourceIds.h.
PQ_EXPORT std::string sModuleString(UINT id);
// Text of a code 0 .. count - 1 whose texts stand at consecutive entries from firstId (an operand,
// a calibration order); empty for a code outside them.
PQ_EXPORT std::string sModuleStringOf(UINT firstId, int code, int count);

}  // namespace photoquant
