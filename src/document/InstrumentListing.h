#pragma once
// The measurement conditions of an analysis, one parameter a row: measurement type, data mode,
// wavelengths, scan speed, slit, detector and lamp settings of the instrument, then the peak or
// derivative settings of the quantitation. Which rows appear depends on the instrument family (the
// select type of the instrument parameters) and on the quantitation type: peak area, peak height
// and derivative work on spectra (start and end wavelength, scan speed, sampling interval),
// wavelength and ratio quantitation on fixed wavelengths (their number and values).
//
// The same rows feed two consumers, so their conditions live in one place:
//   - the conditions text of the unknowns document, for reports and the clipboard, one line a row:
//       Slit Width:<tab>2.00 nm<line feed>
//     and a header row as its text and a line feed alone;
//   - the instrument parameters page, a two-column list of label and value, which differs from the
//     text in the points that CListingStyle names.
//
// A document without instrument parameters has no conditions to list: no rows, an empty text.
#include <string>
#include <vector>

class CUVPhotometryData;

namespace photoquant::detail {

// One row of the listing: a parameter with its value, or a header that opens or closes a group
// (a header has no value).
struct CListingRow {
    std::string sLabel;
    std::string sValue;
    bool bHeader = false;
};

// How the instrument parameters page lists the conditions differently from the report text.
struct CListingStyle {
    bool bPathRows = true;                   // "Path Correct" and "Path Length"
    bool bNIRClosingRule = true;             // the rule line that closes the NIR group
    bool bSectionHeaders = false;            // "--- Peak Detection ---" and "--- Derivative ---"
    bool bIntegMethodForPeakHeight = false;  // peak height also names its integration method
    // Family 8 lists its integration time for quantitation types 0 and 4 only, rather than for
    // every type that does not work on spectra.
    bool bIntegTimeForFixedWavelength = false;
    bool bPMTVoltageBelowOne = false;  // every PMT mode below 1 shows the fixed voltage
    // The lamp-change text is asked for the parameters' own mode field instead of with -1.
    bool bLampChangeModeFromField = false;
    // A numeric NIR slit shows the slit text of its width cut to an integer, not the width itself.
    bool bNIRSlitAsSlitText = false;
    // A numeric slit width keeps the notation of the rows before it: 2 decimals in fixed notation
    // once an earlier row wrote a fixed number, else 2 significant digits.
    bool bSlitWidthInEarlierNotation = false;
    // Longest label or value in bytes (cut at a character boundary); 0 leaves them whole.
    int iCellLimit = 0;
};

// The report text's rows.
inline constexpr CListingStyle kConditionsTextStyle{};

// The page's rows: labels and values fit its 128-character cell buffer.
inline constexpr CListingStyle kInstrumentPageStyle{.bPathRows = false,
                                                    .bNIRClosingRule = false,
                                                    .bSectionHeaders = true,
                                                    .bIntegMethodForPeakHeight = true,
                                                    .bIntegTimeForFixedWavelength = true,
                                                    .bPMTVoltageBelowOne = true,
                                                    .bLampChangeModeFromField = true,
                                                    .bNIRSlitAsSlitText = true,
                                                    .bSlitWidthInEarlierNotation = true,
                                                    .iCellLimit = 127};

// The rows whose conditions hold for the document, in listing order. Listing the spectral rows
// brings the parameters' sampling interval up to date first (an unset one follows the scan's data
// interval), which is the one change the listing makes to the document's parameters.
std::vector<CListingRow> InstrumentListingRows(const CUVPhotometryData& doc, CListingStyle style);

// The conditions text: one line per row, each line at most 255 characters. A longer line (a very
// long text from the parameter library) is cut and keeps its line feed, so the next parameter
// still starts a line of its own.
std::string sInstrumentListingText(const CUVPhotometryData& doc);

}  // namespace photoquant::detail
