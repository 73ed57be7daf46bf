#pragma once
// Report texts: tab-separated lines of a label, ":\t" and a value, written to a string or to a text
// file. A file is written beside its final place and renamed over it, so a failed write never
// leaves half a report where the last good one was.
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

namespace photoquant::detail {

// One report line: label, ":\t", value, line feed.
void vWriteReportLine(std::ostream& out, const std::string& label, const std::string& value);

// The text shortened to at most limit bytes without splitting a UTF-8 character: how a text that
// does not fit its fixed character buffer is cut.
std::string sCutToFit(const std::string& text, size_t limit);

// A coefficient as UVDATASTR writes it, or "*****" when it is not a usable number.
std::string sCoefficientText(double value);

// Writes the text the writer produces to the file at path, followed by one zero byte. Returns 1
// when the whole file was written and put in place, 0 otherwise (nothing is left behind then).
int bWriteReportFile(const std::string& path, const std::function<void(std::ostream&)>& writer);

}  // namespace photoquant::detail
