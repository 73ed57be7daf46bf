#pragma once
// A spectrum scanned from a start wavelength downward at a fixed data interval, as the instrument
// delivers it for peak and derivative quantitation: point i lies at dStartWL - i * dInterval (nm).
#include "PhotoquantExport.h"
#include "contracts/scankit/UVScanData.h"

class PQ_EXPORT CUVWaveData : public CUVScanData {
    DECLARE_DYNAMIC(CUVWaveData)
public:
    // Copies the n readings.
    CUVWaveData(double dStartWL, double dInterval, const double* pdY, int n);
    ~CUVWaveData() override = default;

    double dGetStartWL() const { return dGetFirstX(); }
    double dGetInterval() const { return -dGetStep(); }
};
