#pragma once
// A device context, as a view's OnDraw receives it. Headless nothing is drawn: the module's views
// draw nothing themselves (their lists paint their own content), so the context carries no state.
#include "contracts/framework/Object.h"

class PQ_EXPORT CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
};
