#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "photoquant.h"
#include "resources/ModuleRegistration.h"

using photoquant::detail::PhotoquantDLL;

namespace {

std::string sText(UINT id) {
    return CResourceString(PhotoquantDLL.hResource, id);
}

// A record's fields; a control without text ends in an empty field after its last tab.
std::vector<std::string> fields(const std::string& record) {
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t tab = record.find('\t'); tab != std::string::npos; tab = record.find('\t', start)) {
        result.push_back(record.substr(start, tab - start));
        start = tab + 1;
    }
    result.push_back(record.substr(start));
    return result;
}

// The records of dialog template id, remarks left out, each split at its tabs.
std::vector<std::vector<std::string>> dialogRecords(UINT id) {
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(AfxLoadDialogTemplate(PhotoquantDLL.hResource, id));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != '#') {
            records.push_back(fields(line));
        }
    }
    return records;
}

}  // namespace

// A text used in two places stands under each of its numbers; quantity names keep their case, and
// the column header and the measurement type differ only in the case of one letter.
TEST(Resources, TextsStandUnderEachOfTheirNumbersInTheirOwnCase) {
    const auto vExpectUnder = [](const char* text, std::initializer_list<UINT> ids) {
        for (UINT id : ids) {
            EXPECT_EQ(sText(id), text) << id;
        }
    };
    vExpectUnder("concentration", {1});
    vExpectUnder("absorbance", {3});
    vExpectUnder("Transmittance", {26});
    vExpectUnder("Photometry", {17});
    vExpectUnder("Wavelength", {25, 340, 344});
    vExpectUnder("Scan Speed", {62, 102, 337});
    vExpectUnder("R", {83, 93});
    vExpectUnder("R2", {84, 94});
    vExpectUnder("Derivative", {58, 61});
    vExpectUnder("Ratio", {13, 493});
    vExpectUnder("Peak Area", {56});
    vExpectUnder("Peak area", {59});
    EXPECT_EQ(sText(999999), "");  // no such number
    EXPECT_EQ(std::string(CResourceString(nullptr, 100)),
              "This spectrum contains too few data points to calculate the derivative.");
}

TEST(Resources, EveryPageTemplateIsRegisteredWithItsOwnDialogRecord) {
    for (UINT id : {5001u, 5002u, 6004u}) {
        const auto records = dialogRecords(id);
        ASSERT_FALSE(records.empty()) << id;
        EXPECT_EQ(records[0][0], "DIALOG") << id;
        EXPECT_EQ(records[0][1], std::to_string(id));
        std::set<std::string> seen;
        for (const auto& record : records) {
            EXPECT_EQ(record.size(), record[0] == "DIALOG" ? 8u : 9u) << id;
            if (record[0] == "CONTROL" && record[1] != "-1") {
                EXPECT_TRUE(seen.insert(record[1]).second) << id << " repeats " << record[1];
            }
        }
    }
    EXPECT_EQ(dialogRecords(5001)[0][2], "Info");
    EXPECT_EQ(dialogRecords(6004)[0][2], "Option");
}
