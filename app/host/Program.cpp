#include "host/Program.h"

#include <CLI/CLI.hpp>

#include "host/OutputFiles.h"
#include "host/QuantitationRun.h"
#include "host/ReportWriters.h"
#include "host/RunFile.h"

namespace {

constexpr const char* kDescription =
    "photoquant runs a photometric quantitation: it measures the standards, fits the calibration "
    "curve, converts the readings of the unknowns into concentrations (or ratios) and prints the "
    "report. Without a run file it runs its built-in example, iron(II) with 1,10-phenanthroline "
    "at 510 nm.";

constexpr const char* kExamples =
    "Examples:\n"
    "  photoquant                                   the built-in example\n"
    "  photoquant run examples/ratio-k-factors.json a run file\n"
    "  photoquant run my-run.json --csv lists --html report.html\n"
    "                                               with CSV lists and an HTML page\n"
    "  photoquant --profile lab.ini run my-run.json the calibration option of lab.ini\n"
    "\n"
    "Exit status: 0 success, 1 the run failed, 2 bad usage or a bad run file.";

struct COptions {
    std::string m_sRunFile;
    std::string m_sCsvDir;
    std::string m_sHtmlFile;
    std::string m_sProfile;
    bool m_bRun = false;
};

// The output files of a report: every table as DIR/NAME.csv, the page as the HTML file.
CFileContents OutputFiles(const COptions& options, const CReport& report) {
    CFileContents files;
    if (!options.m_sCsvDir.empty()) {
        for (const CNamedList& table : report.m_vTables) {
            files.emplace_back(std::filesystem::path(options.m_sCsvDir) / (table.m_sName + ".csv"),
                               sCsvTable(table.m_Table));
        }
    }
    if (!options.m_sHtmlFile.empty()) {
        files.emplace_back(options.m_sHtmlFile, sHtmlReport(report));
    }
    return files;
}

bool bPrepareCsvDir(const std::string& dir, std::string& problem) {
    if (dir.empty()) {
        return true;
    }
    std::error_code code;
    std::filesystem::create_directories(dir, code);
    if (code || !std::filesystem::is_directory(dir, code)) {
        problem = dir + ": cannot make the CSV folder: " +
                  (code ? code.message() : std::string("not a folder"));
        return false;
    }
    return true;
}

int iRun(const COptions& options, std::ostream& out, std::ostream& err) {
    if (!options.m_sProfile.empty() && AfxGetApp()->SetProfileFile(options.m_sProfile) == FALSE) {
        err << "photoquant: " << options.m_sProfile << ": the profile cannot be read\n";
        return kExitBadInput;
    }
    CRunFile run;
    CRunError error;
    const bool bRead = options.m_bRun ? bReadRunFile(options.m_sRunFile, run, error)
                                      : bReadBuiltinExample(run, error);
    if (!bRead) {
        err << "photoquant: " << error.sMessage() << "\n";
        return kExitBadInput;
    }
    CQuantitationRun quantitation(run);
    quantitation.vSetProfileName(options.m_sProfile);
    std::string problem;
    if (!quantitation.bExecute(problem)) {
        err << "photoquant: " << problem << "\n";
        return kExitRunFailed;
    }
    const CReport report = quantitation.Report();
    if (!bPrepareCsvDir(options.m_sCsvDir, problem) ||
        !bWriteFilesWhole(OutputFiles(options, report), problem)) {
        err << "photoquant: " << problem << "\n";
        return kExitRunFailed;
    }
    out << sTextReport(report);
    return kExitOk;
}

}  // namespace

int iRunProgram(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "photoquant");
    app.footer(kExamples);
    app.set_version_flag("--version", std::string("photoquant ") + PHOTOQUANT_VERSION);
    COptions options;
    app.add_option("--csv", options.m_sCsvDir,
                   "Write the results as CSV tables (and every list) into DIR")
        ->option_text("DIR");
    app.add_option("--html", options.m_sHtmlFile,
                   "Write the report as one HTML page with a plot of the calibration")
        ->option_text("FILE");
    app.add_option("--profile", options.m_sProfile,
                   "INI file of the application profile, holding the calibration option")
        ->option_text("FILE");
    CLI::App* pRun = app.add_subcommand("run", "Run the quantitation described by a run file");
    pRun->add_option("FILE", options.m_sRunFile, "The run file (JSON)")->required();
    pRun->fallthrough();
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kExitOk : kExitBadInput;
    }
    options.m_bRun = pRun->parsed();
    return iRun(options, out, err);
}
