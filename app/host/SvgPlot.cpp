// The plots of the HTML page as inline SVG: the calibration (standards, curve, unknowns, limits)
// and the residuals of the standards beside it. Everything a plot draws stays inside its picture:
// labels are placed where they fit, an unknown beyond the axes sits at the edge with an arrow and
// its values, and the legend below the axes names only what was drawn.
#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "host/ReportNumbers.h"
#include "host/ReportWriters.h"

using namespace photoquant;

namespace {

// ---- axes --------------------------------------------------------------------------------------

// An axis from lo to hi with ticks at multiples of step (1, 2 or 5 times a power of ten), about
// five of them, so that the numbers read easily.
struct CAxis {
    double m_dLo = 0.0;
    double m_dHi = 1.0;
    double m_dStep = 0.2;
    int m_iDecimals = 1;
};

// Share of the data's span left free on each side, so that no point sits on the frame; a side at
// zero stays at zero.
constexpr double kPadShare = 0.04;

CAxis NiceAxis(double lo, double hi) {
    if (!(hi > lo)) {
        const double half = lo == 0.0 ? 0.5 : std::abs(lo) * 0.1;
        lo -= half;
        hi += half;
    }
    const double pad = (hi - lo) * kPadShare;
    lo = lo == 0.0 ? 0.0 : lo - pad;
    hi = hi == 0.0 ? 0.0 : hi + pad;
    const double rough = (hi - lo) / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    const double nice = fraction <= 1.0   ? 1.0
                        : fraction <= 2.0 ? 2.0
                        : fraction <= 5.0 ? 5.0
                                          : 10.0;
    CAxis axis;
    axis.m_dStep = nice * power;
    axis.m_dLo = std::floor(lo / axis.m_dStep + 1e-9) * axis.m_dStep;
    axis.m_dHi = std::ceil(hi / axis.m_dStep - 1e-9) * axis.m_dStep;
    axis.m_iDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(axis.m_dStep) + 1e-9)));
    return axis;
}

// Pixel geometry of one plot: the frame inside the picture and the two axes mapped onto it.
class CPlotFrame {
public:
    CPlotFrame(const CAxis& xAxis, const CAxis& yAxis, int width, int height, double bottom)
        : m_xAxis(xAxis),
          m_yAxis(yAxis),
          m_dWidth(width),
          m_dHeight(height),
          m_dBottom(bottom),
          m_dLeft(dLeftRoom(yAxis)) {}

    double dX(double x) const {
        return m_dLeft + (x - m_xAxis.m_dLo) / (m_xAxis.m_dHi - m_xAxis.m_dLo) * dPlotWidth();
    }
    double dY(double y) const {
        return kTop + (m_yAxis.m_dHi - y) / (m_yAxis.m_dHi - m_yAxis.m_dLo) * dPlotHeight();
    }
    bool bInside(double x, double y) const {
        const double tolX = 1e-9 * (m_xAxis.m_dHi - m_xAxis.m_dLo);
        const double tolY = 1e-9 * (m_yAxis.m_dHi - m_yAxis.m_dLo);
        return std::isfinite(x) && std::isfinite(y) && x >= m_xAxis.m_dLo - tolX &&
               x <= m_xAxis.m_dHi + tolX && y >= m_yAxis.m_dLo - tolY && y <= m_yAxis.m_dHi + tolY;
    }
    double dPlotWidth() const { return m_dWidth - m_dLeft - kRight; }
    double dPlotHeight() const { return m_dHeight - kTop - m_dBottom; }
    double dLeft() const { return m_dLeft; }
    double dRight() const { return m_dLeft + dPlotWidth(); }
    double dTop() const { return kTop; }
    double dBottom() const { return kTop + dPlotHeight(); }
    double dWidth() const { return m_dWidth; }
    const CAxis& XAxis() const { return m_xAxis; }
    const CAxis& YAxis() const { return m_yAxis; }

    static constexpr double kRight = 20.0;
    static constexpr double kTop = 16.0;

private:
    // Room left of the frame for the axis label and the widest tick number.
    static double dLeftRoom(const CAxis& yAxis);

    CAxis m_xAxis;
    CAxis m_yAxis;
    double m_dWidth;
    double m_dHeight;
    double m_dBottom;
    double m_dLeft;
};

// Room under the frame for the tick labels and the axis label.
constexpr double kAxisRoom = 52.0;
// Text metrics of the plot's fonts, in pixels: a generous average advance per character, so that a
// label placed to fit does fit.
constexpr double kCharWidth = 6.8;
constexpr double kLabelCharWidth = 7.6;
constexpr double kTextHeight = 12.0;

// Coordinates of the drawing, to a hundredth of a pixel.
std::string sNum(double value) {
    return sFixed(value, 2);
}

std::string sTickText(double value, int decimals) {
    return sFixed(std::abs(value) < 1e-12 ? 0.0 : value, decimals);
}

double CPlotFrame::dLeftRoom(const CAxis& yAxis) {
    size_t widest = 0;
    for (double value : {yAxis.m_dLo, yAxis.m_dHi}) {
        widest = std::max(widest, sTickText(value, yAxis.m_iDecimals).size());
    }
    return 40.0 + static_cast<double>(widest) * kCharWidth;
}

std::string sAxes(const CPlotFrame& frame, const std::string& xLabel, const std::string& yLabel) {
    std::ostringstream svg;
    const CAxis& xAxis = frame.XAxis();
    const CAxis& yAxis = frame.YAxis();
    const int xTicks = static_cast<int>(std::lround((xAxis.m_dHi - xAxis.m_dLo) / xAxis.m_dStep));
    const int yTicks = static_cast<int>(std::lround((yAxis.m_dHi - yAxis.m_dLo) / yAxis.m_dStep));
    for (int i = 0; i <= xTicks; ++i) {
        const double value = xAxis.m_dLo + i * xAxis.m_dStep;
        const std::string x = sNum(frame.dX(value));
        svg << "<line class=\"grid\" x1=\"" << x << "\" y1=\"" << sNum(frame.dTop()) << "\" x2=\""
            << x << "\" y2=\"" << sNum(frame.dBottom()) << "\"/>\n"
            << "<text class=\"tick xtick\" x=\"" << x << "\" y=\"" << sNum(frame.dBottom() + 17)
            << "\" text-anchor=\"middle\">" << sTickText(value, xAxis.m_iDecimals) << "</text>\n";
    }
    for (int i = 0; i <= yTicks; ++i) {
        const double value = yAxis.m_dLo + i * yAxis.m_dStep;
        const std::string y = sNum(frame.dY(value));
        svg << "<line class=\"grid\" x1=\"" << sNum(frame.dLeft()) << "\" y1=\"" << y << "\" x2=\""
            << sNum(frame.dRight()) << "\" y2=\"" << y << "\"/>\n"
            << "<text class=\"tick ytick\" x=\"" << sNum(frame.dLeft() - 7) << "\" y=\""
            << sNum(frame.dY(value) + 4) << "\" text-anchor=\"end\">"
            << sTickText(value, yAxis.m_iDecimals) << "</text>\n";
    }
    const double yMiddle = frame.dTop() + frame.dPlotHeight() / 2;
    // A long reading label takes a smaller font rather than running off the picture.
    const bool bSmall = static_cast<double>(iDisplayWidth(yLabel)) * kLabelCharWidth >
                        frame.dPlotHeight() + frame.dTop();
    svg << "<rect class=\"frame\" x=\"" << sNum(frame.dLeft()) << "\" y=\"" << sNum(frame.dTop())
        << "\" width=\"" << sNum(frame.dPlotWidth()) << "\" height=\"" << sNum(frame.dPlotHeight())
        << "\"/>\n"
        << "<text class=\"label\" x=\"" << sNum(frame.dLeft() + frame.dPlotWidth() / 2) << "\" y=\""
        << sNum(frame.dBottom() + 40) << "\" text-anchor=\"middle\">" << sXmlEscaped(xLabel)
        << "</text>\n"
        << "<text class=\"label" << (bSmall ? " small" : "") << "\" x=\"16\" y=\"" << sNum(yMiddle)
        << "\" text-anchor=\"middle\" transform=\"rotate(-90 16 " << sNum(yMiddle) << ")\">"
        << sXmlEscaped(yLabel) << "</text>\n";
    return svg.str();
}

std::string sPolyline(const CPlotFrame& frame, const std::vector<CDoublePt>& points,
                      const char* cssClass) {
    std::string svg;
    std::string run;
    auto close = [&]() {
        if (run.find(' ') != std::string::npos) {
            svg += std::string("<polyline class=\"") + cssClass + "\" points=\"" + run + "\"/>\n";
        }
        run.clear();
    };
    for (const CDoublePt& point : points) {
        if (!frame.bInside(point.x, point.y)) {
            close();  // a piece outside the axes breaks the line instead of joining across
            continue;
        }
        if (!run.empty()) {
            run += ' ';
        }
        run += sNum(frame.dX(point.x)) + "," + sNum(frame.dY(point.y));
    }
    close();
    return svg;
}

// ---- labels that fit ---------------------------------------------------------------------------

struct CBox {
    double m_dX0, m_dY0, m_dX1, m_dY1;
    bool bOverlaps(const CBox& other) const {
        return m_dX0 < other.m_dX1 && other.m_dX0 < m_dX1 && m_dY0 < other.m_dY1 &&
               other.m_dY0 < m_dY1;
    }
    bool bWithin(double x0, double y0, double x1, double y1) const {
        return m_dX0 >= x0 && m_dX1 <= x1 && m_dY0 >= y0 && m_dY1 <= y1;
    }
};

// Places each label beside its mark: right above, right below, left above or left below, where it
// stays inside the frame and covers least of the marks and of the labels placed before it.
class CLabelPlacer {
public:
    explicit CLabelPlacer(const CPlotFrame& frame) : m_frame(frame) {}

    // A mark drawn at (x, y) that labels keep clear of.
    void vAvoid(double x, double y, double radius) {
        m_vMarks.push_back({x - radius, y - radius, x + radius, y + radius});
    }

    std::string sLabel(double x, double y, const std::string& text, const char* cssClass) {
        const double width = static_cast<double>(iDisplayWidth(text)) * kCharWidth;
        struct CCandidate {
            double m_dDx, m_dDy;
            bool m_bLeft;
        };
        const CCandidate candidates[] = {
            {10, -9, false}, {10, 18, false}, {-10, -9, true}, {-10, 18, true}};
        // The place that fits inside the frame and covers the fewest marks and labels (a label
        // weighs more than a mark); the first of equals.
        int chosen = 0;
        int best = std::numeric_limits<int>::max();
        for (int i = 0; i < 4; ++i) {
            const CBox box =
                Box(x, y, width, candidates[i].m_dDx, candidates[i].m_dDy, candidates[i].m_bLeft);
            const bool bFits = box.bWithin(m_frame.dLeft() + 2, m_frame.dTop() + 2,
                                           m_frame.dRight() - 2, m_frame.dBottom() - 2);
            const int cost = iCovered(box) + (bFits ? 0 : kOutsideCost);
            if (cost < best) {
                best = cost;
                chosen = i;
            }
        }
        const CCandidate& c = candidates[chosen];
        CBox box = Box(x, y, width, c.m_dDx, c.m_dDy, c.m_bLeft);
        // Nothing fits (a label wider than the frame): keep it inside the picture at least.
        const double shift = std::max(0.0, m_frame.dLeft() - box.m_dX0) -
                             std::max(0.0, box.m_dX1 - m_frame.dRight());
        box.m_dX0 += shift;
        box.m_dX1 += shift;
        m_vLabels.push_back(box);
        std::ostringstream svg;
        svg << "<text class=\"" << cssClass << "\" x=\"" << sNum(box.m_dX0) << "\" y=\""
            << sNum(box.m_dY1 - 3) << "\">" << sXmlEscaped(text) << "</text>\n";
        return svg.str();
    }

private:
    static CBox Box(double x, double y, double width, double dx, double dy, bool bLeft) {
        const double x0 = bLeft ? x + dx - width : x + dx;
        const double baseline = y + dy;
        return {x0, baseline - kTextHeight + 3, x0 + width, baseline + 3};
    }
    int iCovered(const CBox& box) const {
        auto count = [&box](const std::vector<CBox>& boxes) {
            return static_cast<int>(
                std::count_if(boxes.begin(), boxes.end(),
                              [&](const CBox& other) { return other.bOverlaps(box); }));
        };
        return count(m_vMarks) + kLabelCost * count(m_vLabels);
    }

    static constexpr int kLabelCost = 1000;
    static constexpr int kOutsideCost = 100000;
    const CPlotFrame& m_frame;
    std::vector<CBox> m_vMarks;
    std::vector<CBox> m_vLabels;
};

// ---- marks -------------------------------------------------------------------------------------

// Replicates are drawn this far right of their standard's mean, so that both show.
constexpr double kReplicateOffset = 9.0;

std::string sCircle(double x, double y, double radius, const char* cssClass) {
    return std::string("<circle class=\"") + cssClass + "\" cx=\"" + sNum(x) + "\" cy=\"" +
           sNum(y) + "\" r=\"" + sNum(radius) + "\"/>\n";
}

// A diamond centred on (x, y); a title names the sample when the pointer rests on it.
std::string sDiamond(double x, double y, const char* cssClass, const std::string& title = "") {
    std::string svg = std::string("<path class=\"") + cssClass + "\" d=\"M " + sNum(x) + "," +
                      sNum(y) + " m 0,-7 l 7,7 l -7,7 l -7,-7 z\"";
    return title.empty() ? svg + "/>\n"
                         : svg + "><title>" + sXmlEscaped(title) + "</title></path>\n";
}

// A cross centred on (x, y): a point taken out of the curve.
std::string sCross(double x, double y, const std::string& title = "") {
    std::string svg = "<path class=\"removed\" d=\"M " + sNum(x - 4.5) + "," + sNum(y - 4.5) +
                      " l 9,9 m 0,-9 l -9,9\"";
    return title.empty() ? svg + "/>\n"
                         : svg + "><title>" + sXmlEscaped(title) + "</title></path>\n";
}

// A ring around a flagged point, with what flags it when the pointer rests on it.
std::string sFlagRing(double x, double y, const std::string& title = "") {
    std::string svg =
        "<circle class=\"flaggedpoint\" cx=\"" + sNum(x) + "\" cy=\"" + sNum(y) + "\" r=\"7\"";
    return title.empty() ? svg + "/>\n"
                         : svg + "><title>" + sXmlEscaped(title) + "</title></circle>\n";
}

// A small arrow at (x, y) pointing along (dx, dy), each -1, 0 or 1.
std::string sArrow(double x, double y, int dx, int dy) {
    const double length = 14.0;
    const double norm = std::hypot(dx, dy);
    const double ux = dx / norm;
    const double uy = dy / norm;
    const double tipX = x + ux * length;
    const double tipY = y + uy * length;
    std::ostringstream svg;
    svg << "<line class=\"arrow\" x1=\"" << sNum(x) << "\" y1=\"" << sNum(y) << "\" x2=\""
        << sNum(tipX) << "\" y2=\"" << sNum(tipY) << "\"/>\n"
        << "<path class=\"arrowhead\" d=\"M " << sNum(tipX + ux * 4) << "," << sNum(tipY + uy * 4)
        << " L " << sNum(tipX - ux * 4 - uy * 4) << "," << sNum(tipY - uy * 4 + ux * 4) << " L "
        << sNum(tipX - ux * 4 + uy * 4) << "," << sNum(tipY - uy * 4 - ux * 4) << " z\"/>\n";
    return svg.str();
}

std::string sStandards(const CPlotFrame& frame, const CCalibrationPlot& plot) {
    std::string svg;
    const bool bBeside = !plot.m_vMeans.empty();
    for (const CDoublePt& mean : plot.m_vMeans) {
        if (frame.bInside(mean.x, mean.y)) {
            svg += sCircle(frame.dX(mean.x), frame.dY(mean.y), 4.5, "mean");
        }
    }
    for (const CDoublePt& point : plot.m_vReplicates) {
        if (frame.bInside(point.x, point.y)) {
            svg += sCircle(frame.dX(point.x) + (bBeside ? kReplicateOffset : 0.0),
                           frame.dY(point.y), 3.5, "replicate");
        }
    }
    return svg;
}

std::string sLimits(const CPlotFrame& frame, const CCalibrationPlot& plot, CLabelPlacer& labels) {
    std::string svg;
    for (const CPlotLimit& limit : plot.m_vLimits) {
        if (!frame.bInside(limit.m_dConc, frame.YAxis().m_dLo)) {
            continue;
        }
        const std::string x = sNum(frame.dX(limit.m_dConc));
        svg += "<line class=\"limit\" x1=\"" + x + "\" y1=\"" + sNum(frame.dTop()) + "\" x2=\"" +
               x + "\" y2=\"" + sNum(frame.dBottom()) + "\"/>\n";
        svg += labels.sLabel(frame.dX(limit.m_dConc) - 7, frame.dTop() + 9, limit.m_sLabel,
                             "limitlabel");
    }
    return svg;
}

// Unknowns in the order of their concentrations, so that neighbours' labels alternate sides when
// they crowd; one outside the axes sits on the nearest edge with an arrow pointing out.
std::string sUnknowns(const CPlotFrame& frame, std::vector<CPlotMarker> unknowns,
                      CLabelPlacer& labels) {
    std::stable_sort(unknowns.begin(), unknowns.end(),
                     [](const CPlotMarker& a, const CPlotMarker& b) { return a.m_dX < b.m_dX; });
    std::string svg;
    for (const CPlotMarker& unknown : unknowns) {
        const char* cssClass = unknown.m_sFlag.empty() ? "unknown" : "unknown flagged";
        std::string text = unknown.m_sLabel;
        if (!unknown.m_sFlag.empty()) {
            text += " " + unknown.m_sFlag;
        }
        double x = frame.dX(unknown.m_dX);
        double y = frame.dY(unknown.m_dY);
        if (frame.bInside(unknown.m_dX, unknown.m_dY)) {
            svg += sDiamond(x, y, cssClass, unknown.m_sLabel) + labels.sLabel(x, y, text, "marker");
            continue;
        }
        const int dx = x < frame.dLeft() ? -1 : x > frame.dRight() ? 1 : 0;
        const int dy = y < frame.dTop() ? -1 : y > frame.dBottom() ? 1 : 0;
        x = std::clamp(x, frame.dLeft() + 18, frame.dRight() - 18);
        y = std::clamp(y, frame.dTop() + 18, frame.dBottom() - 18);
        text += " (c = " + sSignificant(unknown.m_dX, 4) +
                ", y = " + sSignificant(unknown.m_dY, 4) + ")";
        svg += sDiamond(x, y, (std::string(cssClass) + " offscale").c_str(), unknown.m_sLabel) +
               sArrow(x, y, dx, dy) + labels.sLabel(x, y, text, "marker");
    }
    return svg;
}

// Labels keep clear of every point and of the curve.
void vAvoidMarks(const CPlotFrame& frame, const CCalibrationPlot& plot, CLabelPlacer& labels) {
    const double offset = plot.m_vMeans.empty() ? 0.0 : kReplicateOffset;
    for (const CDoublePt& point : plot.m_vReplicates) {
        labels.vAvoid(frame.dX(point.x) + offset, frame.dY(point.y), 4.5);
    }
    for (const CDoublePt& mean : plot.m_vMeans) {
        labels.vAvoid(frame.dX(mean.x), frame.dY(mean.y), 5.0);
    }
    for (const CPlotMarker& removed : plot.m_vRemoved) {
        labels.vAvoid(frame.dX(removed.m_dX) + offset, frame.dY(removed.m_dY), 5.0);
    }
    for (const CPlotMarker& unknown : plot.m_vUnknowns) {
        if (frame.bInside(unknown.m_dX, unknown.m_dY)) {
            labels.vAvoid(frame.dX(unknown.m_dX), frame.dY(unknown.m_dY), 8.0);
        }
    }
    std::vector<CDoublePt> line = plot.m_vCurve;
    for (const auto& extension : plot.m_vvExtensions) {
        line.insert(line.end(), extension.begin(), extension.end());
    }
    for (const CDoublePt& point : line) {
        if (frame.bInside(point.x, point.y)) {
            labels.vAvoid(frame.dX(point.x), frame.dY(point.y), 1.5);
        }
    }
}

// ---- legend ------------------------------------------------------------------------------------

struct CLegendEntry {
    std::string m_sSymbol;  // SVG of the symbol, drawn around (0, 0)
    std::string m_sText;
};

constexpr double kLegendRow = 18.0;
constexpr double kLegendLeft = 40.0;

std::vector<CLegendEntry> LegendEntries(const CPlotFrame& frame, const CCalibrationPlot& plot) {
    std::vector<CLegendEntry> entries;
    const bool bMeans = !plot.m_vMeans.empty();
    if (!plot.m_vReplicates.empty()) {
        entries.push_back({sCircle(0, 0, 3.5, "replicate"),
                           bMeans ? "Standard replicate (beside its mean)" : "Standard"});
    }
    if (bMeans) {
        entries.push_back({sCircle(0, 0, 4.5, "mean"), "Standard mean"});
    }
    if (!plot.m_vCurve.empty()) {
        entries.push_back({"<line class=\"curve\" x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\"/>\n",
                           "Calibration curve"});
    }
    if (!plot.m_vvExtensions.empty()) {
        entries.push_back({"<line class=\"extension\" x1=\"-8\" y1=\"0\" x2=\"8\" y2=\"0\"/>\n",
                           "Curve extrapolated"});
    }
    bool bPlain = false;
    bool bFlagged = false;
    bool bOffScale = false;
    for (const CPlotMarker& unknown : plot.m_vUnknowns) {
        (unknown.m_sFlag.empty() ? bPlain : bFlagged) = true;
        bOffScale |= !frame.bInside(unknown.m_dX, unknown.m_dY);
    }
    if (bPlain) {
        entries.push_back({sDiamond(0, 0, "unknown"), "Unknown (mean)"});
    }
    if (bFlagged) {
        entries.push_back({sDiamond(0, 0, "unknown flagged"), "Unknown beyond a limit"});
    }
    if (bOffScale) {
        entries.push_back({sArrow(-7, 0, 1, 0), "Off the axes (values given)"});
    }
    if (!plot.m_vLimits.empty()) {
        entries.push_back({"<line class=\"limit\" x1=\"0\" y1=\"-7\" x2=\"0\" y2=\"7\"/>\n",
                           "Concentration limit"});
    }
    if (!plot.m_vRemoved.empty()) {
        entries.push_back({sCross(0, 0), "Standard point removed"});
    }
    return entries;
}

// Entries in rows below the axis label, wrapped to the picture's width; the rows' height.
std::string sLegend(const std::vector<CLegendEntry>& entries, double top, double width,
                    double& height) {
    std::ostringstream svg;
    double x = kLegendLeft;
    double y = top + kLegendRow / 2;
    int rows = entries.empty() ? 0 : 1;
    for (const CLegendEntry& entry : entries) {
        const double entryWidth =
            30 + static_cast<double>(iDisplayWidth(entry.m_sText)) * kCharWidth;
        if (x + entryWidth > width - CPlotFrame::kRight && x > kLegendLeft) {
            x = kLegendLeft;
            y += kLegendRow;
            ++rows;
        }
        svg << "<g class=\"legend\" transform=\"translate(" << sNum(x + 8) << " " << sNum(y)
            << ")\">\n"
            << entry.m_sSymbol << "<text x=\"16\" y=\"4\">" << sXmlEscaped(entry.m_sText)
            << "</text>\n</g>\n";
        x += entryWidth;
    }
    height = rows * kLegendRow;
    return svg.str();
}

int iLegendRows(const std::vector<CLegendEntry>& entries, double width) {
    double height = 0.0;
    sLegend(entries, 0.0, width, height);
    return static_cast<int>(std::lround(height / kLegendRow));
}

std::string sSvgOpen(int width, int height, const char* label) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
           "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) +
           " " + std::to_string(height) + "\" role=\"img\" aria-label=\"" + label + "\">\n";
}

}  // namespace

std::string sSvgPlot(const CCalibrationPlot& plot, int width, int height) {
    const CPlotWindow& window = plot.m_Window;
    const CAxis xAxis = NiceAxis(window.m_dXMin, window.m_dXMax);
    const CAxis yAxis = NiceAxis(window.m_dYMin, window.m_dYMax);
    // The legend's rows are known only with the frame; the frame needs the legend's room. Rows
    // depend on the width alone, so a first frame of the same width settles them.
    const CPlotFrame probe(xAxis, yAxis, width, height, kAxisRoom);
    const int rows = iLegendRows(LegendEntries(probe, plot), width);
    const double legendRoom = rows * kLegendRow + 6;
    const CPlotFrame frame(xAxis, yAxis, width, height, kAxisRoom + legendRoom);
    CLabelPlacer labels(frame);
    vAvoidMarks(frame, plot, labels);
    std::string svg = sSvgOpen(width, height, "Calibration plot");
    svg += sAxes(frame, plot.m_sXLabel, plot.m_sYLabel);
    svg += sLimits(frame, plot, labels);
    for (const auto& extension : plot.m_vvExtensions) {
        svg += sPolyline(frame, extension, "extension");
    }
    svg += sPolyline(frame, plot.m_vCurve, "curve");
    svg += sStandards(frame, plot);
    // A removed replicate sits among the replicates, beside its standard's mean.
    const double offset = plot.m_vMeans.empty() ? 0.0 : kReplicateOffset;
    for (const CPlotMarker& removed : plot.m_vRemoved) {
        if (frame.bInside(removed.m_dX, removed.m_dY)) {
            svg += sCross(frame.dX(removed.m_dX) + offset, frame.dY(removed.m_dY),
                          removed.m_sLabel + ": removed");
        }
    }
    svg += sUnknowns(frame, plot.m_vUnknowns, labels);
    double legendHeight = 0.0;
    svg += sLegend(LegendEntries(frame, plot), frame.dBottom() + kAxisRoom, width, legendHeight);
    return svg + "</svg>\n";
}

std::string sSvgResidualPlot(const CResidualPlot& residuals, int width, int height) {
    double largest = residuals.m_dReadingStep;
    for (const CDoublePt& point : residuals.m_vPoints) {
        largest = std::max(largest, std::abs(point.y));
    }
    const CAxis xAxis = NiceAxis(residuals.m_dXMin, residuals.m_dXMax);
    const CAxis yAxis = NiceAxis(-largest, largest);
    std::vector<CLegendEntry> legend = {
        {sCircle(0, 0, 3.5, "residual"), "Standard point: reading \u2212 curve"}};
    if (!residuals.m_vFlagged.empty()) {
        legend.push_back(
            {sCircle(0, 0, 3.5, "residual") + sFlagRing(0, 0), "Flagged (Calibration statistics)"});
    }
    if (!residuals.m_vRemoved.empty()) {
        legend.push_back({sCross(0, 0), "Removed from the curve"});
    }
    const double legendRoom = iLegendRows(legend, width) * kLegendRow + 6;
    const CPlotFrame frame(xAxis, yAxis, width, height, kAxisRoom + legendRoom);
    std::string svg = sSvgOpen(width, height, "Residual plot");
    svg += sAxes(frame, residuals.m_sXLabel, residuals.m_sYLabel);
    svg += sPolyline(frame, {{xAxis.m_dLo, 0.0}, {xAxis.m_dHi, 0.0}}, "zero");
    for (const CDoublePt& point : residuals.m_vPoints) {
        if (frame.bInside(point.x, point.y)) {
            svg += sCircle(frame.dX(point.x), frame.dY(point.y), 3.5, "residual");
        }
    }
    for (const CPlotMarker& flagged : residuals.m_vFlagged) {
        if (frame.bInside(flagged.m_dX, flagged.m_dY)) {
            svg += sFlagRing(frame.dX(flagged.m_dX), frame.dY(flagged.m_dY),
                             flagged.m_sLabel + ": " + flagged.m_sFlag);
        }
    }
    // A removed point may lie far off: on the frame's edge then, so that the kept points keep
    // the scale.
    for (const CPlotMarker& removed : residuals.m_vRemoved) {
        const double y = std::clamp(frame.dY(removed.m_dY), frame.dTop(), frame.dBottom());
        if (frame.bInside(removed.m_dX, yAxis.m_dLo)) {
            svg += sCross(frame.dX(removed.m_dX), y,
                          removed.m_sLabel + ": removed, reading \u2212 curve " +
                              sSignificant(removed.m_dY, 2));
        }
    }
    double legendHeight = 0.0;
    svg += sLegend(legend, frame.dBottom() + kAxisRoom, width, legendHeight);
    return svg + "</svg>\n";
}
