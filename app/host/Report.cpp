#include "host/Report.h"

#include <cmath>
#include <sstream>

using namespace photoquant;

void CPlotWindow::vTake(double x, double y) {
    if (!bIsUsable(x) || !bIsUsable(y)) {
        return;
    }
    if (m_bEmpty) {
        m_dXMin = m_dXMax = x;
        m_dYMin = m_dYMax = y;
        m_bEmpty = false;
        return;
    }
    m_dXMin = std::min(m_dXMin, x);
    m_dXMax = std::max(m_dXMax, x);
    m_dYMin = std::min(m_dYMin, y);
    m_dYMax = std::max(m_dYMax, y);
}

bool CPlotWindow::bContains(double x, double y) const {
    return !m_bEmpty && x >= m_dXMin && x <= m_dXMax && y >= m_dYMin && y <= m_dYMax;
}

CTableBlock ListTable(const CListCtrl& list) {
    CTableBlock table;
    const int columns = list.GetColumnCount();
    for (int c = 0; c < columns; ++c) {
        table.m_vsHeaders.push_back(list.GetColumnText(c));
        table.m_vbRightAligned.push_back(
            (list.GetColumnFormat(c) & (LVCFMT_RIGHT | LVCFMT_CENTER)) == LVCFMT_RIGHT);
    }
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) {
            row.push_back(list.GetItemText(i, c));
        }
        table.m_vvsRows.push_back(std::move(row));
    }
    return table;
}

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// A report line ends in a line feed; a zero byte or carriage return that a writer left is no text.
std::string sWithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\0')) {
        line.pop_back();
    }
    return line;
}

void vCloseBlock(CTableBlock& block, std::vector<CTableBlock>& blocks) {
    if (block.m_vvsRows.empty()) {
        return;
    }
    if (block.m_vvsRows.front().size() > 2) {
        block.m_vsHeaders = block.m_vvsRows.front();
        block.m_vvsRows.erase(block.m_vvsRows.begin());
    }
    blocks.push_back(std::move(block));
    block = CTableBlock();
}

}  // namespace

std::vector<CTableBlock> TextTables(const std::string& text) {
    std::vector<CTableBlock> blocks;
    CTableBlock block;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = sWithoutLineEnd(line);
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> fields = Fields(line);
        if (!block.m_vvsRows.empty() && block.m_vvsRows.front().size() != fields.size()) {
            vCloseBlock(block, blocks);
        }
        block.m_vvsRows.push_back(std::move(fields));
    }
    vCloseBlock(block, blocks);
    return blocks;
}

size_t iDisplayWidth(const std::string& text) {
    size_t width = 0;
    for (unsigned char c : text) {
        width += (c & 0xC0) != 0x80 ? 1 : 0;  // continuation bytes add nothing
    }
    return width;
}
