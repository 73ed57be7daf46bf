// Run-file reader: the file's text, its syntax, and the sections read by CRunFileSectionReader.
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/RunFile.h"
#include "host/RunFileSectionReader.h"
#include "host/Sha256.h"

extern const char* const g_szBuiltinExample;

using namespace photoquant;

namespace {

using json = nlohmann::json;

// Records where a parse error lies without the DOM parser throwing.
class CSyntaxErrorFinder : public nlohmann::json_sax<json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& ex) override {
        m_sProblem = ex.what();
        return false;
    }
    // "line 3, column 5: syntax error while parsing ..." out of the library's message.
    std::string sProblem() const {
        const std::string marker = "parse error at ";
        const auto at = m_sProblem.find(marker);
        return at == std::string::npos ? m_sProblem : m_sProblem.substr(at + marker.size());
    }

private:
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
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        CSyntaxErrorFinder finder;
        json::sax_parse(text, &finder);
        error = {sourceName, "", "not valid JSON: " + finder.sProblem()};
        return false;
    }
    if (!CRunFileSectionReader(sourceName, spectrumDir, error).bParse(root, run)) {
        return false;
    }
    run.m_vInputs.insert(run.m_vInputs.begin(), {sourceName, sSha256Hex(text)});
    vRecordGivenFields(text, run);
    return true;
}

bool bReadRunFile(const std::filesystem::path& path, CRunFile& run, CRunError& error) {
    std::error_code code;
    if (!std::filesystem::exists(path, code)) {
        error = {path.string(), "", "cannot read the run file: no such file"};
        return false;
    }
    if (!std::filesystem::is_regular_file(path, code)) {
        error = {path.string(), "", "cannot read the run file: not a regular file"};
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = {path.string(), "", "cannot read the run file: it cannot be opened"};
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return bParseRunFile(text.str(), path.string(), path.parent_path(), run, error);
}

bool bReadBuiltinExample(CRunFile& run, CRunError& error) {
    return bParseRunFile(g_szBuiltinExample, "built-in example", {}, run, error);
}
