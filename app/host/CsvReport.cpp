#include "host/ReportWriters.h"

namespace {

std::string sCsvField(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        return cell;
    }
    std::string quoted = "\"";
    for (char c : cell) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string sCsvRecord(const std::vector<std::string>& cells) {
    std::string record;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) {
            record += ',';
        }
        record += sCsvField(cells[c]);
    }
    return record + "\r\n";
}

}  // namespace

std::string sCsvTable(const CTableBlock& table) {
    std::string csv = table.m_vsHeaders.empty() ? "" : sCsvRecord(table.m_vsHeaders);
    for (const auto& row : table.m_vvsRows) {
        csv += sCsvRecord(row);
    }
    return csv;
}
