// Fuzz target: the run-file reader, the run of every file it accepts, and the writing of its
// output files. The fuzzer's bytes are the text of a run file (seeded from the examples, whose
// spectrum files the reader finds in the examples folder). The reader must refuse a file it cannot
// run with a message that says where and why; a file it accepts must run to its report without a
// fault: the documents, views and report writers all see what a user's file can put in front of
// them. The report's files then go into a scratch folder in which a link to a file outside stands
// at every target's name: after each input the scratch folder holds exactly the report's files,
// no temporary is left, and neither the file behind the links nor the examples folder changed.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "FuzzInput.h"
#include "host/QuantitationRun.h"
#include "host/ReportWriters.h"
#include "host/RunFile.h"

namespace {

namespace fs = std::filesystem;

// What can show that a file changed: its kind, size, inode and time of last change.
using CFileState = std::tuple<unsigned, long long, unsigned long long, long long, long long>;

std::map<std::string, CFileState> FolderState(const fs::path& folder) {
    std::map<std::string, CFileState> state;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        state[entry.path().string()] = {info.st_mode, info.st_size, info.st_ino,
                                        info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
    }
    return state;
}

constexpr const char* kOutsideText = "a lab's raw data";

// The scratch folder on a memory file system when there is one: the run flushes every file.
struct CScratch {
    fs::path m_Root;
    fs::path m_Outputs;
    fs::path m_Outside;
    std::map<std::string, CFileState> m_Examples;

    CScratch() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        m_Root = base / ("photoquant-fuzz-" + std::to_string(::getpid()));
        m_Outputs = m_Root / "outputs";
        m_Outside = m_Root / "outside.txt";
        fs::remove_all(m_Root);
        fs::create_directories(m_Outputs);
        FILE* pOutside = std::fopen(m_Outside.c_str(), "w");
        std::fputs(kOutsideText, pOutside);
        std::fclose(pOutside);
        m_Examples = FolderState(PHOTOQUANT_EXAMPLES_DIR);
    }
    ~CScratch() { fs::remove_all(m_Root); }

    std::vector<COutputFile> Files(const CReport& report) const {
        return ReportFiles(m_Outputs / "lists", m_Outputs / "report.html", report);
    }

    // Empties the outputs folder and plants a link to the outside file at every target's name.
    void vPlantLinks(const std::vector<COutputFile>& files) const {
        fs::remove_all(m_Outputs);
        fs::create_directories(m_Outputs / "lists");
        for (const COutputFile& file : files) {
            fs::create_symlink(m_Outside, file.m_Path);
        }
    }

    bool bNothingElseChanged() const {
        char outside[32] = {};
        FILE* pOutside = std::fopen(m_Outside.c_str(), "r");
        const size_t length = std::fread(outside, 1, sizeof outside - 1, pOutside);
        std::fclose(pOutside);
        return std::string(outside, length) == kOutsideText &&
               FolderState(PHOTOQUANT_EXAMPLES_DIR) == m_Examples;
    }

    bool bOnlyTheseFiles(const std::vector<COutputFile>& files) const {
        size_t count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(m_Outputs)) {
            count += entry.is_directory() ? 0 : 1;
        }
        for (const COutputFile& file : files) {
            if (!fs::is_regular_file(fs::symlink_status(file.m_Path))) {
                return false;
            }
        }
        return count == files.size();
    }
};

CScratch* g_pScratch = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    AfxSetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    static CScratch scratch;
    g_pScratch = &scratch;
    return 0;
}

namespace {

void vRunAndWrite(const std::string& text, const CScratch& scratch) {
    CXYStageParam::vSetCalcSampunit(0);
    CRunFile run;
    CRunError error;
    if (!bParseRunFile(text, "fuzz.json", PHOTOQUANT_EXAMPLES_DIR, run, error)) {
        FUZZ_REQUIRE(!error.m_sProblem.empty());
        FUZZ_REQUIRE(!error.sMessage().empty());
        return;
    }
    CQuantitationRun quantitation(run);
    std::string problem;
    if (!quantitation.bExecute(problem)) {
        FUZZ_REQUIRE(!problem.empty());
        return;
    }
    const CReport report = quantitation.Report();
    volatile size_t sink = sTextReport(report).size();
    sink = sink + 1;
    const std::vector<COutputFile> files = scratch.Files(report);
    scratch.vPlantLinks(files);
    std::vector<std::filesystem::path> inputs;
    for (const CInputFile& input : run.m_vInputs) {
        inputs.push_back(input.m_Path);
    }
    FUZZ_REQUIRE(eCheckOutputs(files, inputs, problem) == EOutputCheck::kOk);
    FUZZ_REQUIRE(bWriteOutputs(files, problem));
    FUZZ_REQUIRE(scratch.bOnlyTheseFiles(files));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CScratch& scratch = *g_pScratch;
    vRunAndWrite(std::string(reinterpret_cast<const char*>(data), size), scratch);
    FUZZ_REQUIRE(scratch.bNothingElseChanged());
    return 0;
}
