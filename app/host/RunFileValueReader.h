#pragma once
// The typed readers through which the run-file reader looks at every field: numbers, whole numbers
// in a range, flags, texts, words naming a coded setting, lists of a fixed length and readings.
// Each records the first problem with its JSON pointer (/standards/1/readings/2) and returns false,
// so that the caller stops at once and the message always names the first fault in the file.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/RunError.h"

// The module shows 10 Abs for a dark reading: no photometer reads beyond that ceiling, in either
// direction. A transmittance above twice the reference is no reading either.
constexpr double kMaxAbsorbance = 10.0;
constexpr double kMaxTransmittance = 200.0;

class CRunFileValueReader {
public:
    using json = nlohmann::json;

    // sSource names the run file in messages; the first problem is written to error.
    CRunFileValueReader(const std::string& sSource, CRunError& error);

    // Records the problem at the JSON pointer where; always false.
    bool bFail(const std::string& where, const std::string& problem);

    bool bObject(const json& value, const std::string& where);
    bool bArray(const json& value, const std::string& where);
    // Every field of object is one the run file holds at that place (RunFileFields).
    bool bKnownFields(const json& object, const std::string& where, const std::string& place);
    // "expected 1 reading (one per wavelength), found 2": thing is "reading", to agree with the
    // number; why says what the number follows.
    bool bCount(const json& list, const std::string& where, size_t expected,
                const std::string& thing, const std::string& why);

    // The field's value, or null with a "missing field" error when it is required and absent.
    const json* pField(const json& object, const std::string& where, const char* key,
                       bool bRequired);
    bool bNumberValue(const json& value, const std::string& where, double& number);
    bool bNumber(const json& object, const std::string& where, const char* key, double& number,
                 bool bRequired);
    // An optional number above 0.
    bool bPositive(const json& object, const std::string& where, const char* key, double& number);
    // An optional fraction strictly between 0 and 1 (a probability, a confidence level).
    bool bFraction(const json& object, const std::string& where, const char* key, double& number);
    bool bInt(const json& object, const std::string& where, const char* key, int& number, int iMin,
              int iMax, bool bRequired);
    // An optional flag.
    bool bBool(const json& object, const std::string& where, const char* key, bool& flag);
    // A text without control characters: it is shown in lists, reports and on the terminal.
    bool bString(const json& object, const std::string& where, const char* key, std::string& text,
                 bool bRequired);
    // A word out of a list, in any letter case; its index is the setting's code.
    bool bChoice(const json& object, const std::string& where, const char* key,
                 const std::vector<std::string>& words, const std::string& what, int& code,
                 bool bRequired);
    // A reading in the run file's unit (a data mode: %T or absorbance) as the transmittance
    // fraction the documents store; only
    // readings a photometer gives: within +-kMaxAbsorbance, or 0 to kMaxTransmittance %T (0 %T
    // being a dark reading).
    bool bReading(const json& value, const std::string& where, int iReadingUnit,
                  double& transmittance);

    // What a JSON value is, for "expected a number, found ..." messages; a text is quoted and cut.
    static std::string sDescribe(const json& value);
    // A field name as one step of a JSON pointer ("~" as "~0", "/" as "~1"), cut to a readable
    // length.
    static std::string sPointerToken(const std::string& key);

protected:
    CRunError& Error() { return m_error; }

private:
    std::string m_sSource;
    CRunError& m_error;
};
