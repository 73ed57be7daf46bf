#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "AppTestSupport.h"
#include "host/RunFileFields.h"

namespace {

using json = nlohmann::json;
using CFieldMap = std::map<std::string, std::set<std::string>>;

json Schema() {
    return json::parse(sFileText(std::string(PHOTOQUANT_DOCS) + "/run-file.schema.json"));
}

// A schema node with its reference followed.
const json& Resolved(const json& schema, const json& node) {
    if (node.contains("$ref")) {
        const std::string ref = node["$ref"];
        return schema["$defs"][ref.substr(ref.rfind('/') + 1)];
    }
    return node;
}

// Every object the schema describes, by its place (list entries as "*"), with its fields.
void vCollect(const json& schema, const json& node, const std::string& place, CFieldMap& fields) {
    const json& resolved = Resolved(schema, node);
    if (resolved.contains("anyOf")) {
        for (const json& alternative : resolved["anyOf"]) {
            vCollect(schema, alternative, place, fields);
        }
    }
    if (resolved.contains("properties")) {
        EXPECT_EQ(resolved.value("additionalProperties", true), false) << place;
        for (const auto& item : resolved["properties"].items()) {
            fields[place].insert(item.key());
            vCollect(schema, item.value(), place + "/" + item.key(), fields);
        }
    }
    if (resolved.contains("items") && resolved["items"].is_object()) {
        vCollect(schema, resolved["items"], place + "/*", fields);
    }
}

// The reference's tables: a heading names the place ("## `/method`", "## `/`" for the file
// itself), each row of the table under it a field ("| `unit` | ...").
CFieldMap ReferenceFields() {
    std::istringstream lines(sFileText(std::string(PHOTOQUANT_DOCS) + "/run-file.md"));
    CFieldMap fields;
    std::string place;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("#", 0) == 0) {
            const auto open = line.find("`");
            place =
                open == std::string::npos ? "" : line.substr(open + 1, line.rfind('`') - open - 1);
            place = place == "/" ? "" : place;
            if (open == std::string::npos) {
                place = "(prose)";
            }
        } else if (line.rfind("| `", 0) == 0 && place != "(prose)") {
            fields[place].insert(line.substr(3, line.find('`', 3) - 3));
        }
    }
    return fields;
}

}  // namespace

TEST(RunFileSchema, ReaderSchemaAndReferenceKnowTheSameFields) {
    CFieldMap reader;
    for (const CFieldSet& set : RunFileFieldSets()) {
        reader[set.m_sPlace].insert(set.m_vsFields.begin(), set.m_vsFields.end());
    }
    const json schema = Schema();
    CFieldMap schemaFields;
    vCollect(schema, schema, "", schemaFields);
    // The schema also describes the lists of plain values (wavelengths, positions): only objects
    // have fields.
    EXPECT_EQ(schemaFields, reader);
    EXPECT_EQ(ReferenceFields(), reader);
}
