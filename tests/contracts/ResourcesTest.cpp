#include <gtest/gtest.h>

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

TEST(Resources, QuantityNamesKeepTheirCase) {
    EXPECT_EQ(sText(1), "concentration");
    EXPECT_EQ(sText(26), "Transmittance");
    EXPECT_EQ(sText(3), "absorbance");
}

TEST(Resources, ATextUsedInTwoPlacesStandsUnderEachOfItsNumbers) {
    for (UINT id : {25u, 340u, 344u}) {
        EXPECT_EQ(sText(id), "Wavelength") << id;
    }
    for (UINT id : {62u, 102u, 337u}) {
        EXPECT_EQ(sText(id), "Scan Speed") << id;
    }
    EXPECT_EQ(sText(83), "R");
    EXPECT_EQ(sText(93), "R");
    EXPECT_EQ(sText(84), "R2");
    EXPECT_EQ(sText(94), "R2");
    EXPECT_EQ(sText(58), "Derivative");
    EXPECT_EQ(sText(61), "Derivative");
    EXPECT_EQ(sText(13), "Ratio");
    EXPECT_EQ(sText(493), "Ratio");
    // The column header and the measurement type differ only in the case of one letter.
    EXPECT_EQ(sText(56), "Peak Area");
    EXPECT_EQ(sText(59), "Peak area");
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
