#pragma once
// The user's display options of the parameter library. A default-constructed object is a copy of
// the process-wide current options, which a host replaces with vSetCurrent.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CDataDisplayOptions {
public:
    CDataDisplayOptions();

    static void vSetCurrent(const CDataDisplayOptions& options);
    // The absorbance unit text; -1 asks for the current one.
    std::string GetAbsUnit(int index) const;

    int m_iAbsDecimals = 4;   // absorbance decimal places (first int)
    int m_iPctTDecimals = 2;  // transmittance decimal places (second int)
    int m_iXDecimals = 1;     // decimal places of X values (third int)
    int m_iGridOn = 0;        // fourth int
    int m_iAbsUnit = 0;       // index of the absorbance unit text (fifth int)
    int m_iAbsForNonPositiveT =
        10;  // absorbance shown for a transmittance at or below 0 (sixth int)
    std::string m_sAbsUnit = "Abs";  // text of the absorbance unit

private:
    struct FactoryDefaults {};
    explicit CDataDisplayOptions(FactoryDefaults) {}
    static CDataDisplayOptions& current();
};
