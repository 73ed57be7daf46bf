#include "contracts/framework/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
