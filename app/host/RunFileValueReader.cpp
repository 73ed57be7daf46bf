#include "host/RunFileValueReader.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <iterator>

#include "host/MessageText.h"
#include "host/RunFile.h"
#include "host/RunFileFields.h"
#include "photoquant.h"

using photoquant::sFixed;

namespace {

std::string sLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string sJoined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty()) {
            joined += ", ";
        }
        joined += word;
    }
    return joined;
}

}  // namespace

CRunFileValueReader::CRunFileValueReader(const std::string& sSource, CRunError& error)
    : m_sSource(sSource), m_error(error) {}

std::string CRunFileValueReader::sDescribe(const json& value) {
    switch (value.type()) {
        case json::value_t::null:
            return "null";
        case json::value_t::boolean:
            return value.get<bool>() ? "true" : "false";
        case json::value_t::string:
            return "the text " + sQuoted(value.get<std::string>());
        case json::value_t::array:
            return "a list";
        case json::value_t::object:
            return "an object";
        default:
            return "the number " + value.dump();
    }
}

bool CRunFileValueReader::bFail(const std::string& where, const std::string& problem) {
    m_error = {m_sSource, where.empty() ? "/" : where, problem};
    return false;
}

bool CRunFileValueReader::bObject(const json& value, const std::string& where) {
    return value.is_object() || bFail(where, "expected an object, found " + sDescribe(value));
}

bool CRunFileValueReader::bKnownFields(const json& object, const std::string& where,
                                       const std::string& place) {
    const std::vector<std::string>& known = RunFileFields(place);
    for (const auto& item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
            return bFail(where + "/" + sPointerToken(item.key()),
                         "unknown field (known here: " + sJoined(known) + ")");
        }
    }
    return true;
}

const CRunFileValueReader::json* CRunFileValueReader::pField(const json& object,
                                                             const std::string& where,
                                                             const char* key, bool bRequired) {
    const auto found = object.find(key);
    if (found != object.end()) {
        return &*found;
    }
    if (bRequired) {
        bFail(where + "/" + key, "missing field");
    }
    return nullptr;
}

bool CRunFileValueReader::bNumberValue(const json& value, const std::string& where,
                                       double& number) {
    if (!value.is_number()) {
        return bFail(where, "expected a number, found " + sDescribe(value));
    }
    number = value.get<double>();
    return true;
}

bool CRunFileValueReader::bNumber(const json& object, const std::string& where, const char* key,
                                  double& number, bool bRequired) {
    const json* pValue = pField(object, where, key, bRequired);
    return pValue == nullptr ? !bRequired : bNumberValue(*pValue, where + "/" + key, number);
}

bool CRunFileValueReader::bPositive(const json& object, const std::string& where, const char* key,
                                    double& number) {
    if (!bNumber(object, where, key, number, false)) {
        return false;
    }
    return number > 0.0 || bFail(where + "/" + key, "must be above 0, found " + sFixed(number, 6));
}

bool CRunFileValueReader::bFraction(const json& object, const std::string& where, const char* key,
                                    double& number) {
    const json* pValue = pField(object, where, key, false);
    if (pValue == nullptr) {
        return true;
    }
    if (!bNumberValue(*pValue, where + "/" + key, number)) {
        return false;
    }
    return (number > 0.0 && number < 1.0) ||
           bFail(where + "/" + key,
                 "must lie between 0 and 1 (0.95 for 95 %), found " + sDescribe(*pValue));
}

bool CRunFileValueReader::bInt(const json& object, const std::string& where, const char* key,
                               int& number, int iMin, int iMax, bool bRequired) {
    const json* pValue = pField(object, where, key, bRequired);
    if (pValue == nullptr) {
        return !bRequired;
    }
    const std::string path = where + "/" + key;
    if (!pValue->is_number_integer()) {
        return bFail(path, "expected a whole number, found " + sDescribe(*pValue));
    }
    // Whole numbers beyond the signed range arrive unsigned; they are out of range as they stand.
    const bool bBeyondSigned =
        pValue->is_number_unsigned() &&
        pValue->get<unsigned long long>() > static_cast<unsigned long long>(LLONG_MAX);
    const long long value = bBeyondSigned ? 0 : pValue->get<long long>();
    const bool bInRange = !bBeyondSigned && value >= iMin && value <= iMax;
    if (!bInRange) {
        return bFail(path, "must lie between " + std::to_string(iMin) + " and " +
                               std::to_string(iMax) + ", found " + pValue->dump());
    }
    number = static_cast<int>(value);
    return true;
}

bool CRunFileValueReader::bBool(const json& object, const std::string& where, const char* key,
                                bool& flag) {
    const json* pValue = pField(object, where, key, false);
    if (pValue == nullptr) {
        return true;
    }
    if (!pValue->is_boolean()) {
        return bFail(where + "/" + key, "expected true or false, found " + sDescribe(*pValue));
    }
    flag = pValue->get<bool>();
    return true;
}

bool CRunFileValueReader::bString(const json& object, const std::string& where, const char* key,
                                  std::string& text, bool bRequired) {
    const json* pValue = pField(object, where, key, bRequired);
    if (pValue == nullptr) {
        return !bRequired;
    }
    if (!pValue->is_string()) {
        return bFail(where + "/" + key, "expected a text, found " + sDescribe(*pValue));
    }
    text = pValue->get<std::string>();
    return !bHasUnprintable(text) ||
           bFail(where + "/" + key,
                 "a text may not hold control characters (line breaks, tabs, escapes), found " +
                     sQuoted(text));
}

bool CRunFileValueReader::bChoice(const json& object, const std::string& where, const char* key,
                                  const std::vector<std::string>& words, const std::string& what,
                                  int& code, bool bRequired) {
    std::string text;
    if (!bString(object, where, key, text, bRequired)) {
        return false;
    }
    if (object.find(key) == object.end()) {
        return true;
    }
    for (size_t i = 0; i < words.size(); ++i) {
        if (!words[i].empty() && sLower(words[i]) == sLower(text)) {
            code = static_cast<int>(i);
            return true;
        }
    }
    std::vector<std::string> offered;
    std::copy_if(words.begin(), words.end(), std::back_inserter(offered),
                 [](const std::string& word) { return !word.empty(); });
    return bFail(where + "/" + key,
                 "unknown " + what + " " + sQuoted(text) + " (one of: " + sJoined(offered) + ")");
}

bool CRunFileValueReader::bArray(const json& value, const std::string& where) {
    return value.is_array() || bFail(where, "expected a list, found " + sDescribe(value));
}

bool CRunFileValueReader::bCount(const json& list, const std::string& where, size_t expected,
                                 const std::string& thing, const std::string& why) {
    if (list.size() == expected) {
        return true;
    }
    return bFail(where, "expected " + std::to_string(expected) + " " + thing +
                            (expected == 1 ? "" : "s") + " (" + why + "), found " +
                            std::to_string(list.size()));
}

bool CRunFileValueReader::bReading(const json& value, const std::string& where, int iReadingUnit,
                                   double& transmittance) {
    double reading = 0.0;
    if (!bNumberValue(value, where, reading)) {
        return false;
    }
    if (iReadingUnit == photoquant::kAbsorbanceMode) {
        if (std::abs(reading) > kMaxAbsorbance) {
            return bFail(where,
                         "an absorbance beyond \u00b110 Abs is no photometer's reading, found " +
                             value.dump() + " Abs");
        }
        transmittance = dTransmittanceOf(reading, iReadingUnit);
        return true;
    }
    if (reading < 0.0) {
        return bFail(where, "a transmittance cannot be negative, found " + value.dump() + " %T");
    }
    if (reading > kMaxTransmittance) {
        return bFail(where, "a transmittance above 200 %T is no photometer's reading, found " +
                                value.dump() + " %T");
    }
    transmittance = dTransmittanceOf(reading, iReadingUnit);
    return true;
}

std::string CRunFileValueReader::sPointerToken(const std::string& key) {
    std::string token;
    for (char c : key) {
        token += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
    }
    const std::string quoted = sQuoted(token);  // escaped and cut, inside quotes
    return quoted.substr(1, quoted.size() - 2);
}
