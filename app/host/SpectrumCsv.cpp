#include "host/SpectrumCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

#include "host/Sha256.h"

namespace {

// Fewer points than this describe no band a peak finder or a derivative could work on.
constexpr int kMinSpectrumPoints = 3;
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

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

struct CSpectrumPoint {
    double m_dWave;
    double m_dValue;
};

class CSpectrumReader {
public:
    CSpectrumReader(const std::string& sName, CRunError& error) : m_sName(sName), m_error(error) {}

    bool bRead(std::istream& in, CSpectrum& spectrum) {
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            if (!bTakeLine(sTrimmed(line), lineNo)) {
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

    bool bTakeLine(const std::string& line, int lineNo) {
        if (line.empty()) {
            return true;
        }
        const std::vector<std::string> fields = Fields(line);
        CSpectrumPoint point{};
        const bool bNumbers = fields.size() == 2 && bParseNumber(fields[0], point.m_dWave) &&
                              bParseNumber(fields[1], point.m_dValue);
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
            return bFail(sLine(lineNo), "expected 2 fields (wavelength,absorbance), found " +
                                            std::to_string(fields.size()));
        }
        const bool bWaveBad = !bParseNumber(fields[0], point.m_dWave);
        return bFail(sLine(lineNo), std::string(bWaveBad ? "wavelength" : "absorbance") +
                                        " is not a number: \"" +
                                        sTrimmed(fields[bWaveBad ? 0 : 1]) + "\"");
    }

    bool bCheckScan(int lineCount) {
        if (static_cast<int>(m_vPoints.size()) < kMinSpectrumPoints) {
            return bFail(sLine(lineCount),
                         "a spectrum needs at least " + std::to_string(kMinSpectrumPoints) +
                             " points, found " + std::to_string(m_vPoints.size()));
        }
        const double step = m_vPoints[1].m_dWave - m_vPoints[0].m_dWave;
        if (step == 0.0) {
            return bFail(sLine(m_vLineNos[1]), "wavelength repeats the one before");
        }
        for (size_t i = 2; i < m_vPoints.size(); ++i) {
            const double thisStep = m_vPoints[i].m_dWave - m_vPoints[i - 1].m_dWave;
            if (std::abs(thisStep - step) > kSpacingTolerance * std::abs(step)) {
                return bFail(sLine(m_vLineNos[i]),
                             "wavelengths are not equally spaced (a scan steps evenly)");
            }
        }
        return true;
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
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        error = {sName, "", "spectrum file not found"};
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    if (!file || !(bytes << file.rdbuf())) {
        error = {sName, "", "spectrum file cannot be read"};
        return false;
    }
    sha256 = sSha256Hex(bytes.str());
    std::istringstream in(bytes.str());
    return CSpectrumReader(sName, error).bRead(in, spectrum);
}
