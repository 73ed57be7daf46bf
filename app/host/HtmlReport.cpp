// The HTML page: one self-contained file (styles inline, the plot as inline SVG, nothing fetched),
// written as well-formed XML so that it can be checked strictly and opened anywhere.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>

#include "host/MessageText.h"
#include "host/ReportWriters.h"

namespace {

// Markup characters as entities; control characters, which a page may not hold, as U+FFFD.
std::string sEscaped(const std::string& text) {
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

// ---- plot geometry -----------------------------------------------------------------------------

// An axis from lo to hi with ticks at multiples of step (1, 2 or 5 times a power of ten), about
// five of them, so that the numbers read easily.
struct CAxis {
    double m_dLo = 0.0;
    double m_dHi = 1.0;
    double m_dStep = 0.2;
    int m_iDecimals = 1;
};

CAxis NiceAxis(double lo, double hi) {
    if (!(hi > lo)) {
        hi = lo + 1.0;
    }
    const double rough = (hi - lo) / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    const double nice = fraction <= 1.0   ? 1.0
                        : fraction <= 2.0 ? 2.0
                        : fraction <= 5.0 ? 5.0
                                          : 10.0;
    CAxis axis;
    axis.m_dStep = nice * power;
    axis.m_dLo = std::floor(lo / axis.m_dStep) * axis.m_dStep;
    axis.m_dHi = std::ceil(hi / axis.m_dStep - 1e-9) * axis.m_dStep;
    axis.m_iDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(axis.m_dStep) + 1e-9)));
    return axis;
}

struct CBounds {
    double m_dXMin = std::numeric_limits<double>::max();
    double m_dXMax = std::numeric_limits<double>::lowest();
    double m_dYMin = std::numeric_limits<double>::max();
    double m_dYMax = std::numeric_limits<double>::lowest();

    void vTake(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) {
            return;
        }
        m_dXMin = std::min(m_dXMin, x);
        m_dXMax = std::max(m_dXMax, x);
        m_dYMin = std::min(m_dYMin, y);
        m_dYMax = std::max(m_dYMax, y);
    }
};

CBounds PlotBounds(const CCalibrationPlot& plot) {
    CBounds bounds;
    bounds.vTake(0.0, 0.0);  // concentration and reading axes start at zero
    for (const CDoublePt& point : plot.m_vReplicates) {
        bounds.vTake(point.x, point.y);
    }
    for (const CDoublePt& point : plot.m_vCurve) {
        bounds.vTake(point.x, point.y);
    }
    for (const auto& extension : plot.m_vvExtensions) {
        for (const CDoublePt& point : extension) {
            bounds.vTake(point.x, point.y);
        }
    }
    for (const CPlotMarker& marker : plot.m_vUnknowns) {
        bounds.vTake(marker.m_dX, marker.m_dY);
    }
    return bounds;
}

class CPlotFrame {
public:
    CPlotFrame(const CCalibrationPlot& plot, int width, int height)
        : m_iWidth(width), m_iHeight(height) {
        const CBounds bounds = PlotBounds(plot);
        m_xAxis = NiceAxis(bounds.m_dXMin, bounds.m_dXMax);
        m_yAxis = NiceAxis(bounds.m_dYMin, bounds.m_dYMax);
    }

    double dX(double x) const {
        return kLeft + (x - m_xAxis.m_dLo) / (m_xAxis.m_dHi - m_xAxis.m_dLo) * dPlotWidth();
    }
    double dY(double y) const {
        return kTop + (m_yAxis.m_dHi - y) / (m_yAxis.m_dHi - m_yAxis.m_dLo) * dPlotHeight();
    }
    bool bInside(double x, double y) const {
        return std::isfinite(x) && std::isfinite(y) && x >= m_xAxis.m_dLo - 1e-12 &&
               x <= m_xAxis.m_dHi + 1e-12 && y >= m_yAxis.m_dLo - 1e-12 &&
               y <= m_yAxis.m_dHi + 1e-12;
    }
    double dPlotWidth() const { return m_iWidth - kLeft - kRight; }
    double dPlotHeight() const { return m_iHeight - kTop - kBottom; }
    double dBottom() const { return kTop + dPlotHeight(); }
    const CAxis& XAxis() const { return m_xAxis; }
    const CAxis& YAxis() const { return m_yAxis; }

    static constexpr double kLeft = 78.0;
    static constexpr double kRight = 24.0;
    static constexpr double kTop = 20.0;
    static constexpr double kBottom = 58.0;

private:
    int m_iWidth;
    int m_iHeight;
    CAxis m_xAxis;
    CAxis m_yAxis;
};

std::string sNum(double value) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2) << value;
    return out.str();
}

std::string sTickText(double value, int decimals) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << (std::abs(value) < 1e-12 ? 0.0 : value);
    return out.str();
}

std::string sAxes(const CPlotFrame& frame, const CCalibrationPlot& plot) {
    std::ostringstream svg;
    const CAxis& xAxis = frame.XAxis();
    const CAxis& yAxis = frame.YAxis();
    const int xTicks = static_cast<int>(std::lround((xAxis.m_dHi - xAxis.m_dLo) / xAxis.m_dStep));
    const int yTicks = static_cast<int>(std::lround((yAxis.m_dHi - yAxis.m_dLo) / yAxis.m_dStep));
    for (int i = 0; i <= xTicks; ++i) {
        const double value = xAxis.m_dLo + i * xAxis.m_dStep;
        const std::string x = sNum(frame.dX(value));
        svg << "<line class=\"grid\" x1=\"" << x << "\" y1=\"" << sNum(CPlotFrame::kTop)
            << "\" x2=\"" << x << "\" y2=\"" << sNum(frame.dBottom()) << "\"/>\n"
            << "<line class=\"axis\" x1=\"" << x << "\" y1=\"" << sNum(frame.dBottom())
            << "\" x2=\"" << x << "\" y2=\"" << sNum(frame.dBottom() + 5) << "\"/>\n"
            << "<text class=\"tick\" x=\"" << x << "\" y=\"" << sNum(frame.dBottom() + 19)
            << "\" text-anchor=\"middle\">" << sTickText(value, xAxis.m_iDecimals) << "</text>\n";
    }
    for (int i = 0; i <= yTicks; ++i) {
        const double value = yAxis.m_dLo + i * yAxis.m_dStep;
        const std::string y = sNum(frame.dY(value));
        svg << "<line class=\"grid\" x1=\"" << sNum(CPlotFrame::kLeft) << "\" y1=\"" << y
            << "\" x2=\"" << sNum(CPlotFrame::kLeft + frame.dPlotWidth()) << "\" y2=\"" << y
            << "\"/>\n"
            << "<line class=\"axis\" x1=\"" << sNum(CPlotFrame::kLeft - 5) << "\" y1=\"" << y
            << "\" x2=\"" << sNum(CPlotFrame::kLeft) << "\" y2=\"" << y << "\"/>\n"
            << "<text class=\"tick\" x=\"" << sNum(CPlotFrame::kLeft - 9) << "\" y=\""
            << sNum(frame.dY(value) + 4) << "\" text-anchor=\"end\">"
            << sTickText(value, yAxis.m_iDecimals) << "</text>\n";
    }
    svg << "<rect class=\"frame\" x=\"" << sNum(CPlotFrame::kLeft) << "\" y=\""
        << sNum(CPlotFrame::kTop) << "\" width=\"" << sNum(frame.dPlotWidth()) << "\" height=\""
        << sNum(frame.dPlotHeight()) << "\"/>\n"
        << "<text class=\"label\" x=\"" << sNum(CPlotFrame::kLeft + frame.dPlotWidth() / 2)
        << "\" y=\"" << sNum(frame.dBottom() + 44) << "\" text-anchor=\"middle\">"
        << sEscaped(plot.m_sXLabel) << "</text>\n"
        << "<text class=\"label\" x=\"18\" y=\"" << sNum(CPlotFrame::kTop + frame.dPlotHeight() / 2)
        << "\" text-anchor=\"middle\" transform=\"rotate(-90 18 "
        << sNum(CPlotFrame::kTop + frame.dPlotHeight() / 2) << ")\">" << sEscaped(plot.m_sYLabel)
        << "</text>\n";
    return svg.str();
}

std::string sPolyline(const CPlotFrame& frame, const std::vector<CDoublePt>& points,
                      const char* cssClass) {
    std::string coordinates;
    for (const CDoublePt& point : points) {
        if (frame.bInside(point.x, point.y)) {
            if (!coordinates.empty()) {
                coordinates += ' ';
            }
            coordinates += sNum(frame.dX(point.x)) + "," + sNum(frame.dY(point.y));
        }
    }
    if (coordinates.empty()) {
        return {};
    }
    return std::string("<polyline class=\"") + cssClass + "\" points=\"" + coordinates + "\"/>\n";
}

std::string sCircles(const CPlotFrame& frame, const std::vector<CDoublePt>& points,
                     const char* cssClass, double radius) {
    std::ostringstream svg;
    for (const CDoublePt& point : points) {
        if (frame.bInside(point.x, point.y)) {
            svg << "<circle class=\"" << cssClass << "\" cx=\"" << sNum(frame.dX(point.x))
                << "\" cy=\"" << sNum(frame.dY(point.y)) << "\" r=\"" << sNum(radius) << "\"/>\n";
        }
    }
    return svg.str();
}

// Unknowns as diamonds on the curve, labelled alternately above left and below right of the mark
// (in the order of their concentrations) so that neighbours' labels do not cover each other.
std::string sUnknownMarks(const CPlotFrame& frame, std::vector<CPlotMarker> unknowns) {
    std::sort(unknowns.begin(), unknowns.end(),
              [](const CPlotMarker& a, const CPlotMarker& b) { return a.m_dX < b.m_dX; });
    std::ostringstream svg;
    bool bAbove = true;
    for (const CPlotMarker& unknown : unknowns) {
        if (!frame.bInside(unknown.m_dX, unknown.m_dY)) {
            continue;
        }
        const double x = frame.dX(unknown.m_dX);
        const double y = frame.dY(unknown.m_dY);
        svg << "<path class=\"unknown\" d=\"M " << sNum(x) << " " << sNum(y - 7) << " L "
            << sNum(x + 7) << " " << sNum(y) << " L " << sNum(x) << " " << sNum(y + 7) << " L "
            << sNum(x - 7) << " " << sNum(y) << " Z\"><title>" << sEscaped(unknown.m_sLabel)
            << "</title></path>\n"
            << "<text class=\"marker\" x=\"" << sNum(bAbove ? x - 10 : x + 10) << "\" y=\""
            << sNum(bAbove ? y - 9 : y + 17) << "\" text-anchor=\"" << (bAbove ? "end" : "start")
            << "\">" << sEscaped(unknown.m_sLabel) << "</text>\n";
        bAbove = !bAbove;
    }
    return svg.str();
}

// Means first, then the replicates as rings over them, so that a replicate lying on its mean
// still shows.
std::string sMarks(const CPlotFrame& frame, const CCalibrationPlot& plot) {
    return sCircles(frame, plot.m_vMeans, "mean", 5.0) +
           sCircles(frame, plot.m_vReplicates, "replicate", 3.5) +
           sUnknownMarks(frame, plot.m_vUnknowns);
}

std::string sLegend(const CPlotFrame& frame) {
    const double x = CPlotFrame::kLeft + frame.dPlotWidth() - 170;
    const double y = frame.dBottom() - 84;
    std::ostringstream svg;
    svg << "<g class=\"legend\">\n"
        << "<rect class=\"legendbox\" x=\"" << sNum(x) << "\" y=\"" << sNum(y)
        << "\" width=\"160\" height=\"74\"/>\n"
        << "<circle class=\"replicate\" cx=\"" << sNum(x + 14) << "\" cy=\"" << sNum(y + 14)
        << "\" r=\"3.5\"/><text x=\"" << sNum(x + 28) << "\" y=\"" << sNum(y + 18)
        << "\">Standard replicate</text>\n"
        << "<circle class=\"mean\" cx=\"" << sNum(x + 14) << "\" cy=\"" << sNum(y + 32)
        << "\" r=\"5\"/><text x=\"" << sNum(x + 28) << "\" y=\"" << sNum(y + 36)
        << "\">Standard mean</text>\n"
        << "<line class=\"curve\" x1=\"" << sNum(x + 6) << "\" y1=\"" << sNum(y + 50) << "\" x2=\""
        << sNum(x + 22) << "\" y2=\"" << sNum(y + 50) << "\"/><text x=\"" << sNum(x + 28)
        << "\" y=\"" << sNum(y + 54) << "\">Calibration curve</text>\n"
        << "<path class=\"unknown\" d=\"M " << sNum(x + 14) << " " << sNum(y + 61) << " L "
        << sNum(x + 20) << " " << sNum(y + 67) << " L " << sNum(x + 14) << " " << sNum(y + 73)
        << " L " << sNum(x + 8) << " " << sNum(y + 67) << " Z\"/><text x=\"" << sNum(x + 28)
        << "\" y=\"" << sNum(y + 71) << "\">Unknown (mean)</text>\n"
        << "</g>\n";
    return svg.str();
}

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
p.none { color: #5b6875; font-style: italic; }
svg { background: #ffffff; border: 1px solid #d3dae1; }
svg text { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 12px; fill: #1d2733; }
svg .grid { stroke: #e6ebf0; stroke-width: 1; }
svg .axis { stroke: #1d2733; stroke-width: 1; }
svg .frame { fill: none; stroke: #1d2733; stroke-width: 1; }
svg .label { font-size: 13px; }
svg .curve { fill: none; stroke: #1f5fa8; stroke-width: 2; }
svg .extension { fill: none; stroke: #1f5fa8; stroke-width: 1.5; stroke-dasharray: 6 4; }
svg .replicate { fill: none; stroke: #c0392b; stroke-width: 1.3; }
svg .mean { fill: #1f5fa8; stroke: none; }
svg .unknown { fill: #d9822b; stroke: #7a3f0a; stroke-width: 1; }
svg .marker { font-size: 11px; fill: #7a3f0a; }
svg .legendbox { fill: #ffffff; stroke: #c6cfd8; }
)css";

std::string sCell(const char* tag, const std::string& text, bool bRight) {
    return std::string("<") + tag + (bRight ? " class=\"right\"" : "") + ">" + sEscaped(text) +
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

std::string sSection(const CReportSection& section) {
    std::string html = "<h2>" + sEscaped(section.m_sTitle) + "</h2>\n";
    if (section.m_vBlocks.empty()) {
        return html + "<p class=\"none\">(none)</p>\n";
    }
    for (const CTableBlock& block : section.m_vBlocks) {
        html += sHtmlTable(block);
    }
    return html;
}

}  // namespace

std::string sSvgPlot(const CCalibrationPlot& plot, int width, int height) {
    const CPlotFrame frame(plot, width, height);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
                      "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                      std::to_string(width) + " " + std::to_string(height) +
                      "\" role=\"img\" aria-label=\"Calibration plot\">\n";
    svg += sAxes(frame, plot);
    for (const auto& extension : plot.m_vvExtensions) {
        svg += sPolyline(frame, extension, "extension");
    }
    svg += sPolyline(frame, plot.m_vCurve, "curve");
    svg += sMarks(frame, plot) + sLegend(frame);
    return svg + "</svg>\n";
}

std::string sHtmlReport(const CReport& report) {
    std::string html =
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        "<meta charset=\"utf-8\"/>\n<title>" +
        sEscaped(report.m_sTitle) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n" +
        "<h1>" + sEscaped(report.m_sTitle) +
        "</h1>\n<p class=\"source\">Run file: " + sEscaped(report.m_sSource) +
        "</p>\n<h2>Calibration</h2>\n";
    html += report.m_Plot.bIsEmpty()
                ? std::string("<p class=\"none\">No calibration curve in this analysis.</p>\n")
                : sSvgPlot(report.m_Plot, 760, 440);
    for (const CReportSection& section : report.m_vSections) {
        html += sSection(section);
    }
    return html + "</body>\n</html>\n";
}
