#include <gtest/gtest.h>

#include "AppTestSupport.h"

namespace {

// A valid one-wavelength run of one standard and one unknown; each case spoils one thing.
std::string sRun(const std::string& method, const std::string& standardReadings,
                 const std::string& unit = "%T") {
    return R"({"reading_unit": ")" + unit + R"(", "method": {)" + method +
           R"(}, "standards": [{"name": "S1", "concentration": 1.0, "readings": )" +
           standardReadings + R"(}], "unknowns": [{"name": "U1", "readings": [[40.0]]}]})";
}

const std::string kMethod =
    R"("quantitation": "wavelength", "wavelengths": [510], "replicates": 1)";

struct CBadCase {
    const char* m_szName;
    std::string m_sRunFile;
    std::string m_sMessage;  // after "photoquant: FILE: "
};

// Runs the bad file asking for every report file, and checks the one message, the status and
// that no report file (nor a temporary one) was left.
void vExpectRefused(const CBadCase& bad) {
    const CScratchDir dir;
    const auto file = dir.Write("run.json", bad.m_sRunFile);
    const CProgramResult result =
        RunProgram("run '" + file.string() + "' --csv '" + (dir.Path() / "lists").string() +
                   "' --html '" + (dir.Path() / "report.html").string() + "'");
    EXPECT_EQ(result.m_iExit, 2) << bad.m_szName;
    EXPECT_EQ(result.m_sErr, "photoquant: " + file.string() + ": " + bad.m_sMessage + "\n")
        << bad.m_szName;
    EXPECT_EQ(result.m_sOut, "") << bad.m_szName;
    EXPECT_EQ(dir.iEntryCount(), 1) << bad.m_szName << ": only the run file stays";
}

}  // namespace

TEST(BadInput, EachFaultOfARunFileIsNamedWithItsPlaceAndNothingIsWritten) {
    const CBadCase cases[] = {
        {"invalid JSON", R"({"method": {"quantitation": "wavelength",}})",
         // the '}' after the comma is the 42nd character
         "not valid JSON: line 1, column 42: syntax error while parsing object key - unexpected "
         "'}'; expected string literal"},
        {"missing field", sRun(R"("quantitation": "wavelength", "wavelengths": [510])", "[[40]]"),
         "/method/replicates: missing field"},
        {"mistyped field",
         sRun(R"("quantitation": "wavelength", "wavelengths": [510], "replicates": "three")",
              "[[40]]"),
         "/method/replicates: expected a whole number, found the text \"three\""},
        {"unknown field", sRun(kMethod + R"(, "replicate": 2)", "[[40]]"),
         "/method/replicate: unknown field (known here: quantitation, wavelengths, replicates, "
         "calibration, force_through_zero, direction, weighting, calibration_statistics, "
         "limits, unit, decimals, statistics, statistics_group, result, k_factors, operand, "
         "manual_calibration, path_length, path_length_correction, peak, derivative, stage)"},
        {"readings per point against wavelengths", sRun(kMethod, "[[40, 50]]"),
         "/standards/0/readings/0: expected 1 reading (one per wavelength), found 2"},
        {"readings against replicates", sRun(kMethod, "[[40], [41]]"),
         "/standards/0/readings: expected 1 point (one per replicate), found 2"},
        {"unknown quantitation",
         sRun(R"("quantitation": "fluorescence", "wavelengths": [510], "replicates": 1)", "[[40]]"),
         "/method/quantitation: unknown quantitation \"fluorescence\" (one of: wavelength, peak "
         "area, peak height, derivative, ratio)"},
        {"unknown calibration type", sRun(kMethod + R"(, "calibration": "4th order")", "[[40]]"),
         "/method/calibration: unknown calibration type \"4th order\" (one of: none, 1st order, "
         "2nd order, 3rd order, segmented)"},
        {"non-numeric transmittance", sRun(kMethod, R"([["forty"]])"),
         "/standards/0/readings/0/0: expected a number, found the text \"forty\""},
        {"negative transmittance", sRun(kMethod, "[[-2.5]]"),
         "/standards/0/readings/0/0: a transmittance cannot be negative, found -2.5 %T"},
    };
    for (const CBadCase& bad : cases) {
        vExpectRefused(bad);
    }
}

TEST(BadInput, MissingOrUnreadableFilesAreNamed) {
    const CScratchDir dir;
    const std::string missing = (dir.Path() / "nowhere.json").string();
    CProgramResult result = RunProgram("run '" + missing + "'");
    EXPECT_EQ(result.m_iExit, 2);
    EXPECT_EQ(result.m_sErr,
              "photoquant: " + missing + ": cannot read the run file: no such file\n");

    result = RunProgram("run '" + dir.Path().string() + "'");
    EXPECT_EQ(result.m_iExit, 2);
    EXPECT_NE(result.m_sErr.find("not a regular file"), std::string::npos);

    // A spectrum the run file names is looked for beside it.
    const std::string peakMethod =
        R"("quantitation": "peak height", "replicates": 1, "peak": {"apex": 273, "range": 3})";
    const auto file = dir.Write(
        "peaks.json", R"({"method": {)" + peakMethod +
                          R"(}, "unknowns": [{"readings": ["gone.csv"]}], "standards": []})");
    result = RunProgram("run '" + file.string() + "'");
    EXPECT_EQ(result.m_iExit, 2);
    EXPECT_EQ(result.m_sErr, "photoquant: " + file.string() +
                                 ": /unknowns/0/readings/0: spectrum file not found: " +
                                 (dir.Path() / "gone.csv").string() + "\n");
}

TEST(BadInput, SpectrumFaultsNameTheCsvLine) {
    const CScratchDir dir;
    dir.Write("s.csv", "wavelength,absorbance\n280,0.1\n279,0.2\n278,abc\n277,0.1\n");
    const auto file = dir.Write(
        "peaks.json",
        R"({"method": {"quantitation": "peak height", "replicates": 1, "peak": {"apex": 279, "range": 3}},
            "unknowns": [{"readings": ["s.csv"]}]})");
    CProgramResult result = RunProgram("run '" + file.string() + "'");
    EXPECT_EQ(result.m_iExit, 2);
    EXPECT_EQ(result.m_sErr, "photoquant: " + (dir.Path() / "s.csv").string() +
                                 ": line 4: absorbance is not a number: \"abc\"\n");

    dir.Write("s.csv", "280,0.1\n279,0.2\n277,0.1\n");
    result = RunProgram("run '" + file.string() + "'");
    EXPECT_EQ(result.m_sErr, "photoquant: " + (dir.Path() / "s.csv").string() +
                                 ": line 3: wavelengths are not equally spaced (a scan steps "
                                 "evenly)\n");
}

TEST(BadInput, BadUsageExitsWithTwoAndAFailedRunWithOne) {
    EXPECT_EQ(RunProgram("--no-such-option").m_iExit, 2);
    EXPECT_EQ(RunProgram("run").m_iExit, 2);  // the run file is required
    EXPECT_EQ(RunProgram("walk x.json").m_iExit, 2);

    // Two standards, neither measured: nothing to fit a line to.
    const CScratchDir dir;
    const auto file =
        dir.Write("run.json", R"({"reading_unit": "%T", "method": {)" + kMethod +
                                  R"(}, "standards": [{"concentration": 1, "readings": [null]},
                            {"concentration": 2, "readings": [null]}],
                        "unknowns": [{"readings": [[40]]}]})");
    const CProgramResult failed =
        RunProgram("run '" + file.string() + "' --html '" + (dir.Path() / "r.html").string() + "'");
    EXPECT_EQ(failed.m_iExit, 1);
    EXPECT_NE(failed.m_sErr.find("the standards give no calibration curve"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "r.html"));
}
