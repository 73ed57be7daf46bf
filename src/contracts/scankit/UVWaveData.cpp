#include "contracts/scankit/UVWaveData.h"

IMPLEMENT_DYNAMIC(CUVWaveData, CUVScanData)

CUVWaveData::CUVWaveData(double dStartWL, double dInterval, const double* pdY, int n)
    : CUVScanData(dStartWL, -dInterval, pdY, n) {}
