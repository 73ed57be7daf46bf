#include <gtest/gtest.h>
#include <sys/stat.h>

#include "AppTestSupport.h"
#include "host/OutputFiles.h"

namespace {

namespace fs = std::filesystem;

std::function<std::string()> Text(const std::string& text) {
    return [text] { return text; };
}

std::string sQuotedPath(const fs::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    return quoted + "'";
}

// A one-wavelength run of one standard and one unknown, readings only.
const std::string kRunFile =
    R"({"reading_unit": "%T", "method": {"quantitation": "wavelength", "wavelengths": [510],
    "replicates": 1, "result": "readings"}, "unknowns": [{"name": "U1", "readings": [[40.0]]}]})";

// A peak-height run whose one spectrum lies in lists/samples.csv, the name of a CSV table.
const std::string kSpectrumRunFile =
    R"({"method": {"quantitation": "peak height", "replicates": 1, "peak": {"apex": 401,
    "range": 1}, "manual_calibration": {"order": 1, "coefficients": [0, 1]}},
    "unknowns": [{"readings": ["lists/samples.csv"]}]})";

}  // namespace

TEST(OutputFiles, AFailingFileLeavesEveryOtherAsItWasAndNothingBehind) {
    const CScratchDir dir;
    const auto kept = dir.Write("kept.csv", "old");
    fs::create_directory(dir.Path() / "taken.html");  // a folder where a file is due
    std::string problem;
    // The first replaces a file, the second makes a folder, the third cannot be placed.
    EXPECT_FALSE(bWriteOutputs({{kept, Text("new")},
                                {dir.Path() / "made" / "here" / "x.csv", Text("x"), true},
                                {dir.Path() / "taken.html", Text("page")}},
                               problem));
    EXPECT_EQ(problem,
              (dir.Path() / "taken.html").string() + ": cannot be written: Is a directory");
    EXPECT_EQ(sFileText(kept), "old");
    EXPECT_EQ(dir.iEntryCount(), 2) << "only kept.csv and the folder taken.html";

    ASSERT_TRUE(bWriteOutputs({{kept, Text("new")}}, problem)) << problem;
    EXPECT_EQ(sFileText(kept), "new");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    struct stat info {};
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644 & ~umask);
}

TEST(OutputFiles, AnOutputThatIsAnInputIsRefusedAndTheInputsStay) {
    const CScratchDir dir;
    const auto run = dir.Write("run.json", kRunFile);
    const auto profile = dir.Write("lab.ini", "[Default]\nPhotometry Calibration Type=1\n");
    fs::create_directory(dir.Path() / "lists");
    dir.Write("lists/samples.csv", "402,0.1\n401,0.3\n400,0.2\n399,0.1\n");
    const auto spectra = dir.Write("spectra.json", kSpectrumRunFile);
    const auto before = Snapshot(dir.Path());
    const auto lists = dir.Path() / "lists";
    const auto spectrum = lists / "samples.csv";
    const std::pair<std::string, std::string> clashes[] = {
        {"run " + sQuotedPath(run) + " --html " + sQuotedPath(run), run.string()},
        {"--profile " + sQuotedPath(profile) + " run " + sQuotedPath(run) + " --html " +
             sQuotedPath(profile),
         profile.string()},
        {"run " + sQuotedPath(spectra) + " --html " + sQuotedPath(spectrum), spectrum.string()},
        {"run " + sQuotedPath(spectra) + " --csv " + sQuotedPath(lists), spectrum.string()},
    };
    for (const auto& [arguments, input] : clashes) {
        const CProgramResult result = RunProgram(arguments);
        EXPECT_EQ(result.m_iExit, 2) << arguments;
        EXPECT_NE(result.m_sErr.find("is an input of this run (" + input + ")"), std::string::npos)
            << result.m_sErr;
        EXPECT_EQ(result.m_sOut, "");
    }
    // Two outputs that name one file are refused as well.
    const CProgramResult twice =
        RunProgram("run " + sQuotedPath(run) + " --csv " + sQuotedPath(lists) + " --html " +
                   sQuotedPath(lists / "samples.csv"));
    EXPECT_EQ(twice.m_iExit, 2);
    EXPECT_NE(twice.m_sErr.find("named twice as an output"), std::string::npos) << twice.m_sErr;
    EXPECT_EQ(Snapshot(dir.Path()), before);
}

TEST(OutputFiles, LinksPlantedAtTemporaryNamesAreNeverFollowed) {
    const CScratchDir dir;
    const auto victim = dir.Write("victim.txt", "a lab's raw data");
    const auto out = dir.Path() / "out";
    fs::create_directory(out);
    // Links at the names a temporary of each output took before (target.tmp-PID-INDEX), for the
    // process ids the program is likely to get next, and one at the page's own name.
    long lastPid = ::getpid();
    std::ifstream("/proc/sys/kernel/ns_last_pid") >> lastPid;
    std::vector<fs::path> targets;
    const CExecutedRun builtIn("one-wavelength.json");
    for (const CNamedList& table : builtIn.Run().Report().m_vTables) {
        targets.push_back(out / (table.m_sName + ".csv"));
    }
    targets.push_back(out / "report.html");
    for (long pid = lastPid + 1; pid <= lastPid + 300; ++pid) {
        for (size_t i = 0; i < targets.size(); ++i) {
            fs::create_symlink(victim, targets[i].string() + ".tmp-" + std::to_string(pid) + "-" +
                                           std::to_string(i));
        }
    }
    fs::create_symlink(victim, targets.back());  // a link at a target's own name is replaced
    auto outside = Snapshot(dir.Path());
    const CProgramResult result =
        RunProgram("--csv " + sQuotedPath(out) + " --html " + sQuotedPath(targets.back()));
    ASSERT_EQ(result.m_iExit, 0) << result.m_sErr;
    EXPECT_EQ(sFileText(victim), "a lab's raw data");
    for (const fs::path& target : targets) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target))) << target;
    }
    auto after = Snapshot(dir.Path());
    for (const fs::path& target : targets) {
        after.erase(target.string());
        outside.erase(target.string());
    }
    EXPECT_EQ(after, outside) << "only the outputs are new; no temporary is left";
}

TEST(OutputFiles, TheReportsOfARunLandTogetherOrNotAtAll) {
    const CScratchDir dir;
    const auto lists = dir.Path() / "lists";
    fs::create_directories(lists / "standards.csv");  // a folder where a table is due
    dir.Write("lists/samples.csv", "old list");
    fs::create_directory(dir.Path() / "page.html");
    const auto before = Snapshot(dir.Path());
    struct CCase {
        std::string m_sArguments;
        std::string m_sFault;  // the output named in the message
    };
    const CCase cases[] = {
        {"--csv " + sQuotedPath(lists), (lists / "standards.csv").string() + ": is a folder"},
        {"--csv " + sQuotedPath(dir.Path() / "new") + " --html " +
             sQuotedPath(dir.Path() / "page.html"),
         (dir.Path() / "page.html").string() + ": is a folder"},
        {"--csv " + sQuotedPath(dir.Path() / "made" / "here") + " --html " +
             sQuotedPath(dir.Path() / "no" / "such" / "dir" / "r.html"),
         (dir.Path() / "no" / "such" / "dir" / "r.html").string() + ": its folder does not exist"},
    };
    for (const CCase& bad : cases) {
        const CProgramResult result = RunProgram(bad.m_sArguments);
        EXPECT_EQ(result.m_iExit, 1) << bad.m_sArguments;
        EXPECT_EQ(result.m_sErr.find("photoquant: " + bad.m_sFault), 0u) << result.m_sErr;
        EXPECT_EQ(Snapshot(dir.Path()), before) << bad.m_sArguments;
    }
}
