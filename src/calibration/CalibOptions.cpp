#include "calibration/CalibOptions.h"

#include "contracts/framework/WinApp.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

using namespace photoquant;

CCalibOptions::CCalibOptions() {
    m_iValue = AfxGetApp()->GetProfileInt(sModuleString(kProfileSection),
                                          sModuleString(kProfileEntry), kConcFromReading);
}

void CCalibOptions::vSave() const {
    AfxGetApp()->WriteProfileInt(sModuleString(kProfileSection), sModuleString(kProfileEntry),
                                 m_iValue);
}
