#pragma once
// The fields of every object a run file holds, by the object's place. The reader accepts exactly
// these; docs/run-file.md and docs/run-file.schema.json document exactly these, and a test holds
// the three together. A place is a JSON pointer, "*" standing for any index of a list.
#include <string>
#include <vector>

struct CFieldSet {
    std::string m_sPlace;
    std::vector<std::string> m_vsFields;
};

const std::vector<CFieldSet>& RunFileFieldSets();
// The fields at a place of the table (an empty list for any other place).
const std::vector<std::string>& RunFileFields(const std::string& place);
