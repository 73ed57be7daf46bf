#pragma once
// Root of the framework classes that receive commands and messages. The module's documents carry
// empty message and dispatch maps; windows route their messages through virtual handlers (CWnd).
#include "contracts/framework/Object.h"

#define DECLARE_MESSAGE_MAP()
#define DECLARE_DISPATCH_MAP()

class PQ_EXPORT CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
};
