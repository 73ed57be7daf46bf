#pragma once
// The instrument parameters of a method: the measurement conditions the documents copy, compare and
// list. A document owns its copy (made by pCopy) and deletes it through the virtual destructor.
//
// The conditions are public fields that the host fills for the instrument at hand. Coded settings
// (scan speed, slit, lamps, detector corrections) come with a table of texts indexed by the code;
// the defaults describe a double-beam UV-visible instrument with a near-infrared detector, and a
// code outside its table has no text. Which rows a listing shows depends on the select type (the
// instrument family) and on the availability query, whose parameter ids are:
//   0 auto zero, 1 auto-zero wavelength, 2 D2 lamp, 3 WI lamp, 4 R/S reverse,
//   5 detector zero correction, 6 high resolution or response, 7 NIR slit.
#include <array>
#include <string>
#include <vector>

#include "PhotoquantExport.h"

class PQ_EXPORT CUVInstrParameters {
public:
    static constexpr int kParamIdCount = 8;

    CUVInstrParameters() = default;
    CUVInstrParameters(const CUVInstrParameters&) = default;
    CUVInstrParameters& operator=(const CUVInstrParameters&) = default;
    virtual ~CUVInstrParameters() = default;

    // Equal when every condition and every text table agrees.
    bool operator==(const CUVInstrParameters&) const = default;

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
    // Makes the sampling interval valid before it is read: one not set (0 or less) follows the
    // scan's data interval.
    virtual void vUpdateSamplingInterval();

    int iGetSamplingDevice() const { return m_iSamplingDevice; }

    // Whether parameter id (0 to 7, see above) exists on this instrument; 0 for any other id.
    int bIsParamAvailable(int id) const;

    // Name of model-specific method parameter id as instrument family selectType calls it; -1
    // stands for this instrument's own family. The names held are those of the own family, so
    // another family's name is empty.
    std::string GetMehodParamName(int id, int selectType) const;
    // Text of the setting in use of method parameter id; when that setting has no text, the text
    // of the fallback setting.
    std::string GetValidParamValue(int id, int fallbackSetting) const;

    // Texts of coded settings, each looked up in its table.
    std::string GetDataModeText(int mode) const;
    std::string GetScanSpeedText(int code) const;
    std::string GetVariableSlitText(int slitMode) const;
    std::string GetSlitText(int code) const;
    std::string GetPMTText(int pmtMode) const;
    // -1 asks for the text of the parameters' own lamp-change mode.
    std::string GetLampChangeModeText(int mode) const;
    std::string GetBaselineText(int code) const;
    std::string GetResponseText(int code) const;
    std::string GetD2LampText(int code) const;
    std::string GetWILampText(int code) const;
    std::string GetDetZeroCorrectText(int code) const;
    std::string GetNIRScanSpeedText(int code) const;
    std::string GetNIRSlitText(int nirSlitMode) const;
    std::string GetDetChangeCorrectText(int code) const;
    std::string GetLightControlText(int code) const;
    std::string GetUVScanSpeedText(int code) const;
    // The scan's data interval with the length unit, e.g. "0.5 nm".
    std::string GetDataIntervalText() const;

    int m_iSelectType = 0;                // instrument family (select type)
    std::string m_sParamVersion = "4.0";  // parameter version, "major.minor"
    int m_iMeasMode = 2;                  // measurement mode; 7 is in-plane distribution
    int m_iDataMode = 1;                  // 0 transmittance, 1 absorbance, 4 reflectance
    int m_iSamplingDevice = 0;            // 1 sipper, 2 autosampler with rack, 3 multi-cell holder
    int m_iModelSubType = 0;              // model sub-type within the family
    double m_dStartWL = 800.0;            // scan start (nm); spectra run downward from it
    double m_dEndWL = 200.0;              // scan end (nm)
    double m_dDataInterval = 1.0;         // scan data interval (nm)
    int m_bReplRowFlag = 1;               // replicate-row flag; 0: one row per sample
    int m_bConcCorrect = 0;               // amount-correction switch
    int m_iWaveDecimals = 1;              // decimal places of wavelengths
    int m_iPhotoDecimals = 4;             // decimal places of photometric values
    int m_iAccessoryOption = 0;           // accessory option code

    // UV-visible conditions.
    int m_iScanSpeed = 2;              // scan-speed code
    double m_dSamplingInterval = 1.0;  // sampling interval (nm); 0 or less: not set
    int m_iDelay = 0;                  // delay before the measurement (s)
    int m_iSlitMode = 0;               // slit mode; 0: numeric width, others variable slit
    double m_dSlitWidth = 2.0;         // numeric slit width
    int m_iSlit = 4;                   // slit code, for families without a numeric slit
    int m_iPMTMode = 1;                // PMT mode; 0: fixed voltage
    int m_iPMTVoltage = 400;           // fixed PMT voltage (V)
    int m_iLampChangeMode = 0;         // lamp-change mode
    int m_bLampChangeWLMode = 0;       // lamp-change-wavelength switch; 0: at m_dLampChangeWL
    double m_dLampChangeWL = 340.0;    // lamp change wavelength
    int m_iBaseline = 1;               // baseline-correction code
    int m_iResponse = 1;               // response code
    int m_iD2Lamp = 1;                 // D2 lamp code
    int m_iWILamp = 1;                 // WI lamp code
    int m_bRSReverse = 0;              // R/S reverse: sample and reference beams swapped

    // Near-infrared conditions.
    int m_iDetZeroCorrect = 0;      // detector-zero-correction code
    int m_iNIRScanSpeed = 2;        // NIR scan-speed code
    int m_iNIRSlitMode = 0;         // NIR slit mode; 0: numeric width
    double m_dNIRSlitWidth = 8.0;   // numeric NIR slit width
    int m_iDetChangeCorrect = 1;    // detector-change-correct code
    double m_dDetChangeWL = 850.0;  // wavelength where the detectors change over
    int m_iLightControl = 1;        // light-control-mode code

    // UV scan-speed change: below the change wavelength the scan slows to the UV scan speed.
    int m_bUVSpeedChange = 0;         // 1: the speed change is on
    double m_dSpeedChangeWL = 340.0;  // speed-change wavelength
    int m_iUVScanSpeed = 3;           // UV scan-speed code

    std::string m_sLengthUnit = "nm";  // unit of slits and of lamp, detector and peak wavelengths
    std::string m_sSpeedUnit = "nm/min";  // unit of scan speeds
    std::string m_sWLUnit = "nm";         // unit of the auto-zero and speed-change wavelengths

    // Parameters this instrument has, by id (see above); non-zero means present.
    std::array<int, kParamIdCount> m_bParamAvailable = {};

    // Model-specific method parameters by id: name, texts of the valid settings, setting in use.
    // The NIR families list ids 0 and 1 by name; ids 6 and 7 hold the high-resolution and NIR-slit
    // settings where the availability query says those exist.
    std::array<std::string, kParamIdCount> m_sMethodParamName = {
        "Stray Light Correction", "PbS Gain", "", "", "", "", "High Resolution", "NIR Slit"};
    std::array<std::vector<std::string>, kParamIdCount> m_vsMethodParamValues = {
        std::vector<std::string>{"Off", "On"},
        {"Auto", "1", "2", "4"},
        {},
        {},
        {},
        {},
        {"Off", "On"},
        {"Auto", "2 nm", "4 nm", "8 nm", "20 nm"}};
    std::array<int, kParamIdCount> m_iMethodParamSetting = {};

    // Texts of coded settings, indexed by the code.
    std::vector<std::string> m_vsDataModeTexts = {"%T", "Abs", "", "", "%R"};
    std::vector<std::string> m_vsScanSpeedTexts = {"2400", "1200", "600", "300", "120", "60", "30"};
    std::vector<std::string> m_vsVariableSlitTexts = {"Fixed", "Auto"};
    std::vector<std::string> m_vsSlitTexts = {"0.1", "0.2", "0.5", "1", "2", "5"};
    std::vector<std::string> m_vsPMTTexts = {"Fixed", "Auto"};
    std::vector<std::string> m_vsLampChangeModeTexts = {"Auto", "Manual"};
    std::vector<std::string> m_vsBaselineTexts = {"Off", "System", "User"};
    std::vector<std::string> m_vsResponseTexts = {"Fast", "Medium", "Slow"};
    std::vector<std::string> m_vsD2LampTexts = {"Off", "On"};
    std::vector<std::string> m_vsWILampTexts = {"Off", "On"};
    std::vector<std::string> m_vsDetZeroCorrectTexts = {"Off", "On"};
    std::vector<std::string> m_vsNIRScanSpeedTexts = {"3000", "1500", "750", "300", "150"};
    std::vector<std::string> m_vsNIRSlitTexts = {"Fixed", "Auto"};
    std::vector<std::string> m_vsDetChangeCorrectTexts = {"Off", "On"};
    std::vector<std::string> m_vsLightControlTexts = {"Fixed", "Auto"};
    std::vector<std::string> m_vsUVScanSpeedTexts = {"2400", "1200", "600", "300",
                                                     "120",  "60",   "30"};
};
