#pragma once
// A logical font of the user-interface library: a LOGFONT that can be mapped for a device.
#include "PhotoquantExport.h"
#include "contracts/framework/LogFont.h"

class PQ_EXPORT CLogFont : public LOGFONT {
public:
    CLogFont() = default;
    explicit CLogFont(const LOGFONT& font) : LOGFONT(font) {}
    virtual ~CLogFont() = default;

    // Maps the font for the screen. Headless, the height is already in screen units.
    virtual void vMap() {}
};
