#include "contracts/framework/FrameWnd.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
