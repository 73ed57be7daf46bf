#pragma once
// A window of the framework, kept headless: it holds its state in memory and receives messages
// through virtual handlers, so a host can drive it exactly as the window system would.
#include "contracts/framework/CmdTarget.h"
#include "contracts/framework/WinTypes.h"

class PQ_EXPORT CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override = default;
};
