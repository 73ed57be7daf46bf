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

// What a message about an unknown field of the method lists.
const std::string kKnownMethodFields =
    "(known here: quantitation, wavelengths, replicates, calibration, force_through_zero, "
    "direction, weighting, calibration_statistics, limits, unit, decimals, statistics, "
    "statistics_group, result, k_factors, operand, manual_calibration, path_length, "
    "path_length_correction, peak, derivative, stage)";

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
         "/method/replicate: unknown field " + kKnownMethodFields},
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
        {"transmittance no photometer gives", sRun(kMethod, "[[250]]"),
         "/standards/0/readings/0/0: a transmittance above 200 %T is no photometer's reading, "
         "found 250 %T"},
        {"absorbance no photometer gives", sRun(kMethod, "[[-10.5]]", "Abs"),
         "/standards/0/readings/0/0: an absorbance beyond \u00b110 Abs is no photometer's "
         "reading, found -10.5 Abs"},
        // "1e309" begins at the 170th character of the file.
        {"number beyond a double", sRun(kMethod, "[[1e309]]"),
         "/standards/0/readings/0/0: line 1, column 170: number out of range (a reading or "
         "setting stays within about \u00b11.8e308)"},
        {"whole number beyond 64 bits",
         sRun(kMethod + R"(, "decimals": 18446744073709551615)", "[[40]]"),
         "/method/decimals: must lie between 0 and 10, found 18446744073709551615"},
        {"field given twice",
         sRun(kMethod, R"([[40]]}, {"readings": [[50]], "name": "S2", "name": "S3")"),
         "/standards/1/name: the field appears a second time (a field may appear once in its "
         "object)"},
        {"K-factor dividing by 0",
         R"({"reading_unit": "Abs", "method": {"quantitation": "ratio", "wavelengths": [260, 280],
             "replicates": 1, "k_factors": [1, 1, 0]}, "unknowns": [{"readings": [[0.5, 0.4]]}]})",
         "/method/k_factors/2: K2 divides the ratio and cannot be 0"},
        {"accuracy check over stage positions",
         R"({"reading_unit": "Abs", "method": {)" + kMethod + R"(, "result": "readings",
             "stage": {"positions": [[0, 0]]}}, "unknowns": [{"readings": [[0.5]]}],
             "validation": {"kind": "photometric accuracy", "tolerance": 0.01, "rated": [[0.5]]}})",
         "/validation: a photometric accuracy check reads replicates, not stage positions"},
        // Texts from the file come back quoted, escaped and cut: no forged line, no terminal codes.
        {"control characters in a name",
         R"({"reading_unit": "%T", "method": {)" + kMethod + R"(, "result": "readings"},
             "unknowns": [{"name": "U1\u001b[2J\u0000", "readings": [[40]]}]})",
         "/unknowns/0/name: a text may not hold control characters (line breaks, tabs, escapes), "
         "found \"U1\\x1b[2J\\x00\""},
        {"a key that forges a message",
         sRun(kMethod + R"(, "x\nphotoquant: run passed": 1)", "[[40]]"),
         "/method/x\\nphotoquant: run passed: unknown field " + kKnownMethodFields},
        {"a long value", sRun(R"("quantitation": ")" + std::string(100, 'x') + R"(")", "[[40]]"),
         "/method/quantitation: unknown quantitation \"" + std::string(40, 'x') +
             "...\" (one of: wavelength, peak area, peak height, derivative, ratio)"},
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

TEST(BadInput, SpectrumFaultsNameLineAndColumnButNeverTheFieldsContent) {
    const CScratchDir dir;
    const auto file = dir.Write(
        "peaks.json",
        R"({"method": {"quantitation": "peak height", "replicates": 1, "peak": {"apex": 279, "range": 3}},
            "unknowns": [{"readings": ["s.csv"]}]})");
    const std::pair<std::string, std::string> cases[] = {
        {"wavelength,absorbance\n280,0.1\n279,0.2\n278,SECRET-TOKEN-123\n277,0.1\n",
         "line 4, column 5: expected a number (the absorbance)"},
        {"280,0.1\n279,0.2\n277,0.1\n",
         "line 3: wavelengths are not equally spaced (a scan steps evenly)"},
        // The steps 1.7e308 - -1.7e308 and back overflow; halves do not.
        {"1.7e308,0.1\n-1.7e308,0.2\n5,0.1\n7,0.1\n100,0.1\n",
         "line 3: wavelengths are not equally spaced (a scan steps evenly)"},
    };
    for (const auto& [csv, message] : cases) {
        dir.Write("s.csv", csv);
        const CProgramResult result = RunProgram("run '" + file.string() + "'");
        EXPECT_EQ(result.m_iExit, 2);
        EXPECT_EQ(result.m_sErr,
                  "photoquant: " + (dir.Path() / "s.csv").string() + ": " + message + "\n");
    }
}

TEST(BadInput, SpectraAreReadOnlyFromInsideTheRunFilesFolder) {
    const CScratchDir dir;
    const std::string scan = "402,0.1\n401,0.3\n400,0.2\n399,0.1\n";
    dir.Write("outside.csv", scan);
    std::filesystem::create_directory(dir.Path() / "run");
    std::filesystem::create_symlink(dir.Path() / "outside.csv", dir.Path() / "run" / "link.csv");
    const std::string outside = " lies outside the run file's folder (links resolved)";
    const std::pair<std::string, std::string> cases[] = {
        {"../outside.csv", "the spectrum file \"../outside.csv\"" + outside},
        {"link.csv", "the spectrum file \"link.csv\"" + outside},
        {"/proc/self/maps",
         "expected a spectrum file name relative to the run file's folder, "
         "found the text \"/proc/self/maps\""},
        {"",
         "expected a spectrum file name relative to the run file's folder, found the text \"\""},
    };
    for (const auto& [name, message] : cases) {
        const auto file =
            dir.Write("run/run.json", R"({"method": {"quantitation": "peak height", "replicates": 1,
            "peak": {"apex": 401, "range": 1}, "manual_calibration": {"order": 1,
            "coefficients": [0, 1]}}, "unknowns": [{"readings": [")" +
                                          name + R"("]}]})");
        const CProgramResult result = RunProgram("run '" + file.string() + "'");
        EXPECT_EQ(result.m_iExit, 2) << name;
        EXPECT_EQ(result.m_sErr,
                  "photoquant: " + file.string() + ": /unknowns/0/readings/0: " + message + "\n");
    }
}

TEST(BadInput, AProfileMustBeATextFileWithAKnownCalibrationOption) {
    const CScratchDir dir;
    const auto run = dir.Write("run.json", sRun(kMethod, "[[40]]"));
    const auto profile = dir.Path() / "lab.ini";
    const std::string entry =
        ": [Default] Photometry Calibration Type: the calibration option is 0 "
        "(reading from concentration) or 1 (concentration from reading), "
        "found ";
    std::filesystem::create_directory(dir.Path() / "folder.ini");
    dir.Write("binary.ini", std::string("\x7f"
                                        "ELF\0\0\x02",
                                        7));
    const std::pair<std::string, std::string> cases[] = {
        {(dir.Path() / "none.ini").string(), ": the profile cannot be read: no such file"},
        {(dir.Path() / "folder.ini").string(), ": the profile cannot be read: not a regular file"},
        {(dir.Path() / "binary.ini").string(), ": the profile is not a text file"},
        {"2", entry + "\"2\""},
        {"-1", entry + "\"-1\""},
        {"99999999999999999999", entry + "\"99999999999999999999\""},
    };
    for (const auto& [given, message] : cases) {
        const bool bOption = given.find('/') == std::string::npos;
        if (bOption) {
            dir.Write("lab.ini", "[Default]\nPhotometry Calibration Type=" + given + "\n");
        }
        const std::string path = bOption ? profile.string() : given;
        const CProgramResult result =
            RunProgram("--profile '" + path + "' run '" + run.string() + "'");
        EXPECT_EQ(result.m_iExit, 2) << given;
        EXPECT_EQ(result.m_sErr, "photoquant: " + path + message + "\n");
    }
}

TEST(BadInput, BadUsageExitsWithTwoAndAFailedRunSaysWhyWithOne) {
    for (const char* usage : {"--no-such-option", "run", "walk x.json", "--html ''", "--csv ''"}) {
        EXPECT_EQ(RunProgram(usage).m_iExit, 2) << usage;
    }
    const std::string method = R"("quantitation": "wavelength", "wavelengths": [510],
        "replicates": 1, "direction": "reading from concentration", "calibration": )";
    const std::pair<std::string, std::string> cases[] = {
        {R"("1st order"}, "standards": [{"concentration": 1, "readings": [null]},
            {"concentration": 2, "readings": [null]}],)",
         "every standard was skipped"},
        {R"("2nd order"}, "standards": [{"concentration": 1, "readings": [[40]]},
            {"concentration": 2, "readings": [[30]]}],)",
         "too few measured points: a curve of order 2 needs 3, found 2"},
        {R"("1st order"}, "standards": [{"concentration": 1, "readings": [[40]]},
            {"concentration": 1, "readings": [[30]]}],)",
         "the standards do not vary: a curve of order 1 needs 2 different concentrations, found 1"},
        {R"("segmented"}, "standards": [{"concentration": 1, "readings": [[40]]},
            {"concentration": 2, "readings": [[40]]}],)",
         "the standards do not vary: a segmented calibration needs 2 different readings, found 1"},
        {R"("1st order"}, "standards": [{"concentration": 1, "readings": [{"manual": -1.79e308}]},
            {"concentration": 2, "readings": [{"manual": -1.79e308}]}],)",
         "a reading of the standards is not a usable number"},
    };
    const CScratchDir dir;
    for (const auto& [standards, cause] : cases) {
        const auto file =
            dir.Write("run.json", R"({"reading_unit": "%T", "method": {)" + method + standards +
                                      R"( "unknowns": [{"readings": [[40]]}]})");
        const CProgramResult failed = RunProgram("run '" + file.string() + "' --html '" +
                                                 (dir.Path() / "r.html").string() + "'");
        EXPECT_EQ(failed.m_iExit, 1);
        EXPECT_EQ(failed.m_sErr, "photoquant: " + file.string() +
                                     ": the standards give no calibration curve: " + cause + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "r.html"));
    }
}
