// Aligned text: each column as wide as its widest cell, columns two blanks apart, a rule under the
// header. Cells are printed as the lists hold them; only trailing blanks of a line are dropped, and
// control characters are escaped: a name or path could otherwise drive the terminal.
#include <algorithm>
#include <sstream>

#include "host/MessageText.h"
#include "host/ReportWriters.h"

namespace {

constexpr const char* kColumnGap = "  ";

std::vector<size_t> ColumnWidths(const CTableBlock& table) {
    std::vector<size_t> widths(table.m_vsHeaders.size(), 0);
    auto take = [&widths](const std::vector<std::string>& cells) {
        if (widths.size() < cells.size()) {
            widths.resize(cells.size(), 0);
        }
        for (size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], iDisplayWidth(cells[c]));
        }
    };
    take(table.m_vsHeaders);
    for (const auto& row : table.m_vvsRows) {
        take(row);
    }
    return widths;
}

std::string sPadded(const std::string& cell, size_t width, bool bRight) {
    const std::string padding(width - std::min(width, iDisplayWidth(cell)), ' ');
    return bRight ? padding + cell : cell + padding;
}

std::string sLine(const std::vector<std::string>& cells, const std::vector<size_t>& widths,
                  const CTableBlock& table) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) {
            line += kColumnGap;
        }
        line += sPadded(cells[c], widths[c], table.bRightAligned(c));
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

std::string sRule(const std::vector<size_t>& widths) {
    std::string rule;
    for (size_t c = 0; c < widths.size(); ++c) {
        if (c > 0) {
            rule += kColumnGap;
        }
        rule += std::string(widths[c], '-');
    }
    return rule + "\n";
}

CTableBlock PrintableTable(const CTableBlock& block) {
    CTableBlock table = block;
    for (std::string& cell : table.m_vsHeaders) {
        cell = sPrintable(cell);
    }
    for (auto& row : table.m_vvsRows) {
        for (std::string& cell : row) {
            cell = sPrintable(cell);
        }
    }
    return table;
}

std::string sTable(const CTableBlock& block) {
    const CTableBlock table = PrintableTable(block);
    const std::vector<size_t> widths = ColumnWidths(table);
    std::string text;
    if (!table.m_vsHeaders.empty()) {
        text += sLine(table.m_vsHeaders, widths, table) + sRule(widths);
    }
    for (const auto& row : table.m_vvsRows) {
        text += sLine(row, widths, table);
    }
    return text;
}

// A sentence wrapped at the report's width, words kept whole.
std::string sWrapped(const std::string& sentence) {
    constexpr size_t kWidth = 100;
    std::string text;
    std::string line;
    std::istringstream words(sentence);
    std::string word;
    while (words >> word) {
        if (!line.empty() && iDisplayWidth(line) + 1 + iDisplayWidth(word) > kWidth) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return text + line + "\n";
}

}  // namespace

std::string sTextReport(const CReport& report) {
    const std::string title = sPrintable(report.m_sTitle);
    std::string text = title + "\n" + std::string(iDisplayWidth(title), '=') + "\n" +
                       "Run file: " + sPrintable(report.m_sSource) + "\n";
    for (const CReportSection& section : report.m_vSections) {
        if (section.m_vBlocks.empty() && section.m_vsNotes.empty()) {
            continue;
        }
        text += "\n" + section.m_sTitle + "\n" + std::string(iDisplayWidth(section.m_sTitle), '-') +
                "\n";
        for (size_t b = 0; b < section.m_vBlocks.size(); ++b) {
            const CTableBlock& block = section.m_vBlocks[b];
            if (b > 0) {
                text += '\n';
            }
            text += sTable(block);
            if (block.bHasTable() && !block.m_vsNotes.empty()) {
                text += '\n';
            }
            for (const std::string& note : block.m_vsNotes) {
                text += sWrapped(note);
            }
        }
        if (!section.m_vsNotes.empty() && !section.m_vBlocks.empty()) {
            text += '\n';
        }
        for (const std::string& note : section.m_vsNotes) {
            text += sWrapped(note);
        }
    }
    return text;
}
