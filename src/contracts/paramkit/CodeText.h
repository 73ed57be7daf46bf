#pragma once
// The parameter library keeps the texts of a coded setting (a scan speed, a lamp state, a syringe)
// in a table indexed by the code, which a host fills for its instrument.
#include <string>
#include <vector>

// The text of a code; a code outside the table has no text.
inline std::string sCodeText(const std::vector<std::string>& texts, int code) {
    return code >= 0 && static_cast<size_t>(code) < texts.size() ? texts[static_cast<size_t>(code)]
                                                                 : std::string();
}
