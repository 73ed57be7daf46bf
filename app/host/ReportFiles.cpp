#include <algorithm>

#include "host/ReportWriters.h"

namespace {

std::string sCsvList(const CReport& report, const std::string& name) {
    const auto list =
        std::find_if(report.m_vLists.begin(), report.m_vLists.end(),
                     [&name](const CNamedList& named) { return named.m_sName == name; });
    return list == report.m_vLists.end() ? std::string() : sCsvTable(list->m_Table);
}

}  // namespace

std::vector<COutputFile> ReportFiles(const std::filesystem::path& csvDir,
                                     const std::filesystem::path& htmlFile, const CReport& report) {
    std::vector<COutputFile> files;
    if (!csvDir.empty()) {
        for (const std::string& name : kReportListNames) {
            files.push_back({csvDir / (name + ".csv"),
                             [&report, name] { return sCsvList(report, name); }, true});
        }
    }
    if (!htmlFile.empty()) {
        files.push_back({htmlFile, [&report] { return sHtmlReport(report); }});
    }
    return files;
}
