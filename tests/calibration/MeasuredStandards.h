#pragma once
// Standards documents filled the way a host fills them: the concentrations typed in first, then one
// reading per replicate at a single wavelength, sent as a transmittance.
#include <cmath>
#include <memory>
#include <vector>

#include "calibration/UVStandardData.h"

// A standard's concentration and the absorbance of each replicate; NaN marks a skipped replicate.
struct CStandard {
    double dConc;
    std::vector<double> vdAbs;
};

// Measured standards whose calibration curve has the given conversion direction. Absorbances of
// up to three decimals come back exactly as the display Y (rounded to four decimals).
inline std::unique_ptr<CUVStandardData> pMeasuredStandards(const std::vector<CStandard>& standards,
                                                           int iDirection) {
    const int iNumSamp = static_cast<int>(standards.size());
    const int iNumRep = static_cast<int>(standards.front().vdAbs.size());
    auto doc = std::make_unique<CUVStandardData>(0, iNumSamp, iNumRep, 1, 1);
    doc->vSetCalibOpt(iDirection);
    for (int s = 0; s < iNumSamp; ++s) {
        doc->vChangeConcVal(standards[static_cast<size_t>(s)].dConc, s);
    }
    for (const CStandard& standard : standards) {
        for (const double dAbs : standard.vdAbs) {
            if (std::isnan(dAbs)) {
                doc->vSkipData();
                continue;
            }
            const CDoublePt reading(450.0, std::pow(10.0, -dAbs));
            doc->iAddValues(&reading, 1);
        }
    }
    return doc;
}

inline void vCalibrateAs(CUVStandardData& doc, int iCalibType, int bForceZero) {
    doc.vSetCalibType(iCalibType);
    doc.vSetForceZero(bForceZero);
    doc.vCalibrate();
}
