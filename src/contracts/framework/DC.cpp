#include "contracts/framework/DC.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
