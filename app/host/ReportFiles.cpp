#include "host/ReportWriters.h"

std::vector<COutputFile> ReportFiles(const std::filesystem::path& csvDir,
                                     const std::filesystem::path& htmlFile, const CReport& report) {
    std::vector<COutputFile> files;
    if (!csvDir.empty()) {
        for (const CNamedList& table : report.m_vTables) {
            files.push_back({csvDir / (table.m_sName + ".csv"),
                             [&table] { return sCsvTable(table.m_Table); }, true});
        }
    }
    if (!htmlFile.empty()) {
        files.push_back({htmlFile, [&report] { return sHtmlReport(report); }});
    }
    return files;
}
