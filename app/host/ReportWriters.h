#pragma once
// The three renderings of a report: aligned text for a terminal, one CSV file per table (RFC 4180:
// fields with a comma, quote or line break quoted, quotes doubled, lines ending in CR LF) and one
// self-contained HTML page with the tables and an SVG plot of the calibration.
#include <filesystem>
#include <string>
#include <vector>

#include "host/OutputFiles.h"
#include "host/Report.h"

std::string sTextReport(const CReport& report);
std::string sCsvTable(const CTableBlock& table);
std::string sHtmlReport(const CReport& report);
// The calibration plot and the residual plot as SVG elements, sized width x height pixels.
std::string sSvgPlot(const CCalibrationPlot& plot, int width, int height);
std::string sSvgResidualPlot(const CResidualPlot& residuals, int width, int height);
// The style sheet the plots' classes need.
std::string sPlotStyle();
// Text with the characters XML reserves written as entities.
std::string sXmlEscaped(const std::string& text);

// The files of a report besides the text on the terminal: every table as csvDir/NAME.csv (the
// folder made when missing), the page as htmlFile; an empty path asks for none. Their contents are
// written from the report, which must stay as it is, when the files are written.
std::vector<COutputFile> ReportFiles(const std::filesystem::path& csvDir,
                                     const std::filesystem::path& htmlFile, const CReport& report);
