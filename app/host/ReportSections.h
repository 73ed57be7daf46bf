#pragma once
// What the report's own sections share while they are built (RunReport.cpp, and the calibration
// statistics in CalibrationStatisticsReport.cpp): the run, its file and the outcome of every
// unknown, "label: value" blocks, and the calibration equation as the report writes it.
#include <string>
#include <vector>

#include "host/QuantitationRun.h"
#include "host/Report.h"
#include "host/SampleOutcome.h"

struct CReportInput {
    const CQuantitationRun& m_run;
    const CRunFile& m_file;
    const CUnknownOutcomes& m_outcomes;
};

// Rows of a label and its value, each label followed by a colon.
CTableBlock LabelledRows(std::vector<std::vector<std::string>> rows);

// "Abs = 0.00823 + 0.198·c": the polynomial of a segment with its argument (c, or the reading's
// symbol), terms that are the fit's rounding noise beside the largest term left out.
std::string sEquation(const CCalibSegment& segment, const std::string& reading);
// A coefficient of the segment to six significant digits; "0" where its term, over the range of
// the argument, is the fit's rounding noise beside the largest term (an intercept of 2.9e-19).
std::string sCoefficient(const CCalibSegment& segment, int power);
// Largest concentration or reading the curve works with, the scale of its argument.
double dArgumentSize(const CCalibSegment& segment);
// "reading from concentration" or "concentration from reading".
std::string sDirectionWords(int direction);
