#pragma once
// The user's default list font: height -11, face "Sans".
#include "contracts/uikit/LogFont.h"

class PQ_EXPORT CDefaultLogFont : public CLogFont {
public:
    CDefaultLogFont() {
        lfHeight = -11;
        lfFaceName = "Sans";
    }
};
