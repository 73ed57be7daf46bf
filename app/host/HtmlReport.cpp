// The HTML page: one self-contained file (styles inline, the plot as inline SVG, nothing fetched),
// written as well-formed XML so that it can be checked strictly and opened anywhere.
#include "host/MessageText.h"
#include "host/ReportWriters.h"

// Markup characters as entities; control characters, which a page may not hold, as U+FFFD.
std::string sXmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : sPrintable(text, EUnprintable::kReplace)) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

namespace {

// ---- page --------------------------------------------------------------------------------------

constexpr const char* kStyle = R"css(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 24px 32px; color: #1d2733; }
h1 { font-size: 22px; margin-bottom: 4px; }
h2 { font-size: 16px; margin: 26px 0 8px; border-bottom: 1px solid #c6cfd8; padding-bottom: 3px; }
p.source { color: #5b6875; margin-top: 0; }
table { border-collapse: collapse; margin: 6px 0 10px; font-size: 13px; }
th, td { border: 1px solid #d3dae1; padding: 3px 9px; white-space: pre; text-align: left; }
th { background: #eef2f6; font-weight: 600; }
td.right, th.right { text-align: right; }
tbody tr:nth-child(even) td { background: #f8fafc; }
p.note { font-size: 13px; margin: 4px 0; max-width: 60em; }
div.plots { display: flex; flex-wrap: wrap; gap: 12px; }
)css";

constexpr const char* kPlotStyle = R"css(
svg { background: #ffffff; border: 1px solid #d3dae1; }
svg text { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 12px; fill: #1d2733; }
svg .grid { stroke: #e6ebf0; stroke-width: 1; }
svg .axis { stroke: #1d2733; stroke-width: 1; }
svg .frame { fill: none; stroke: #1d2733; stroke-width: 1; }
svg .label { font-size: 13px; }
svg .label.small { font-size: 11px; }
svg .curve { fill: none; stroke: #1f5fa8; stroke-width: 2; }
svg .extension { fill: none; stroke: #1f5fa8; stroke-width: 1.5; stroke-dasharray: 6 4; }
svg .replicate { fill: none; stroke: #c0392b; stroke-width: 1.3; }
svg .mean { fill: #1f5fa8; stroke: none; }
svg .unknown { fill: #d9822b; stroke: #7a3f0a; stroke-width: 1; }
svg .unknown.flagged { fill: #c0392b; stroke: #6e1d15; }
svg .marker { font-size: 11px; fill: #5a2e07; }
svg .limit { stroke: #6b7785; stroke-width: 1.2; stroke-dasharray: 2 3; }
svg .limitlabel { font-size: 10px; fill: #4a5561; }
svg .arrow { stroke: #6e1d15; stroke-width: 1.5; }
svg .arrowhead { fill: #6e1d15; }
svg .zero { fill: none; stroke: #1f5fa8; stroke-width: 1.5; }
svg .residual { fill: none; stroke: #c0392b; stroke-width: 1.3; }
svg .flaggedpoint { fill: none; stroke: #8e44ad; stroke-width: 2; }
svg .removed { fill: none; stroke: #4a5561; stroke-width: 2; }
svg .legend text { font-size: 11px; }
)css";

std::string sCell(const char* tag, const std::string& text, bool bRight) {
    return std::string("<") + tag + (bRight ? " class=\"right\"" : "") + ">" + sXmlEscaped(text) +
           "</" + tag + ">";
}

std::string sHtmlTable(const CTableBlock& table) {
    std::string html = "<table>\n";
    if (!table.m_vsHeaders.empty()) {
        html += "<thead><tr>";
        for (size_t c = 0; c < table.m_vsHeaders.size(); ++c) {
            html += sCell("th", table.m_vsHeaders[c], table.bRightAligned(c));
        }
        html += "</tr></thead>\n";
    }
    html += "<tbody>\n";
    for (const auto& row : table.m_vvsRows) {
        html += "<tr>";
        for (size_t c = 0; c < row.size(); ++c) {
            html += sCell("td", row[c], table.bRightAligned(c));
        }
        html += "</tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

// The calibration plot and the residuals of the standards side by side (they share the
// concentration axis), wrapping under each other in a narrow window.
std::string sPlots(const CReport& report) {
    if (report.m_Plot.bIsEmpty()) {
        return {};
    }
    std::string html = "<div class=\"plots\">\n" + sSvgPlot(report.m_Plot, 600, 450);
    if (!report.m_Residuals.bIsEmpty()) {
        html += sSvgResidualPlot(report.m_Residuals, 380, 450);
    }
    return html + "</div>\n";
}

std::string sNotes(const std::vector<std::string>& notes) {
    std::string html;
    for (const std::string& note : notes) {
        html += "<p class=\"note\">" + sXmlEscaped(note) + "</p>\n";
    }
    return html;
}

std::string sSection(const CReportSection& section, const CReport& report) {
    std::string html = "<h2>" + sXmlEscaped(section.m_sTitle) + "</h2>\n";
    if (section.m_bShowsPlots) {
        html += sPlots(report);
    }
    for (const CTableBlock& block : section.m_vBlocks) {
        if (block.bHasTable()) {
            html += sHtmlTable(block);
        }
        html += sNotes(block.m_vsNotes);
    }
    return html + sNotes(section.m_vsNotes);
}

}  // namespace

std::string sPlotStyle() {
    return kPlotStyle;
}

std::string sHtmlReport(const CReport& report) {
    std::string html =
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        "<meta charset=\"utf-8\"/>\n<title>" +
        sXmlEscaped(report.m_sTitle) + "</title>\n<style>" + kStyle + kPlotStyle +
        "</style>\n</head>\n<body>\n" + "<h1>" + sXmlEscaped(report.m_sTitle) +
        "</h1>\n<p class=\"source\">Run file: " + sXmlEscaped(report.m_sSource) + "</p>\n";
    for (const CReportSection& section : report.m_vSections) {
        if (!section.bIsEmpty()) {
            html += sSection(section, report);
        }
    }
    return html + "</body>\n</html>\n";
}
