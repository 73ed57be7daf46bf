#pragma once
// The instrument parameters of a method: the measurement conditions the documents copy, compare and
// list. A document owns its copy (made by pCopy) and deletes it through the virtual destructor.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CUVInstrParameters {
public:
    CUVInstrParameters() = default;
    CUVInstrParameters(const CUVInstrParameters&) = default;
    CUVInstrParameters& operator=(const CUVInstrParameters&) = default;
    virtual ~CUVInstrParameters() = default;

    virtual CUVInstrParameters* pCopy() const { return new CUVInstrParameters(*this); }
    // Decimal places of wavelengths in nm.
    virtual int iGetWaveDecimals() const { return m_iWaveDecimals; }
    // Decimal places of photometric values.
    virtual int iGetPhotoDecimals() const { return m_iPhotoDecimals; }
    // Text of a photometric unit; 1 asks for the absorbance unit.
    virtual std::string GetAbsUnitText(int unit) const;
    // The accessory option code, compared between a document's and a method's parameters.
    virtual int iGetAccessoryOption() const { return m_iAccessoryOption; }
    // Brings derived settings in line with the fields after a change of measurement mode.
    virtual void vUpdate() {}

    int iGetSamplingDevice() const { return m_iSamplingDevice; }

    int m_iSelectType = 0;            // instrument family (select type)
    std::string m_sParamVersion = "4.0";  // parameter version, "major.minor"
    int m_iMeasMode = 2;              // measurement mode; 7 is in-plane distribution
    int m_iDataMode = 1;              // 0 transmittance, 1 absorbance, 4 reflectance
    int m_iSamplingDevice = 0;        // 1 sipper, 2 autosampler with rack, 3 multi-cell holder
    int m_iModelSubType = 0;
    double m_dStartWL = 800.0;        // scan start (nm); spectra run downward from it
    double m_dEndWL = 200.0;          // scan end (nm)
    double m_dDataInterval = 1.0;     // scan data interval (nm)
    int m_bReplRowFlag = 1;           // replicate-row flag; 0: one row per sample
    int m_bConcCorrect = 0;           // amount-correction switch
    int m_iWaveDecimals = 1;
    int m_iPhotoDecimals = 4;
    int m_iAccessoryOption = 0;
};
