#pragma once
// The name of a calibration type as the standards' calibration text and calibration list show it:
// "1st order" to "3rd order", "Segmented", and nothing for a type without a curve.
#include <string>

#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

namespace photoquant::detail {

inline std::string sCalibTypeText(int iCalibType) {
    if (iCalibType == kSegmentedCalib) {
        return sModuleString(kSegmentedText);
    }
    return sModuleStringOf(kFirstOrderText, iCalibType - kFirstOrderCalib, 3);
}

}  // namespace photoquant::detail
