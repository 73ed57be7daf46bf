#pragma once
// The report of a run, independent of where it goes: sections of tables (the views' lists, and the
// report texts of the documents laid out as tables) and the calibration plot. The text, CSV and
// HTML writers all render this one model, so the three outputs always say the same.
#include <string>
#include <vector>

#include "photoquant.h"

// A table: a header (empty for a block of "label: value" lines) and rows of cells, kept exactly as
// their source holds them.
struct CTableBlock {
    std::vector<std::string> m_vsHeaders;
    std::vector<bool> m_vbRightAligned;  // by column; missing entries mean left-aligned
    std::vector<std::vector<std::string>> m_vvsRows;

    bool bRightAligned(size_t column) const {
        return column < m_vbRightAligned.size() && m_vbRightAligned[column];
    }
};

struct CReportSection {
    std::string m_sTitle;
    std::vector<CTableBlock> m_vBlocks;
};

// The lists every report carries, by the names their CSV files take, in report order.
inline const std::vector<std::string> kReportListNames = {"standards", "standards-calibration",
                                                          "unknowns", "unknowns-calibration"};

// A list view's content under the name its CSV file takes.
struct CNamedList {
    std::string m_sName;
    CTableBlock m_Table;
};

// A point of the plot with the label it is shown with.
struct CPlotMarker {
    double m_dX = 0.0;
    double m_dY = 0.0;
    std::string m_sLabel;
};

// The calibration as the plot shows it: the standards' readings against their concentrations, the
// curve over the standards' range (dashed where it is extended to zero or to an unknown beyond the
// range) and the unknowns placed on the curve at their concentrations.
struct CCalibrationPlot {
    std::string m_sXLabel;
    std::string m_sYLabel;
    std::vector<CDoublePt> m_vReplicates;
    std::vector<CDoublePt> m_vMeans;
    std::vector<CDoublePt> m_vCurve;
    std::vector<std::vector<CDoublePt>> m_vvExtensions;
    std::vector<CPlotMarker> m_vUnknowns;

    bool bIsEmpty() const { return m_vCurve.empty() && m_vReplicates.empty(); }
};

struct CReport {
    std::string m_sTitle;
    std::string m_sSource;
    std::vector<CReportSection> m_vSections;  // text and HTML
    std::vector<CNamedList> m_vLists;         // CSV: every list view
    CCalibrationPlot m_Plot;
};

// The columns and rows of a report list, cell by cell (sub-item c under column c).
CTableBlock ListTable(const CListCtrl& list);
// Report text of tab-separated lines as tables: consecutive lines with the same number of fields
// form one block; a block of more than two columns takes its first line as its header.
std::vector<CTableBlock> TextTables(const std::string& text);

// Width of a text in characters (UTF-8 code points), as a terminal lays it out.
size_t iDisplayWidth(const std::string& text);
