// Run-file reader: the file's text, its syntax, and the sections read by CRunFileSectionReader.
#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/InputFiles.h"
#include "host/MessageText.h"
#include "host/RunFile.h"
#include "host/RunFileSectionReader.h"
#include "host/Sha256.h"

extern const char* const g_szBuiltinExample;

using namespace photoquant;

namespace {

using json = nlohmann::json;

// Reads the text once before the document is built and stops at the first fault of its form: a
// syntax error, a number beyond the range of a double, or a field that appears twice in one object
// (the document would keep only the second, and whatever the first held would vanish unnoticed).
// It follows the JSON pointer of the value being read, so that the fault is named where it lies.
class CJsonFormCheck : public nlohmann::json_sax<json> {
public:
    explicit CJsonFormCheck(const std::string& text) : m_text(text) {}

    bool null() override { return bValue(); }
    bool boolean(bool) override { return bValue(); }
    bool number_integer(number_integer_t) override { return bValue(); }
    bool number_unsigned(number_unsigned_t) override { return bValue(); }
    bool number_float(number_float_t, const string_t&) override { return bValue(); }
    bool string(string_t&) override { return bValue(); }
    bool binary(binary_t&) override { return bValue(); }
    bool start_object(std::size_t) override { return bOpen(true); }
    bool end_object() override { return bClose(); }
    bool start_array(std::size_t) override { return bOpen(false); }
    bool end_array() override { return bClose(); }

    bool key(string_t& key) override {
        CLevel& level = m_vLevels.back();
        level.m_sKey = key;
        if (level.m_Keys.insert(key).second) {
            return true;
        }
        m_sWhere = sPointer();
        m_sProblem = "the field appears a second time (a field may appear once in its object)";
        return false;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& ex) override {
        constexpr int kNumberOverflow = 406;
        if (ex.id == kNumberOverflow) {
            m_sWhere = sPointer();
            m_sProblem = sPlace(position - std::min(position, token.size())) +
                         ": number out of range (a reading or setting stays within about "
                         "\u00b11.8e308)";
            return false;
        }
        m_sProblem = "not valid JSON: " + sParserProblem(ex.what(), token);
        return false;
    }

    // The fault found, as a place in the run file and what is wrong; false when there is none.
    bool bFound(CRunError& error, const std::string& sourceName) const {
        if (m_sProblem.empty()) {
            return false;
        }
        error = {sourceName, m_sWhere, m_sProblem};
        return true;
    }

private:
    // An object or list being read: its fields so far, or its entries so far.
    struct CLevel {
        bool m_bObject = false;
        std::string m_sKey;
        std::set<std::string> m_Keys;
        std::size_t m_iEntries = 0;
    };

    bool bValue() {
        if (!m_vLevels.empty() && !m_vLevels.back().m_bObject) {
            ++m_vLevels.back().m_iEntries;
        }
        return true;
    }
    bool bOpen(bool bObject) {
        bValue();
        m_vLevels.push_back({});
        m_vLevels.back().m_bObject = bObject;
        return true;
    }
    bool bClose() {
        m_vLevels.pop_back();
        return true;
    }

    // The pointer of the value being read: within a list, the entry after the last one begun,
    // unless that entry is itself an open object or list.
    std::string sPointer() const {
        std::string pointer;
        for (std::size_t i = 0; i < m_vLevels.size(); ++i) {
            const CLevel& level = m_vLevels[i];
            const bool bInner = i + 1 < m_vLevels.size();
            pointer += '/';
            pointer += level.m_bObject ? CRunFileValueReader::sPointerToken(level.m_sKey)
                                       : std::to_string(level.m_iEntries - (bInner ? 1 : 0));
        }
        return pointer;
    }

    // "line 3, column 14" of the byte at offset.
    std::string sPlace(std::size_t offset) const {
        const std::string_view before = std::string_view(m_text).substr(0, offset);
        const std::size_t lastBreak = before.rfind('\n');
        const std::size_t column =
            before.size() - (lastBreak == std::string_view::npos ? 0 : lastBreak + 1) + 1;
        const auto line = std::count(before.begin(), before.end(), '\n') + 1;
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    // "line 3, column 5: syntax error while parsing ..." out of the parser's message, with the
    // text it read last quoted and cut.
    static std::string sParserProblem(const std::string& message, const std::string& token) {
        const std::string marker = "parse error at ";
        const auto at = message.find(marker);
        std::string problem =
            at == std::string::npos ? message : message.substr(at + marker.size());
        const std::string lastRead = "; last read: '" + token + "'";
        const auto tokenAt = problem.find(lastRead);
        if (tokenAt != std::string::npos) {
            problem.replace(tokenAt, lastRead.size(), "; last read: " + sQuoted(token));
        }
        return problem;
    }

    const std::string& m_text;
    std::vector<CLevel> m_vLevels;
    std::string m_sWhere;
    std::string m_sProblem;
};

// A setting's value as the file wrote it: texts as they are, numbers and flags in JSON, lists
// joined by commas (a list inside a list in parentheses).
std::string sGivenText(const nlohmann::ordered_json& value, bool bInner = false) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (!value.is_array()) {
        return value.dump();
    }
    std::string text;
    for (const auto& item : value) {
        if (!text.empty()) {
            text += ", ";
        }
        text += sGivenText(item, true);
    }
    return bInner ? "(" + text + ")" : text;
}

void vRecordLeaves(const nlohmann::ordered_json& value, const std::string& name,
                   std::vector<CGivenField>& fields) {
    if (!value.is_object()) {
        fields.emplace_back(name, sGivenText(value));
        return;
    }
    for (const auto& item : value.items()) {
        vRecordLeaves(item.value(), name.empty() ? item.key() : name + "." + item.key(), fields);
    }
}

// Every setting the file gave, in the file's order, for the report: the file's own fields, the
// method and the validation by their dotted names, and the instrument's fields apart for the
// audit header. The samples are reported by the lists.
void vRecordGivenFields(const std::string& text, CRunFile& run) {
    const auto root = nlohmann::ordered_json::parse(text, nullptr, false);
    if (!root.is_object()) {
        return;
    }
    for (const auto& item : root.items()) {
        if (item.key() == "instrument") {
            vRecordLeaves(item.value(), "", run.m_vInstrumentFields);
        } else if (item.key() != "standards" && item.key() != "unknowns") {
            vRecordLeaves(item.value(), item.key(), run.m_vGivenFields);
        }
    }
}

}  // namespace

bool CRunFile::bIsSpectral() const {
    return bIsSpectrumQuant(iQuantType());
}

bool bParseRunFile(const std::string& text, const std::string& sourceName,
                   const std::filesystem::path& spectrumDir, CRunFile& run, CRunError& error) {
    CJsonFormCheck form(text);
    json::sax_parse(text, &form);
    if (form.bFound(error, sourceName)) {
        return false;
    }
    const json root = json::parse(text, nullptr, false);
    if (!CRunFileSectionReader(sourceName, spectrumDir, error).bParse(root, run)) {
        return false;
    }
    run.m_vInputs.insert(run.m_vInputs.begin(), {sourceName, sSha256Hex(text), {}});
    vRecordGivenFields(text, run);
    return true;
}

bool bReadRunFile(const std::filesystem::path& path, CRunFile& run, CRunError& error) {
    std::string text;
    std::string problem;
    if (!bReadRegularFile(path, ELinks::kFollow, text, problem)) {
        error = {path.string(), "", "cannot read the run file: " + problem};
        return false;
    }
    if (!bParseRunFile(text, path.string(), path.parent_path(), run, error)) {
        return false;
    }
    run.m_vInputs.front().m_Path = path;
    return true;
}

bool bReadBuiltinExample(CRunFile& run, CRunError& error) {
    return bParseRunFile(g_szBuiltinExample, "built-in example", {}, run, error);
}
