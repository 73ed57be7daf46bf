// A host that finds the installed library, reads one of the module's texts and asks for one figure
// of the calibration statistics.
#include <cmath>
#include <iostream>

#include "photoquant.h"

int main() {
    const std::string text = photoquant::sModuleString(photoquant::kPhotometryText);
    std::cout << "photoquant found: " << text << '\n';

    // Standards of 0 to 12 reading 2.1 to 24.7: the slope's standard error is 0.0409.
    const double readings[7] = {2.1, 5.0, 9.0, 12.6, 17.3, 21.0, 24.7};
    CUVStandardData standards(0, 7, 1, 1, 1);
    standards.vSetCalibOpt(0);
    for (int s = 0; s < 7; ++s) {
        standards.vChangeConcVal(2.0 * s, s);
    }
    for (const double reading : readings) {
        const CDoublePt point(450.0, std::pow(10.0, -reading));
        standards.iAddValues(&point, 1);
    }
    standards.vCalibrate();
    const photoquant::CCalibrationStatistics stats(standards);
    const double slopeError = stats.GetCoefficients().at(1).dStdError;
    std::cout << "slope standard error: " << slopeError << '\n';
    return text == "Photometry" && std::fabs(slopeError - 0.0409) < 5e-5 ? 0 : 1;
}
