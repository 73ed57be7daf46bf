#include "calibration/CalibOptions.h"

#include "contracts/framework/WinApp.h"
#include "resources/ModuleResources.h"

namespace {

// String-table entries of the profile section ("Default") and entry ("Photometry Calibration
// Type").
constexpr UINT kProfileSection = 81;
constexpr UINT kProfileEntry = 80;

}  // namespace

CCalibOptions::CCalibOptions() {
    m_iValue =
        AfxGetApp()->GetProfileInt(sModuleString(kProfileSection), sModuleString(kProfileEntry), 1);
}

void CCalibOptions::vSave() const {
    AfxGetApp()->WriteProfileInt(sModuleString(kProfileSection), sModuleString(kProfileEntry),
                                 m_iValue);
}
