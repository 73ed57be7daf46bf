#pragma once
// The module's registration with the framework, made when the library is loaded: its instance
// handle finds the module's string table and dialog templates. A property page built on one of the
// module's templates names it as the page's resource instance.
#include "contracts/framework/DynLinkLibrary.h"

namespace photoquant::detail {

extern AFX_EXTENSION_MODULE PhotoquantDLL;

}  // namespace photoquant::detail
