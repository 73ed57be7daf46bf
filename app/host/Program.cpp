#include "host/Program.h"

#include <sstream>

#include <CLI/CLI.hpp>

#include "host/InputFiles.h"
#include "host/MessageText.h"
#include "host/OutputFiles.h"
#include "host/QuantitationRun.h"
#include "host/ReportWriters.h"
#include "host/RunFile.h"
#include "serve/Serve.h"

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
    "  photoquant serve                             the built-in example in a browser\n"
    "\n"
    "Exit status: 0 success, 1 the run failed or an output could not be written, 2 bad usage,\n"
    "a bad run file or profile, or an output that would replace an input.";

struct COptions {
    std::string m_sRunFile;
    std::string m_sCsvDir;
    std::string m_sHtmlFile;
    std::string m_sProfile;
    bool m_bRun = false;
};

int iComplain(std::ostream& err, const std::string& problem, int status) {
    err << "photoquant: " << sPrintable(problem) << "\n";
    return status;
}

// Every file the run reads; none of them may be the target of an output.
std::vector<std::filesystem::path> InputFiles(const COptions& options, const CRunFile& run) {
    std::vector<std::filesystem::path> inputs;
    for (const CInputFile& input : run.m_vInputs) {
        if (!input.m_Path.empty()) {
            inputs.push_back(input.m_Path);
        }
    }
    if (!options.m_sProfile.empty()) {
        inputs.emplace_back(options.m_sProfile);
    }
    return inputs;
}

// An output that names an input is the user's mistake; one that cannot be written fails the run.
int iOutputCheckFailed(EOutputCheck check, const std::string& problem, std::ostream& err) {
    return iComplain(err, problem, check == EOutputCheck::kClash ? kExitBadInput : kExitRunFailed);
}

// What is known of the outputs before the run: the CSV folder and the page. The tables a report
// has are known once it is made; they are checked then, before any file is written.
EOutputCheck eCheckBeforeRun(const COptions& options,
                             const std::vector<std::filesystem::path>& inputs,
                             std::string& problem) {
    if (!options.m_sCsvDir.empty()) {
        const EOutputCheck folder = eCheckOutputFolder(options.m_sCsvDir, problem);
        if (folder != EOutputCheck::kOk) {
            return folder;
        }
    }
    const CReport none;
    return eCheckOutputs(ReportFiles({}, options.m_sHtmlFile, none), inputs, problem);
}

// The profile must be a readable text file whose calibration option, when it has one, is one of
// the two conversion directions: any other value would turn every concentration into "*****".
bool bLoadProfile(const std::string& path, std::string& problem) {
    std::string text;
    if (!bReadRegularFile(path, ELinks::kFollow, text, problem)) {
        problem = path + ": the profile cannot be read: " + problem;
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        problem = path + ": the profile is not a text file";
        return false;
    }
    if (AfxGetApp()->SetProfileFile(path) == FALSE) {
        problem = path + ": the profile cannot be read";
        return false;
    }
    const std::string section = photoquant::sModuleString(photoquant::kProfileSection);
    const std::string entry = photoquant::sModuleString(photoquant::kProfileEntry);
    const std::string option = AfxGetApp()->GetProfileString(section, entry, "1");
    if (option != std::to_string(photoquant::kReadingFromConc) &&
        option != std::to_string(photoquant::kConcFromReading)) {
        problem = path + ": [" + section + "] " + entry +
                  ": the calibration option is 0 (reading from concentration) or 1 "
                  "(concentration from reading), found " +
                  sQuoted(option);
        return false;
    }
    return true;
}

int iRun(const COptions& options, std::ostream& out, std::ostream& err) {
    std::string problem;
    if (!options.m_sProfile.empty() && !bLoadProfile(options.m_sProfile, problem)) {
        return iComplain(err, problem, kExitBadInput);
    }
    CRunFile run;
    CRunError error;
    const bool bRead = options.m_bRun ? bReadRunFile(options.m_sRunFile, run, error)
                                      : bReadBuiltinExample(run, error);
    if (!bRead) {
        return iComplain(err, error.sMessage(), kExitBadInput);
    }
    const std::vector<std::filesystem::path> inputs = InputFiles(options, run);
    EOutputCheck check = eCheckBeforeRun(options, inputs, problem);
    if (check != EOutputCheck::kOk) {
        return iOutputCheckFailed(check, problem, err);
    }
    CQuantitationRun quantitation(run);
    quantitation.vSetProfileName(options.m_sProfile);
    if (!quantitation.bExecute(problem)) {
        return iComplain(err, problem, kExitRunFailed);
    }
    const CReport report = quantitation.Report();
    const std::vector<COutputFile> outputs =
        ReportFiles(options.m_sCsvDir, options.m_sHtmlFile, report);
    check = eCheckOutputs(outputs, inputs, problem);
    if (check != EOutputCheck::kOk) {
        return iOutputCheckFailed(check, problem, err);
    }
    if (!bWriteOutputs(outputs, problem)) {
        return iComplain(err, problem, kExitRunFailed);
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
    const CLI::Validator named(
        [](const std::string& value) {
            return value.empty() ? std::string("an empty name names no file") : std::string();
        },
        "");
    app.add_option("--csv", options.m_sCsvDir,
                   "Write the results as CSV tables (and every list) into DIR")
        ->option_text("DIR")
        ->check(named);
    app.add_option("--html", options.m_sHtmlFile,
                   "Write the report as one HTML page with a plot of the calibration")
        ->option_text("FILE")
        ->check(named);
    app.add_option("--profile", options.m_sProfile,
                   "INI file of the application profile, holding the calibration option")
        ->option_text("FILE")
        ->check(named);
    CLI::App* pRun = app.add_subcommand("run", "Run the quantitation described by a run file");
    pRun->add_option("FILE", options.m_sRunFile, "The run file (JSON)")->required();
    pRun->fallthrough();
    CServeOptions serve;
    CLI::App* pServe = app.add_subcommand(
        "serve", "Show the run in a browser, live while a simulated instrument measures it");
    pServe->add_option("RUN_FILE", serve.m_sRunFile, "The run file (the built-in example without)")
        ->check(named);
    pServe->add_option("--port", serve.m_iPort, "Port on 127.0.0.1 (a free one without)")
        ->check(CLI::Range(0, 65535));
    pServe->fallthrough();
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // The command line's own words come back in the message: escaped, line by line.
        std::ostringstream message;
        const int code = app.exit(e, out, message);
        std::istringstream lines(message.str());
        for (std::string line; std::getline(lines, line);) {
            err << sPrintable(line) << "\n";
        }
        return code == 0 ? kExitOk : kExitBadInput;
    }
    if (pServe->parsed()) {
        std::string problem;
        if (!options.m_sProfile.empty() && !bLoadProfile(options.m_sProfile, problem)) {
            return iComplain(err, problem, kExitBadInput);
        }
        return iServe(serve, out, err);
    }
    options.m_bRun = pRun->parsed();
    return iRun(options, out, err);
}
