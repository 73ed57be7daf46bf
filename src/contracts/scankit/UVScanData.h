#pragma once
// A measured spectrum as the spectrum library hands it to the photometry documents: equally spaced
// readings (a CDataY) with the operations of peak quantitation on them. iIntegrate finds the peaks
// (CPeakFinder) and integrates each by the documents' own sums (dPeakArea), so a spectrum reduced
// on intake and the same spectrum reduced again from the stored readings give the same area;
// vSmoothSGGen turns the readings into their Savitzky-Golay smoothed derivative.
//
// The spectrum owns the peaks of its list and deletes them on the next integration and with
// itself.
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/numkit/PeakList.h"
#include "contracts/xykit/DataY.h"

class PQ_EXPORT CUVScanData : public CDataY {
    DECLARE_DYNAMIC(CUVScanData)
public:
    CUVScanData() = default;
    // n readings from dFirstX on, point i at dFirstX + i * dStep.
    CUVScanData(double dFirstX, double dStep, const double* pdY, int n);
    ~CUVScanData() override;

    // Empties the peak list, finds the peaks of the readings (sensitivity and threshold as for
    // CPeakFinder) and lists each with its height and its area by method (1 trapezoid, 2 Romberg,
    // any other rectangular) with the wavelength interval |step| as delta. flags is reserved: pass
    // 0. Returns the number of peaks.
    int iIntegrate(int method, int sensitivity, double threshold, int flags);
    CPeakList* pGetPeakList() { return &m_PeakList; }

    // Replaces the readings (raw and display) by their smoothed derivative of order derivOrder;
    // arguments as for the numeric vSmoothSGGen (step 1: per point).
    void vSmoothSGGen(int step, int halfWidth, int polyOrder, int derivOrder);

private:
    // (X, raw Y) of every point.
    std::vector<CDoublePt> ReadingsAsPoints() const;
    double dIntervalForAreas() const;

    CPeakList m_PeakList;  // peaks of the last integration, owned
};
