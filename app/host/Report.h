#pragma once
// The report of a run, independent of where it goes: sections of tables (the views' lists, the
// report texts of the documents laid out as tables, and the report's own sections: the run's audit
// header, the settings, the calibration equation, the blank, the results per sample), tables for
// machines, and the calibration and residual plots. The text, CSV and HTML writers all render this
// one model, so the outputs always say the same. A later section (the calibration statistics, for
// instance) is one more CReportSection, one more table and more marks on the plots.
#include <string>
#include <utility>
#include <vector>

#include "photoquant.h"

// A table: a header (empty for a block of "label: value" lines) and rows of cells, kept exactly as
// their source holds them, and sentences that belong under it (a block may be sentences only).
struct CTableBlock {
    std::vector<std::string> m_vsHeaders;
    std::vector<bool> m_vbRightAligned;  // by column; missing entries mean left-aligned
    std::vector<std::vector<std::string>> m_vvsRows;
    std::vector<std::string> m_vsNotes;

    bool bHasTable() const { return !m_vsHeaders.empty() || !m_vvsRows.empty(); }

    bool bRightAligned(size_t column) const {
        return column < m_vbRightAligned.size() && m_vbRightAligned[column];
    }
};

// A section of the report: tables, then sentences under them. A section with neither is left out
// by every writer. The calibration section also carries the plots in the HTML page.
struct CReportSection {
    CReportSection(std::string title, std::vector<CTableBlock> blocks = {})
        : m_sTitle(std::move(title)), m_vBlocks(std::move(blocks)) {}

    std::string m_sTitle;
    std::vector<CTableBlock> m_vBlocks;
    std::vector<std::string> m_vsNotes;
    bool m_bShowsPlots = false;

    bool bIsEmpty() const { return m_vBlocks.empty() && m_vsNotes.empty() && !m_bShowsPlots; }
};

// A table under the name its CSV file takes.
struct CNamedList {
    std::string m_sName;
    CTableBlock m_Table;
};

// A rectangle of plot values, grown point by point.
struct CPlotWindow {
    double m_dXMin = 0.0;
    double m_dXMax = 0.0;
    double m_dYMin = 0.0;
    double m_dYMax = 0.0;
    bool m_bEmpty = true;

    void vTake(double x, double y);
    bool bContains(double x, double y) const;
};

// An unknown sample on the plot: its mean concentration read off the curve (before the amount
// corrections) against its mean reading as the curve saw it (after the blank correction).
struct CPlotMarker {
    double m_dX = 0.0;
    double m_dY = 0.0;
    std::string m_sLabel;
    std::string m_sFlag;  // "HIGH", "LOW" or empty
};

// A concentration limit, drawn across the plot.
struct CPlotLimit {
    double m_dConc = 0.0;
    std::string m_sLabel;
};

// The calibration as the plot shows it: the standards' readings against their concentrations, the
// curve over the standards' range (dashed where it is extended only as far as an unknown needs)
// and the unknowns at what was measured. The window is what the axes must show; an unknown outside
// it is drawn at its edge with an arrow and its value, so that one wild sample cannot squash the
// calibration into a corner.
struct CCalibrationPlot {
    std::string m_sXLabel;
    std::string m_sYLabel;
    CPlotWindow m_Window;
    std::vector<CDoublePt> m_vReplicates;
    std::vector<CDoublePt> m_vMeans;  // standards' means, when they have replicates
    std::vector<CDoublePt> m_vCurve;
    std::vector<std::vector<CDoublePt>> m_vvExtensions;
    std::vector<CPlotMarker> m_vUnknowns;
    std::vector<CPlotLimit> m_vLimits;
    std::vector<CPlotMarker> m_vRemoved;  // standard points the run took out of the curve

    bool bIsEmpty() const { return m_vCurve.empty() && m_vReplicates.empty(); }
};

// How far each standard's reading lies from the curve: (concentration, reading - curve) for every
// measured point of the standards, over the same concentrations as the calibration plot. The
// points the calibration statistics flag are marked (the label says what flags them), and the
// points the run took out of the curve are shown apart.
struct CResidualPlot {
    std::string m_sXLabel;
    std::string m_sYLabel;
    double m_dXMin = 0.0;
    double m_dXMax = 1.0;
    // The last decimal the readings show: residuals below it are rounding, and the axis spans at
    // least one such step either side of zero rather than magnifying the rounding noise.
    double m_dReadingStep = 1e-3;
    std::vector<CDoublePt> m_vPoints;
    std::vector<CPlotMarker> m_vFlagged;
    std::vector<CPlotMarker> m_vRemoved;

    bool bIsEmpty() const { return m_vPoints.empty(); }
};

struct CReport {
    std::string m_sTitle;
    std::string m_sSource;
    std::vector<CReportSection> m_vSections;  // text and HTML, in this order
    std::vector<CNamedList> m_vTables;        // CSV: the tidy tables, then every list view
    CCalibrationPlot m_Plot;
    CResidualPlot m_Residuals;
};

// The columns and rows of a report list, cell by cell (sub-item c under column c).
CTableBlock ListTable(const CListCtrl& list);
// Report text of tab-separated lines as tables: consecutive lines with the same number of fields
// form one block; a block of more than two columns takes its first line as its header.
std::vector<CTableBlock> TextTables(const std::string& text);

// Width of a text in characters (UTF-8 code points), as a terminal lays it out.
size_t iDisplayWidth(const std::string& text);
