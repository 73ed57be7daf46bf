#pragma once
// The parameter library keeps the texts of a coded setting (a scan speed, a lamp state, a syringe)
// in a table indexed by the code, which a host fills for its instrument.
#include <string>
#include <vector>

namespace photoquant::detail {

// The text of a code; a code outside the table has no text.
std::string sCodeText(const std::vector<std::string>& texts, int code);

}  // namespace photoquant::detail
