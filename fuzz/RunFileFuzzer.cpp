// Fuzz target: the run-file reader, and the run of every file it accepts. The fuzzer's bytes are
// the text of a run file (seeded from the examples, whose spectrum files the reader finds in the
// examples folder). The reader must refuse a file it cannot run with a message that says where and
// why; a file it accepts must run to its report without a fault: the documents, views and report
// writers all see what a user's file can put in front of them.
#include <string>

#include "FuzzInput.h"
#include "host/QuantitationRun.h"
#include "host/ReportWriters.h"
#include "host/RunFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    AfxSetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CXYStageParam::vSetCalcSampunit(0);
    const std::string text(reinterpret_cast<const char*>(data), size);
    CRunFile run;
    CRunError error;
    if (!bParseRunFile(text, "fuzz.json", PHOTOQUANT_EXAMPLES_DIR, run, error)) {
        FUZZ_REQUIRE(!error.m_sProblem.empty());
        FUZZ_REQUIRE(!error.sMessage().empty());
        return 0;
    }
    CQuantitationRun quantitation(run);
    std::string problem;
    if (!quantitation.bExecute(problem)) {
        FUZZ_REQUIRE(!problem.empty());
        return 0;
    }
    const CReport report = quantitation.Report();
    volatile size_t sink = sTextReport(report).size() + sHtmlReport(report).size();
    for (const CNamedList& list : report.m_vTables) {
        sink = sink + sCsvTable(list.m_Table).size();
    }
    return 0;
}
