#pragma once
// The calibration option kept in the application profile: the conversion direction that new
// standards documents and the manual calibration of new unknowns documents take (0: the curve gives
// the reading from the concentration; 1: it gives the concentration from the reading). The profile
// is read at every construction and written only by vSave, so a change made for one analysis
// becomes the laboratory's default only when the user asks for it.
#include "PhotoquantExport.h"
#include "document/QuantitationCodes.h"

class PQ_EXPORT CCalibOptions {
public:
    // Reads the profile; a missing entry gives 1.
    CCalibOptions();
    CCalibOptions(const CCalibOptions&) = default;
    CCalibOptions& operator=(const CCalibOptions&) = default;

    void vSave() const;

    int m_iValue = photoquant::kConcFromReading;
};
