#pragma once
// What a host does to feed a photometry document: readings as the instrument hands them, and an
// analysis method set up for a wavelength quantitation.
#include <cmath>
#include <initializer_list>
#include <vector>

#include "photoquant.h"

// The readings of one point, Y being the transmittance fraction at each wavelength.
inline std::vector<CDoublePt> Readings(std::initializer_list<double> values) {
    std::vector<CDoublePt> readings;
    for (double value : values) {
        readings.emplace_back(0.0, value);
    }
    return readings;
}

inline double dTransmittance(double absorbance) {
    return std::pow(10.0, -absorbance);
}

// Adds one point's readings to the document and returns the add's result.
inline int iAdd(CUVPhotometryData& doc, std::initializer_list<double> values) {
    const std::vector<CDoublePt> readings = Readings(values);
    return doc.iAddValues(readings.data(), static_cast<int>(readings.size()));
}

// Adds the same readings n times and returns how many of the adds were taken.
inline int iAddTimes(CUVPhotometryData& doc, int n, std::initializer_list<double> values) {
    int iTaken = 0;
    for (int i = 0; i < n; ++i) {
        iTaken += iAdd(doc, values);
    }
    return iTaken;
}

// A wavelength quantitation measuring iNumRep replicates at the given wavelengths.
inline void vSetUpMethod(CUVMethod& method, int iNumRep, std::initializer_list<double> waves) {
    CMethodQuantParam* quant = method.pGetQuantParam();
    quant->m_iQuantType = 0;
    quant->m_iNumRep = iNumRep;
    quant->m_iNumWave = static_cast<int>(waves.size());
    int i = 0;
    for (double wave : waves) {
        quant->m_dWave[i++] = wave;
    }
}
