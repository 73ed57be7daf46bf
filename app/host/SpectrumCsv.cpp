#include "host/SpectrumCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "host/InputFiles.h"
#include "host/Sha256.h"

namespace {

// Fewer points than this describe no band a peak finder or a derivative could work on.
constexpr int kMinSpectrumPoints = 3;
// Spreadsheet programs begin a UTF-8 file with it.
const std::string kByteOrderMark = "\xEF\xBB\xBF";
// Steps of one scan agree to this fraction of the step; wavelengths in files carry few decimals.
constexpr double kSpacingTolerance = 1e-6;

std::string sTrimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool bParseNumber(const std::string& field, double& value) {
    const std::string text = sTrimmed(field);
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (!text.empty() && *begin == '+') {
        ++begin;
    }
    const auto [stop, code] = std::from_chars(begin, end, value);
    return code == std::errc() && stop == end && !text.empty() && std::isfinite(value);
}

// A field of a line and the column (1-based, in bytes) where its text begins.
struct CField {
    std::string m_sText;
    size_t m_iColumn;
};

std::vector<CField> Fields(const std::string& line) {
    std::vector<CField> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        const std::string text = line.substr(start, comma - start);
        const size_t lead = std::min(text.find_first_not_of(" \t"), text.size());
        fields.push_back({text, start + lead + 1});
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

struct CSpectrumPoint {
    double m_dWave;
    double m_dValue;
};

class CSpectrumReader {
public:
    CSpectrumReader(const std::string& sName, CRunError& error) : m_sName(sName), m_error(error) {}

    bool bRead(const std::string& text, CSpectrum& spectrum) {
        std::istringstream lines(text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0
                                     ? text.substr(kByteOrderMark.size())
                                     : text);
        std::string line;
        int lineNo = 0;
        while (std::getline(lines, line)) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!bTakeLine(line, lineNo)) {
                return false;
            }
        }
        return bCheckScan(lineNo) && bStore(spectrum);
    }

private:
    bool bFail(const std::string& where, const std::string& problem) {
        m_error = {m_sName, where, problem};
        return false;
    }

    static std::string sLine(int lineNo) { return "line " + std::to_string(lineNo); }

    static std::string sPlace(int lineNo, size_t column) {
        return sLine(lineNo) + ", column " + std::to_string(column);
    }

    // The field's own text is never repeated in a message: a spectrum file is data, not a text
    // for the terminal.
    bool bTakeLine(const std::string& line, int lineNo) {
        if (sTrimmed(line).empty()) {
            return true;
        }
        const std::vector<CField> fields = Fields(line);
        CSpectrumPoint point{};
        const bool bNumbers = fields.size() == 2 &&
                              bParseNumber(fields[0].m_sText, point.m_dWave) &&
                              bParseNumber(fields[1].m_sText, point.m_dValue);
        if (bNumbers) {
            m_vPoints.push_back(point);
            m_vLineNos.push_back(lineNo);
            return true;
        }
        if (m_vPoints.empty() && !m_bHeaderSeen) {
            m_bHeaderSeen = true;  // column names
            return true;
        }
        if (fields.size() != 2) {
            const size_t column = fields.size() > 2 ? fields[2].m_iColumn : line.size() + 1;
            return bFail(sPlace(lineNo, column),
                         "expected 2 fields (wavelength,absorbance), found " +
                             std::to_string(fields.size()));
        }
        const bool bWaveBad = !bParseNumber(fields[0].m_sText, point.m_dWave);
        return bFail(sPlace(lineNo, fields[bWaveBad ? 0 : 1].m_iColumn),
                     std::string("expected a number (the ") +
                         (bWaveBad ? "wavelength" : "absorbance") + ")");
    }

    bool bCheckScan(int lineCount) {
        if (static_cast<int>(m_vPoints.size()) < kMinSpectrumPoints) {
            return bFail(sLine(lineCount),
                         "a spectrum needs at least " + std::to_string(kMinSpectrumPoints) +
                             " points, found " + std::to_string(m_vPoints.size()));
        }
        // Half steps: the difference of two halves cannot overflow where that of two wavelengths
        // can, and halving is exact, so equal steps stay equal.
        const double halfStep = dHalfStep(1);
        if (halfStep == 0.0) {
            return bFail(sLine(m_vLineNos[1]), "wavelength repeats the one before");
        }
        for (size_t i = 2; i < m_vPoints.size(); ++i) {
            if (std::abs(dHalfStep(i) - halfStep) > kSpacingTolerance * std::abs(halfStep)) {
                return bFail(sLine(m_vLineNos[i]),
                             "wavelengths are not equally spaced (a scan steps evenly)");
            }
        }
        const double span = m_vPoints.back().m_dWave - m_vPoints.front().m_dWave;
        if (!std::isfinite(span)) {
            return bFail(sLine(m_vLineNos.back()), "wavelengths span more than a number can hold");
        }
        return true;
    }

    double dHalfStep(size_t i) const {
        return m_vPoints[i].m_dWave / 2 - m_vPoints[i - 1].m_dWave / 2;
    }

    bool bStore(CSpectrum& spectrum) {
        if (m_vPoints.back().m_dWave > m_vPoints.front().m_dWave) {
            std::reverse(m_vPoints.begin(), m_vPoints.end());
        }
        const double span = m_vPoints.front().m_dWave - m_vPoints.back().m_dWave;
        spectrum.m_dStartWL = m_vPoints.front().m_dWave;
        spectrum.m_dInterval = span / static_cast<double>(m_vPoints.size() - 1);
        spectrum.m_vdValues.clear();
        for (const CSpectrumPoint& point : m_vPoints) {
            spectrum.m_vdValues.push_back(point.m_dValue);
        }
        return true;
    }

    std::string m_sName;
    CRunError& m_error;
    std::vector<CSpectrumPoint> m_vPoints;
    std::vector<int> m_vLineNos;
    bool m_bHeaderSeen = false;
};

}  // namespace

bool bReadSpectrumCsv(const std::filesystem::path& path, const std::string& sName,
                      CSpectrum& spectrum, std::string& sha256, CRunError& error) {
    std::string text;
    std::string problem;
    if (!bReadRegularFile(path, ELinks::kRefuse, text, problem)) {
        error = {sName, "", "cannot read the spectrum file: " + problem};
        return false;
    }
    sha256 = sSha256Hex(text);
    return CSpectrumReader(sName, error).bRead(text, spectrum);
}
