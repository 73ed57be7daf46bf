#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "AppTestSupport.h"
#include "host/ReportWriters.h"

namespace {

using CRecords = std::vector<std::vector<std::string>>;

// RFC 4180 reader: records end in CR LF; a quoted field may hold commas, quotes (doubled) and line
// breaks. False on anything the RFC does not allow.
bool bParseCsv(const std::string& text, CRecords& records) {
    std::vector<std::string> record;
    for (size_t i = 0; i < text.size();) {
        std::string field;
        if (text[i] == '"') {
            for (++i; i < text.size() && (text[i] != '"' || text.compare(i, 2, "\"\"") == 0); ++i) {
                i += text[i] == '"' ? 1 : 0;  // a doubled quote stands for one
                field += text[i];
            }
            if (i++ >= text.size()) {
                return false;  // unclosed quote
            }
        } else {
            const size_t end = std::min(text.find_first_of(",\r\"\n", i), text.size());
            field = text.substr(i, end - i);
            i = end;
        }
        record.push_back(field);
        if (i < text.size() && text[i] == ',') {
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            i += 2;
            records.push_back(record);
            record.clear();
        } else {
            return false;  // a quote or bare line feed inside a field, or no record end
        }
    }
    return record.empty();
}

// Strict XML well-formedness: every tag closed in order, attributes quoted, only the five
// predefined entities or character references, no bare '<' or '&' in text. A DOCTYPE line and
// comments are skipped. Returns the problem, or an empty text.
std::string sWellFormedProblem(const std::string& xml) {
    std::vector<std::string> open;
    size_t i = 0;
    auto checkText = [&](size_t from, size_t to) -> std::string {
        for (size_t k = from; k < to; ++k) {
            if (xml[k] != '&') {
                continue;
            }
            const size_t end = xml.find(';', k);
            const std::string entity = xml.substr(k, end == std::string::npos ? 8 : end - k + 1);
            const bool bKnown = entity == "&amp;" || entity == "&lt;" || entity == "&gt;" ||
                                entity == "&quot;" || entity == "&apos;" ||
                                entity.rfind("&#", 0) == 0;
            if (!bKnown) {
                return "bad entity " + entity;
            }
        }
        return {};
    };
    while (i < xml.size()) {
        const size_t lt = xml.find('<', i);
        const std::string textProblem = checkText(i, lt == std::string::npos ? xml.size() : lt);
        if (!textProblem.empty()) {
            return textProblem;
        }
        if (lt == std::string::npos) {
            break;
        }
        if (xml.compare(lt, 4, "<!--") == 0) {
            i = xml.find("-->", lt) + 3;
            continue;
        }
        const size_t gt = xml.find('>', lt);
        if (gt == std::string::npos) {
            return "unclosed tag";
        }
        std::string tag = xml.substr(lt + 1, gt - lt - 1);
        i = gt + 1;
        if (tag.rfind("!DOCTYPE", 0) == 0) {
            continue;
        }
        if (tag.front() == '/') {
            if (open.empty() || open.back() != tag.substr(1)) {
                return "</" + tag.substr(1) + "> closes " +
                       (open.empty() ? "nothing" : open.back());
            }
            open.pop_back();
            continue;
        }
        const bool bSelfClosing = tag.back() == '/';
        if (bSelfClosing) {
            tag.pop_back();
        }
        const std::string name = tag.substr(0, tag.find_first_of(" \n"));
        // Attributes: name="value" pairs separated by blanks.
        for (size_t k = name.size(); k < tag.size();) {
            while (k < tag.size() && (tag[k] == ' ' || tag[k] == '\n')) {
                ++k;
            }
            if (k >= tag.size()) {
                break;
            }
            const size_t eq = tag.find('=', k);
            if (eq == std::string::npos || eq + 1 >= tag.size() || tag[eq + 1] != '"') {
                return "unquoted attribute in <" + name + ">";
            }
            const size_t close = tag.find('"', eq + 2);
            if (close == std::string::npos || tag.find('<', eq) < close) {
                return "bad attribute value in <" + name + ">";
            }
            k = close + 1;
        }
        if (!bSelfClosing) {
            open.push_back(name);
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + "> never closed";
}

}  // namespace

TEST(Outputs, CsvListsParseAsRfc4180AndHoldTheListCells) {
    const CScratchDir dir;
    const auto csvDir = dir.Path() / "lists";
    const CProgramResult result = RunProgram("--csv '" + csvDir.string() + "'");
    ASSERT_EQ(result.m_iExit, 0) << result.m_sErr;
    for (const char* name :
         {"list-standards", "list-standards-calibration", "list-unknowns-calibration",
          "calibration", "standard-points", "standards", "unknown-points", "samples"}) {
        CRecords records;
        EXPECT_TRUE(bParseCsv(sFileText(csvDir / (std::string(name) + ".csv")), records)) << name;
    }
    CRecords unknowns;
    ASSERT_TRUE(bParseCsv(sFileText(csvDir / "list-unknowns.csv"), unknowns));
    ASSERT_EQ(unknowns.size(), 11u);  // header, the blank's one row, three samples of three rows
    EXPECT_EQ(unknowns[0][0], "Samp No. / Name");
    EXPECT_EQ(unknowns[2][0], "1 Well water");
    EXPECT_EQ(unknowns[3][0], std::string(12, ' '));  // kept exactly as the list holds it
    EXPECT_EQ(unknowns[4][4].substr(0, 7), "2.527 [");
}

TEST(Outputs, CsvQuotesCommasQuotesAndLineBreaks) {
    CTableBlock table;
    table.m_vsHeaders = {"Name", "Value"};
    table.m_vvsRows = {{"Serum, 1:50", "say \"hi\""}, {"two\nlines", "plain"}};
    const std::string csv = sCsvTable(table);
    EXPECT_EQ(csv, "Name,Value\r\n\"Serum, 1:50\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",plain\r\n");
    CRecords records;
    ASSERT_TRUE(bParseCsv(csv, records));  // the reader itself, on every kind of quoted field
    EXPECT_EQ(records[1][1], "say \"hi\"");
    EXPECT_EQ(records[2][0], "two\nlines");
    EXPECT_FALSE(bParseCsv("a,\"b\"c\r\n", records) || bParseCsv("a\nb\r\n", records) ||
                 bParseCsv("\"a\r\n", records) || bParseCsv("a,b", records));
}

TEST(Outputs, HtmlPageIsWellFormedWithThePlotAndEveryTable) {
    const CScratchDir dir;
    const auto page = dir.Path() / "report.html";
    const CProgramResult result = RunProgram("--html '" + page.string() + "'");
    ASSERT_EQ(result.m_iExit, 0) << result.m_sErr;
    const std::string html = sFileText(page);
    EXPECT_EQ(sWellFormedProblem(html), "");
    EXPECT_NE(html.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    EXPECT_NE(html.find(">Concentration (mg/L)</text>"), std::string::npos);
    // Five standards in triplicate, and the legend's sample.
    EXPECT_EQ(iOccurrences(html, "class=\"replicate\" cx"), 16u);
    EXPECT_NE(html.find("<td>2.527 [0.0126589][0.500989]</td>"), std::string::npos);
    EXPECT_EQ(dir.iEntryCount(), 1) << "no temporary file is left";
}

TEST(Outputs, ControlCharactersReachNeitherTheTerminalNorThePage) {
    CReport report;
    report.m_sTitle = "Iron \x1b[2J";                 // clears a terminal
    report.m_sSource = std::string("run\0.json", 9);  // a file name from a shared folder
    CTableBlock table;
    table.m_vsHeaders = {"Samp No. / Name"};
    table.m_vvsRows = {{"1 S\x1b]0;owned\x07"}};  // sets a terminal's title
    report.m_vSections.push_back({"Unknowns", {table}});
    const std::string controls("\x1b\0\x07", 3);
    const std::string text = sTextReport(report);
    EXPECT_EQ(text.find_first_of(controls), std::string::npos);
    EXPECT_NE(text.find("Iron \\x1b[2J\n"), std::string::npos);
    EXPECT_NE(text.find("Run file: run\\x00.json\n"), std::string::npos);
    EXPECT_NE(text.find("1 S\\x1b]0;owned\\x07\n"), std::string::npos);
    const std::string html = sHtmlReport(report);
    EXPECT_EQ(html.find_first_of(controls), std::string::npos);
    EXPECT_NE(html.find("<td>1 S\uFFFD]0;owned\uFFFD</td>"), std::string::npos);
    EXPECT_EQ(sWellFormedProblem(html), "");
}

TEST(Outputs, WellFormednessCheckCatchesWhatABrowserWouldForgive) {
    EXPECT_EQ(sWellFormedProblem("<p><b>x</p></b>"), "</p> closes b");
    EXPECT_EQ(sWellFormedProblem("<td class=right>x</td>"), "unquoted attribute in <td>");
    EXPECT_EQ(sWellFormedProblem("<p>R&D</p>"), "bad entity &D</p>");
    EXPECT_EQ(sWellFormedProblem("<svg><g></svg>"), "</svg> closes g");
}

TEST(Outputs, TextTablesAlignColumnsAndSplitReportTextIntoBlocks) {
    const std::vector<CTableBlock> blocks = TextTables(
        "Calibration type:\t1st order\nForce through zero:\tNo\n"
        "Seg #\tStart (%)\tEnd (%)\tA0\tA1\n1\t0.0\t1.0\t0\t2\n");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_TRUE(blocks[0].m_vsHeaders.empty());
    EXPECT_EQ(blocks[1].m_vsHeaders[0], "Seg #");
    ASSERT_EQ(blocks[1].m_vvsRows.size(), 1u);

    CReport report;
    report.m_sTitle = "T";
    report.m_sSource = "run.json";
    report.m_vSections.push_back({"Calibration", blocks});
    report.m_vSections.push_back({"Empty"});  // left out
    report.m_vSections.push_back({"Notes"});
    report.m_vSections.back().m_vsNotes = {"A note."};
    EXPECT_EQ(sTextReport(report),
              "T\n=\nRun file: run.json\n\nCalibration\n-----------\n"
              "Calibration type:    1st order\nForce through zero:  No\n\n"
              "Seg #  Start (%)  End (%)  A0  A1\n-----  ---------  -------  --  --\n"
              "1      0.0        1.0      0   2\n\nNotes\n-----\nA note.\n");
}

TEST(CommandLine, HelpShowsExamplesAndVersionItsNumber) {
    const CProgramResult help = RunProgram("--help");
    EXPECT_EQ(help.m_iExit, 0);
    EXPECT_NE(help.m_sOut.find("Examples:\n  photoquant "), std::string::npos);
    EXPECT_NE(help.m_sOut.find("--profile"), std::string::npos);
    const CProgramResult version = RunProgram("--version");
    EXPECT_EQ(version.m_iExit, 0);
    EXPECT_EQ(version.m_sOut, std::string("photoquant ") + PHOTOQUANT_VERSION_TEXT + "\n");
}

TEST(Outputs, TidyCsvHoldsOneValuePerCellAndReadsBackToTheSameNumbers) {
    const CExecutedRun iron("one-wavelength.json");
    const CReport report = iron.Run().Report();
    const CUVUnknownData& unknowns = iron.Run().Unknowns();
    auto table = [&](const std::string& name) {
        CRecords records;
        for (const CNamedList& named : report.m_vTables) {
            if (named.m_sName == name) {
                EXPECT_TRUE(bParseCsv(sCsvTable(named.m_Table), records)) << name;
            }
        }
        return records;
    };
    const CRecords points = table("unknown-points");
    ASSERT_EQ(points.size(), 13u);  // header and the 12 measured points, the blank's three included
    EXPECT_EQ(points[0],
              (std::vector<std::string>{
                  "Sample", "Blank", "Name", "Replicate", "Reading at 510 nm (Abs)",
                  "Used reading (Abs, blank corrected)", "Result concentration (mg/L)", "Flag"}));
    for (size_t i = 1; i < points.size(); ++i) {
        const int p = static_cast<int>(i) - 1;
        EXPECT_EQ(std::strtod(points[i][6].c_str(), nullptr), unknowns.GetValue(p).x) << i;
        for (size_t c = 3; c < 7; ++c) {  // numbers, each alone and whole in its cell
            char* end = nullptr;
            std::strtod(points[i][c].c_str(), &end);
            EXPECT_EQ(*end, '\0') << points[i][c];
        }
        EXPECT_EQ(points[i][2].find_first_of("[] ", points[i][2].size() - 1), std::string::npos);
    }
    EXPECT_EQ(points[7][7], "HIGH");  // river water, replicate 1: 8.7 mg/L
    const CRecords samples = table("samples");
    ASSERT_EQ(samples.size(), 5u);
    EXPECT_EQ(samples[0][4], "Mean concentration (mg/L)");
    EXPECT_EQ(std::strtod(samples[2][4].c_str(), nullptr), unknowns.dGetMeanConc(1));
    EXPECT_EQ(std::strtod(samples[2][5].c_str(), nullptr), unknowns.dGetSD(1));
    EXPECT_EQ(samples[4][13], "1.6");  // spinach digest: 1 / 1.25 * 2
    const CRecords calibration = table("calibration");
    EXPECT_EQ(std::strtod(calibration[1][8].c_str(), nullptr),
              iron.Run().Standards().pGetCalibList()->GetAt(0)->m_dCoeff[1]);

    const CExecutedRun segmented("segmented-through-zero.json");
    for (const CNamedList& named : segmented.Run().Report().m_vTables) {
        if (named.m_sName == "calibration") {
            ASSERT_EQ(named.m_Table.m_vvsRows.size(), 4u);  // the origin segment and three more
            // Concentration from reading, origin to (10, 0.045): 10 / 0.045, every digit kept.
            EXPECT_EQ(named.m_Table.m_vvsRows[0][8], "222.22222222222223");
        }
    }
    const CExecutedRun ratio("ratio-k-factors.json");
    for (const CNamedList& named : ratio.Run().Report().m_vTables) {
        EXPECT_NE(named.m_sName, "calibration");  // no standards, no calibration file
    }
}
