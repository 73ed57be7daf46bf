#pragma once
// A validation result, filled by the host. The document owns the one attached to it and deletes it
// through the virtual destructor.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CGLPResult {
public:
    virtual ~CGLPResult() = default;
};
