// The Python module photoquant: standards and unknowns as numpy arrays, calibrations with their
// statistics, quantitations, and run files run as the program runs them. Every number comes from
// the library's documents and statistics through the host program's runner (PythonQuantitation.h);
// this file only turns them into arrays. A number the library marks as missing (kNoValue, or
// kNoStandardResult for a standard without a measured point) is NaN.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "PythonQuantitation.h"
#include "host/CalibrationPlotBuilder.h"
#include "host/ReportWriters.h"
#include "host/SettingNames.h"

namespace py = pybind11;
using namespace py::literals;
using namespace photoquant;
using namespace photoquant::python;

namespace {

using CRunPtr = std::shared_ptr<CHeldRun>;

// Size of the calibration plot in a notebook, in pixels.
constexpr int kPlotWidth = 640;
constexpr int kPlotHeight = 420;

double dNumber(double value) {
    return bHasValue(value) && value != kNoStandardResult
               ? value
               : std::numeric_limits<double>::quiet_NaN();
}

py::array_t<double> Array(const std::vector<double>& values) {
    py::array_t<double> array(static_cast<py::ssize_t>(values.size()));
    auto out = array.mutable_unchecked<1>();
    for (size_t i = 0; i < values.size(); ++i) {
        out(static_cast<py::ssize_t>(i)) = dNumber(values[i]);
    }
    return array;
}

template <class Item, class Field>
py::array_t<double> ArrayOf(const std::vector<Item>& items, Field field) {
    std::vector<double> values;
    values.reserve(items.size());
    for (const Item& item : items) {
        values.push_back(static_cast<double>(field(item)));
    }
    return Array(values);
}

template <class Item, class Field>
py::array_t<int> IntsOf(const std::vector<Item>& items, Field field) {
    py::array_t<int> array(static_cast<py::ssize_t>(items.size()));
    auto out = array.mutable_unchecked<1>();
    for (size_t i = 0; i < items.size(); ++i) {
        out(static_cast<py::ssize_t>(i)) = field(items[i]);
    }
    return array;
}

// rows x columns of cell(r, c).
template <class Cell>
py::array_t<double> Matrix(size_t rows, size_t columns, Cell cell) {
    py::array_t<double> array({static_cast<py::ssize_t>(rows), static_cast<py::ssize_t>(columns)});
    auto out = array.mutable_unchecked<2>();
    for (size_t r = 0; r < rows; ++r) {
        for (size_t c = 0; c < columns; ++c) {
            out(static_cast<py::ssize_t>(r), static_cast<py::ssize_t>(c)) = dNumber(cell(r, c));
        }
    }
    return array;
}

// Texts as a numpy array of Python strings.
py::array Texts(const std::vector<std::string>& texts) {
    py::list list;
    for (const std::string& text : texts) {
        list.append(text);
    }
    return py::module_::import("numpy").attr("array")(list, "dtype"_a = "object");
}

const char* sWord(const std::vector<std::string>& words, int code) {
    return code >= 0 && static_cast<size_t>(code) < words.size()
               ? words[static_cast<size_t>(code)].c_str()
               : "";
}

// ---- calibration --------------------------------------------------------------------------------

const CUVStandardData& Standards(const CRunPtr& held) {
    return held->Run().Standards();
}

const CCalibList& CurveList(const CRunPtr& held) {
    return *Standards(held).pGetCalibList();
}

template <class PerStandard>
py::array_t<double> PerStandardArray(const CRunPtr& held, PerStandard value) {
    std::vector<double> values;
    const CUVStandardData& standards = Standards(held);
    for (int s = 0; s < standards.iGetNumSamp(); ++s) {
        values.push_back(value(standards, s));
    }
    return Array(values);
}

// The calibration's readings, standards x replicates: the photometric values the curve was fitted
// to, NaN where a point was not measured or was taken out.
py::array_t<double> StandardReadings(const CRunPtr& held) {
    const CUVStandardData& standards = Standards(held);
    const int R = standards.iGetNumRep();
    return Matrix(static_cast<size_t>(standards.iGetNumSamp()), static_cast<size_t>(R),
                  [&](size_t s, size_t r) {
                      const int p = static_cast<int>(s) * R + static_cast<int>(r);
                      return standards.bGetMeasured(p) != 0 ? standards.GetValue(p).y : kNoValue;
                  });
}

// c0 ... ck of a polynomial curve; one row (c0, c1) per segment of a segmented calibration.
py::array_t<double> Coefficients(const CRunPtr& held) {
    const CCalibList& list = CurveList(held);
    const bool bSegmented = held->Given().m_Settings.m_iCalibType == kSegmentedCalib;
    const int iOrder = list.GetSize() > 0 ? list.GetAt(0)->m_iOrder : 0;
    const auto columns = static_cast<size_t>(iOrder + 1);
    py::array_t<double> matrix =
        Matrix(static_cast<size_t>(list.GetSize()), columns,
               [&](size_t s, size_t j) { return list.GetAt(static_cast<int>(s))->m_dCoeff[j]; });
    if (bSegmented || list.GetSize() == 0) {
        return matrix;
    }
    return matrix.attr("reshape")(static_cast<py::ssize_t>(columns));
}

py::dict ModelTest(const CModelTest& test) {
    const char* verdicts[] = {"not applicable", "passed", "failed"};
    return py::dict("verdict"_a = verdicts[test.iVerdict], "statistic"_a = dNumber(test.dStatistic),
                    "critical"_a = dNumber(test.dCritical), "p_value"_a = dNumber(test.dPValue),
                    "df1"_a = test.iDf1, "df2"_a = test.iDf2);
}

py::dict Limits(const CDetectionLimits& limits) {
    return py::dict("available"_a = limits.bAvailable != 0,
                    "slope_at_zero"_a = limits.bSlopeAtZero != 0, "own_fit"_a = limits.bOwnFit != 0,
                    "slope"_a = dNumber(limits.dSlope), "sigma"_a = dNumber(limits.dSigma),
                    "degrees_of_freedom"_a = limits.iDegreesOfFreedom,
                    "critical_value"_a = dNumber(limits.dCriticalValue),
                    "detection_limit"_a = dNumber(limits.dDetectionLimit),
                    "quantification_limit"_a = dNumber(limits.dQuantificationLimit),
                    "ich_detection_limit"_a = dNumber(limits.dIchDetectionLimit),
                    "ich_quantification_limit"_a = dNumber(limits.dIchQuantificationLimit));
}

py::dict PointDiagnostics(const std::vector<CPointDiagnostics>& points) {
    using P = CPointDiagnostics;
    return py::dict(
        "point"_a = IntsOf(points, [](const P& p) { return p.iPoint; }),
        "standard"_a = IntsOf(points, [](const P& p) { return p.iStandard; }),
        "concentration"_a = ArrayOf(points, [](const P& p) { return p.dConc; }),
        "reading"_a = ArrayOf(points, [](const P& p) { return p.dReading; }),
        "weight"_a = ArrayOf(points, [](const P& p) { return p.dWeight; }),
        "fitted"_a = ArrayOf(points, [](const P& p) { return p.dFitted; }),
        "residual"_a = ArrayOf(points, [](const P& p) { return p.dResidual; }),
        "leverage"_a = ArrayOf(points, [](const P& p) { return p.dLeverage; }),
        "studentized"_a = ArrayOf(points, [](const P& p) { return p.dStudentized; }),
        "cooks_distance"_a = ArrayOf(points, [](const P& p) { return p.dCooksDistance; }),
        "outlier"_a = IntsOf(points, [](const P& p) { return p.bOutlier; }));
}

py::dict StandardSummaries(const std::vector<CStandardSummary>& standards) {
    using S = CStandardSummary;
    return py::dict(
        "standard"_a = IntsOf(standards, [](const S& s) { return s.iStandard; }),
        "concentration"_a = ArrayOf(standards, [](const S& s) { return s.dConc; }),
        "replicates"_a = IntsOf(standards, [](const S& s) { return s.iReplicates; }),
        "mean_reading"_a = ArrayOf(standards, [](const S& s) { return s.dMeanReading; }),
        "sd"_a = ArrayOf(standards, [](const S& s) { return s.dSD; }),
        "mean_residual"_a = ArrayOf(standards, [](const S& s) { return s.dMeanResidual; }),
        "grubbs_statistic"_a = ArrayOf(standards, [](const S& s) { return s.grubbs.dStatistic; }),
        "grubbs_critical"_a = ArrayOf(standards, [](const S& s) { return s.grubbs.dCritical; }),
        "grubbs_suspect"_a = IntsOf(standards, [](const S& s) { return s.grubbs.iSuspect; }),
        "grubbs_outlier"_a = IntsOf(standards, [](const S& s) { return s.grubbs.bOutlier; }));
}

// The statistics of a calibration's run; present only when they are ready.
struct CStatisticsView {
    CRunPtr held;
    const CCalibrationStatistics& Get() const { return *held->Run().pCalibrationStatistics(); }
};

std::optional<CStatisticsView> Statistics(const CRunPtr& held) {
    const CCalibrationStatistics* pStatistics = held->Run().pCalibrationStatistics();
    if (pStatistics == nullptr || pStatistics->iGetStatus() != kStatisticsReady) {
        return std::nullopt;
    }
    return CStatisticsView{held};
}

py::tuple ConcentrationAt(const CStatisticsView& view, const py::object& meanReadings,
                          int replicates) {
    if (replicates < 1) {
        vRefuse("replicates", "expected at least 1 replicate, found " + std::to_string(replicates));
    }
    using CDoubleArray = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const CDoubleArray readings = CDoubleArray::ensure(meanReadings);
    if (!readings) {
        vRefuse("mean_reading", "expected a number or an array of numbers");
    }
    std::vector<py::ssize_t> shape(readings.shape(), readings.shape() + readings.ndim());
    py::array_t<double> conc(shape), se(shape), lower(shape), upper(shape);
    const double* in = readings.data();
    double* outs[] = {conc.mutable_data(), se.mutable_data(), lower.mutable_data(),
                      upper.mutable_data()};
    for (py::ssize_t i = 0; i < readings.size(); ++i) {
        const CConcentrationInterval interval = view.Get().ConcentrationAt(in[i], replicates);
        outs[0][i] = dNumber(interval.dConc);
        outs[1][i] = dNumber(interval.dStdError);
        outs[2][i] = dNumber(interval.dLower);
        outs[3][i] = dNumber(interval.dUpper);
    }
    return py::make_tuple(conc, se, lower, upper);
}

// Why a calibration has statistics or none, in words (kStatisticsReady ... kStatisticsBadSettings).
const char* sStatisticsStatus(const CRunPtr& held) {
    static const std::vector<std::string> kStatuses = {
        "ready",       "no calibration",        "not polynomial",
        "out of date", "no degrees of freedom", "bad settings"};
    const CCalibrationStatistics* pStatistics = held->Run().pCalibrationStatistics();
    return pStatistics == nullptr ? kStatuses[kStatisticsNoCalibration].c_str()
                                  : sWord(kStatuses, pStatistics->iGetStatus());
}

CCalibrationPlot Plot(const CRunPtr& held) {
    return CalibrationPlot(held->Run(), held->Outcomes());
}

std::string sPlotSvg(const CRunPtr& held) {
    return sSvgPlot(Plot(held), kPlotWidth, kPlotHeight);
}

std::string sPlotHtml(const CRunPtr& held) {
    const CCalibrationPlot plot = Plot(held);
    std::string html = "<div style=\"display:flex;flex-wrap:wrap;gap:8px\">";
    html += sSvgPlot(plot, kPlotWidth, kPlotHeight);
    const CResidualPlot residuals = ResidualPlot(held->Run(), plot);
    if (!residuals.bIsEmpty()) {
        html += sSvgResidualPlot(residuals, kPlotWidth, kPlotHeight);
    }
    return html + "</div>";
}

// ---- quantitation -------------------------------------------------------------------------------

const std::vector<CSampleOutcome>& Samples(const CRunPtr& held) {
    return held->Outcomes().m_vSamples;
}

size_t iPointsPerSample(const CRunPtr& held) {
    const auto& samples = Samples(held);
    return samples.empty() ? 0 : samples.front().m_vPoints.size();
}

template <class PointField>
py::array_t<double> PointMatrix(const CRunPtr& held, PointField field) {
    const auto& samples = Samples(held);
    return Matrix(samples.size(), iPointsPerSample(held),
                  [&](size_t s, size_t c) { return field(samples[s].m_vPoints[c]); });
}

py::array_t<double> PointReadings(const CRunPtr& held) {
    const auto& samples = Samples(held);
    const size_t C = iPointsPerSample(held);
    const auto W = static_cast<size_t>(held->Run().Unknowns().iGetNumMethodWave());
    py::array_t<double> array({static_cast<py::ssize_t>(samples.size()),
                               static_cast<py::ssize_t>(C), static_cast<py::ssize_t>(W)});
    double* out = array.mutable_data();
    for (size_t s = 0; s < samples.size(); ++s) {
        for (size_t c = 0; c < C; ++c) {
            const std::vector<double>& readings = samples[s].m_vPoints[c].m_vdReadings;
            for (size_t k = 0; k < W; ++k, ++out) {
                *out = dNumber(k < readings.size() ? readings[k] : kNoValue);
            }
        }
    }
    return array;
}

py::list Groups(const CRunPtr& held) {
    py::list groups;
    for (const CStatisticsGroup& group : held->Outcomes().m_vGroups) {
        groups.append(py::dict("samples"_a = group.m_viSamples, "mean"_a = dNumber(group.m_dMean),
                               "sd"_a = dNumber(group.m_dSD), "cv"_a = dNumber(group.m_dCV),
                               "flag"_a = group.m_sFlag));
    }
    return groups;
}

const char* sResultKind(const CRunPtr& held) {
    return sWord(kResultNames, held->Run().Unknowns().iGetResultType());
}

// A figure of a sample's interval, NaN unless the interval is ready.
double dIntervalFigure(const CSampleOutcome& sample, double CSampleInterval::*figure) {
    return sample.m_Interval.iStatus == kIntervalReady ? sample.m_Interval.*figure : kNoValue;
}

py::dict SampleColumns(const CRunPtr& held) {
    using S = CSampleOutcome;
    const auto& samples = Samples(held);
    std::vector<std::string> names;
    std::vector<std::string> flags;
    for (const S& sample : samples) {
        names.push_back(sample.m_sName);
        flags.push_back(sample.m_sFlag);
    }
    return py::dict(
        "sample_number"_a = IntsOf(samples, [](const S& s) { return s.m_iSampleNo; }),
        "name"_a = Texts(names), "n"_a = IntsOf(samples, [](const S& s) { return s.m_iCount; }),
        "mean"_a = ArrayOf(samples, [](const S& s) { return s.m_dMean; }),
        "sd"_a = ArrayOf(samples, [](const S& s) { return s.m_dSD; }),
        "cv"_a = ArrayOf(samples, [](const S& s) { return s.m_dCV; }), "flag"_a = Texts(flags),
        "interval_centre"_a = ArrayOf(
            samples, [](const S& s) { return dIntervalFigure(s, &CSampleInterval::dConc); }),
        "standard_error"_a = ArrayOf(
            samples, [](const S& s) { return dIntervalFigure(s, &CSampleInterval::dStdError); }),
        "lower"_a = ArrayOf(
            samples, [](const S& s) { return dIntervalFigure(s, &CSampleInterval::dLower); }),
        "upper"_a = ArrayOf(
            samples, [](const S& s) { return dIntervalFigure(s, &CSampleInterval::dUpper); }),
        "blank_reading"_a = ArrayOf(samples, [](const S& s) { return s.m_dBlank; }),
        "amount_factor"_a = ArrayOf(samples, [](const S& s) { return s.m_dAmountFactor; }));
}

// ---- run results --------------------------------------------------------------------------------

// A table of the report's tidy tables: a column of numbers (an empty cell: NaN) as a float
// array, any other column as texts.
py::dict TidyColumns(const CTableBlock& table) {
    py::dict columns;
    for (size_t c = 0; c < table.m_vsHeaders.size(); ++c) {
        std::vector<std::string> cells;
        std::vector<double> numbers;
        bool bNumeric = true;
        for (const auto& row : table.m_vvsRows) {
            cells.push_back(c < row.size() ? row[c] : std::string());
            const std::string& cell = cells.back();
            char* end = nullptr;
            const double value = cell.empty() ? std::numeric_limits<double>::quiet_NaN()
                                              : std::strtod(cell.c_str(), &end);
            bNumeric &= cell.empty() || (end != nullptr && *end == '\0');
            numbers.push_back(value);
        }
        columns[py::str(table.m_vsHeaders[c])] =
            bNumeric ? py::object(py::array_t<double>(static_cast<py::ssize_t>(numbers.size()),
                                                      numbers.data()))
                     : py::object(Texts(cells));
    }
    return columns;
}

// A calibration and a quantitation read a held run each (a run file's run holds both).
struct CCalibrationView {
    CRunPtr held;
};

struct CQuantitationView {
    CRunPtr held;
};

struct CRunResult {
    CRunPtr held;
    CReport report;
};

bool bHasCalibration(const CRunPtr& held) {
    return !held->Given().m_vStandards.empty() && CurveList(held).GetSize() > 0;
}

std::string sCalibrationRepr(const CRunPtr& held) {
    const CUVStandardData& standards = Standards(held);
    std::string text = "<photoquant.Calibration ";
    text += sWord(kCalibNames, held->Given().m_Settings.m_iCalibType);
    text += ", " + std::to_string(standards.iGetNumSamp()) + " standards";
    const CCalibList& list = CurveList(held);
    if (list.GetSize() == 1) {
        text += ", R\u00b2 = " + sGeneral(list.GetAt(0)->m_dR2, 6);
    }
    return text + ">";
}

}  // namespace

PYBIND11_MODULE(photoquant, m) {
    m.doc() = R"(photoquant: the photometric quantitation module from Python.

Standards of known concentration and unknown samples go in as numpy arrays of readings
(samples x replicates x wavelengths, in absorbance or %T, NaN for a point not measured); the
library calibrates and quantifies them exactly as the photoquant program does, and the results
come back as numpy arrays. Nothing is computed in Python.

    standards = photoquant.Standards(concentrations, readings, calibration="1st order")
    calibration = standards.calibrate()          # curve, R, R^2, statistics, plot in a notebook
    unknowns = photoquant.Unknowns(readings, blanks=[True, False, False])
    result = unknowns.quantify(calibration)      # concentrations, mean, SD, CV, flags, intervals
    report = photoquant.run("examples/one-wavelength.json")   # a run file, as the program runs it

Settings take the run file's words: calibration "1st order", "2nd order", "3rd order" or
"segmented"; direction "reading from concentration" or "concentration from reading"; weighting
"none", "1/x", "1/x^2", "1/y", "1/y^2" or "1/s^2"; reading_unit "Abs" or "%T". A bad argument
raises ValueError whose message begins with the argument's name.)";

    py::class_<CStatisticsView>(
        m, "CalibrationStatistics",
        R"(The statistics of a polynomial calibration: how well the curve is known, whether its
model fits, where detection and quantification begin, which points look suspect. Weighted least
squares with the calibration's weights; s_y/x on n - p degrees of freedom; intervals at the
calibration's confidence level.)")
        .def_property_readonly(
            "residual_sd",
            [](const CStatisticsView& v) { return dNumber(v.Get().dGetResidualSD()); },
            "float: s_y/x, the residual standard deviation of the fit.")
        .def_property_readonly(
            "degrees_of_freedom",
            [](const CStatisticsView& v) { return v.Get().iGetDegreesOfFreedom(); },
            "int: n - p: points less coefficients.")
        .def_property_readonly(
            "r_squared", [](const CStatisticsView& v) { return dNumber(v.Get().dGetRSquared()); },
            "float: R^2 of the (weighted) fit.")
        .def_property_readonly(
            "adjusted_r_squared",
            [](const CStatisticsView& v) { return dNumber(v.Get().dGetAdjustedRSquared()); },
            "float: R^2 adjusted for the coefficients fitted.")
        .def_property_readonly(
            "powers",
            [](const CStatisticsView& v) {
                return IntsOf(v.Get().GetCoefficients(),
                              [](const CCoefficient& c) { return c.iPower; });
            },
            "numpy.ndarray of int (p,): The powers fitted, lowest first (from 1 through zero).")
        .def_property_readonly(
            "coefficients",
            [](const CStatisticsView& v) {
                return ArrayOf(v.Get().GetCoefficients(),
                               [](const CCoefficient& c) { return c.dValue; });
            },
            "numpy.ndarray (p,): The coefficients of the fitted powers.")
        .def_property_readonly(
            "standard_errors",
            [](const CStatisticsView& v) {
                return ArrayOf(v.Get().GetCoefficients(),
                               [](const CCoefficient& c) { return c.dStdError; });
            },
            "numpy.ndarray (p,): The standard error of each coefficient.")
        .def_property_readonly(
            "lower",
            [](const CStatisticsView& v) {
                return ArrayOf(v.Get().GetCoefficients(),
                               [](const CCoefficient& c) { return c.dLower; });
            },
            "numpy.ndarray (p,): Lower bound of each coefficient's interval: c - t se.")
        .def_property_readonly(
            "upper",
            [](const CStatisticsView& v) {
                return ArrayOf(v.Get().GetCoefficients(),
                               [](const CCoefficient& c) { return c.dUpper; });
            },
            "numpy.ndarray (p,): Upper bound of each coefficient's interval: c + t se.")
        .def_property_readonly(
            "covariance",
            [](const CStatisticsView& v) {
                const auto& c = v.Get().GetCoefficients();
                return Matrix(c.size(), c.size(), [&](size_t i, size_t j) {
                    return v.Get().dGetCovariance(c[i].iPower, c[j].iPower);
                });
            },
            "numpy.ndarray (p, p): Cov(c_i, c_j) of the fitted powers, s^2 (X'WX)^-1.")
        .def_property_readonly(
            "points",
            [](const CStatisticsView& v) { return PointDiagnostics(v.Get().GetPoints()); },
            R"(dict[str, numpy.ndarray]: Every point of the fit, in the fit's order, as columns:
point, standard, concentration, reading, weight, fitted, residual, leverage, studentized
(externally), cooks_distance and outlier (1: studentised residual beyond the Bonferroni limit, 2:
Cook's distance above 4/n).)")
        .def_property_readonly(
            "studentized_limit",
            [](const CStatisticsView& v) { return dNumber(v.Get().dGetStudentizedLimit()); },
            "float: The Bonferroni limit of the studentised residuals.")
        .def_property_readonly(
            "cook_limit", [](const CStatisticsView& v) { return dNumber(v.Get().dGetCookLimit()); },
            "float: The limit of Cook's distance, 4/n.")
        .def_property_readonly(
            "standards",
            [](const CStatisticsView& v) { return StandardSummaries(v.Get().GetStandards()); },
            R"(dict[str, numpy.ndarray]: Every standard with a measured replicate, as columns:
standard, concentration, replicates, mean_reading, sd, mean_residual and Grubbs' test of its
replicates (grubbs_statistic, grubbs_critical, grubbs_suspect point, grubbs_outlier).)")
        .def_property_readonly(
            "lack_of_fit",
            [](const CStatisticsView& v) { return ModelTest(v.Get().GetLackOfFit()); },
            "dict: The lack-of-fit F test: verdict, statistic, critical, p_value, df1, df2.")
        .def_property_readonly(
            "mandel", [](const CStatisticsView& v) { return ModelTest(v.Get().GetMandel()); },
            "dict: Mandel's test of a straight line against order 2 (order 1 only), as "
            "lack_of_fit.")
        .def_property_readonly(
            "limits", [](const CStatisticsView& v) { return Limits(v.Get().GetLimits()); },
            R"(dict: Limits of detection and quantification in concentration units: DIN 32645
critical_value, detection_limit and quantification_limit, ICH Q2 ich_detection_limit and
ich_quantification_limit, with the slope and sigma they come from.)")
        .def("concentration_at", &ConcentrationAt, "mean_reading"_a, "replicates"_a = 1,
             R"(The concentration the calibration gives for mean readings (blank-corrected) of m
replicates, with its standard error and interval: a tuple (concentration, standard_error, lower,
upper) of arrays shaped as mean_reading.)");

    py::class_<CCalibrationView>(
        m, "Calibration",
        R"(A calibration: the curve the standards give, the per-standard results and the statistics.
Made by Standards.calibrate() or found in RunResult.calibration; Unknowns.quantify() takes it.
In a notebook it shows the program's calibration plot and the residuals.)")
        .def_property_readonly(
            "calibration",
            [](const CCalibrationView& c) {
                return sWord(kCalibNames, c.held->Given().m_Settings.m_iCalibType);
            },
            "str: The calibration type: \"1st order\", \"2nd order\", \"3rd order\" or "
            "\"segmented\".")
        .def_property_readonly(
            "order", [](const CCalibrationView& c) { return CurveList(c.held).GetAt(0)->m_iOrder; },
            "int: Order of the polynomial (1 for the straight segments of a segmented "
            "calibration).")
        .def_property_readonly(
            "through_zero",
            [](const CCalibrationView& c) { return Standards(c.held).bGetForceZero() != 0; },
            "bool: Whether the curve is forced through the origin.")
        .def_property_readonly(
            "direction",
            [](const CCalibrationView& c) {
                return sWord(kDirectionNames, CurveList(c.held).GetAt(0)->m_iDirection);
            },
            "str: \"reading from concentration\" or \"concentration from reading\".")
        .def_property_readonly(
            "weighting",
            [](const CCalibrationView& c) {
                return sWord(kWeightingNames, Standards(c.held).iGetWeighting());
            },
            "str: The weighting of the polynomial fit.")
        .def_property_readonly(
            "coefficients", [](const CCalibrationView& c) { return Coefficients(c.held); },
            R"(numpy.ndarray (k+1,) or (segments, 2): c0 ... ck of the polynomial, lowest power
first; for a segmented calibration one row (c0, c1) per segment.)")
        .def_property_readonly(
            "r",
            [](const CCalibrationView& c) { return dNumber(CurveList(c.held).GetAt(0)->m_dR); },
            "float: R of the least-squares fit (0 for a segmented calibration).")
        .def_property_readonly(
            "r_squared",
            [](const CCalibrationView& c) { return dNumber(CurveList(c.held).GetAt(0)->m_dR2); },
            "float: R^2 of the least-squares fit.")
        .def_property_readonly(
            "blank_reading",
            [](const CCalibrationView& c) { return dNumber(Standards(c.held).dGetBlkData()); },
            "float: The curve's reading at concentration 0.")
        .def_property_readonly(
            "concentrations",
            [](const CCalibrationView& c) {
                return PerStandardArray(
                    c.held, [](const CUVStandardData& d, int s) { return d.dGetConc(s); });
            },
            "numpy.ndarray (S,): The standards' concentrations.")
        .def_property_readonly(
            "readings", [](const CCalibrationView& c) { return StandardReadings(c.held); },
            R"(numpy.ndarray (S, R): Standards x replicates: the photometric values the curve was
fitted to (absorbance), NaN where a point was not measured or was taken out as an outlier.)")
        .def_property_readonly(
            "predicted",
            [](const CCalibrationView& c) {
                return PerStandardArray(
                    c.held, [](const CUVStandardData& d, int s) { return d.dGetPredictedConc(s); });
            },
            "numpy.ndarray (S,): Per standard: the concentration the curve gives for its mean "
            "reading.")
        .def_property_readonly(
            "difference",
            [](const CCalibrationView& c) {
                return PerStandardArray(
                    c.held, [](const CUVStandardData& d, int s) { return d.dGetDiff(s); });
            },
            "numpy.ndarray (S,): Per standard: predicted - known concentration.")
        .def_property_readonly(
            "relative_difference",
            [](const CCalibrationView& c) {
                return PerStandardArray(
                    c.held, [](const CUVStandardData& d, int s) { return d.dGetRelDiff(s); });
            },
            "numpy.ndarray (S,): Per standard: the difference relative to the mean reading, in "
            "percent.")
        .def_property_readonly(
            "t_value",
            [](const CCalibrationView& c) {
                return PerStandardArray(
                    c.held, [](const CUVStandardData& d, int s) { return d.dGetTStat(s); });
            },
            "numpy.ndarray (S,): Per standard: the difference over sqrt(sum of squared differences "
            "/ (S - 1)).")
        .def_property_readonly(
            "statistics", [](const CCalibrationView& c) { return Statistics(c.held); },
            "CalibrationStatistics | None: The calibration's statistics; None when there are "
            "none (statistics_status says why).")
        .def_property_readonly(
            "statistics_status",
            [](const CCalibrationView& c) { return sStatisticsStatus(c.held); },
            "str: \"ready\", or why there are no statistics: \"not polynomial\" (a segmented "
            "calibration), \"no degrees of freedom\" (no more points than coefficients).")
        .def_property_readonly(
            "removed_points",
            [](const CCalibrationView& c) {
                return IntsOf(c.held->Run().RemovedPoints(),
                              [](const CRemovedPoint& r) { return r.m_Point.iPoint; });
            },
            "numpy.ndarray of int: Points (standard x replicates + replicate) taken out as "
            "outliers "
            "(calibrate(remove_outliers=True)).")
        .def(
            "_repr_svg_", [](const CCalibrationView& c) { return sPlotSvg(c.held); },
            "The program's calibration plot as SVG.")
        .def(
            "_repr_html_", [](const CCalibrationView& c) { return sPlotHtml(c.held); },
            "The calibration plot and the residual plot, as HTML.")
        .def("__repr__", [](const CCalibrationView& c) { return sCalibrationRepr(c.held); });

    py::class_<CStandards>(
        m, "Standards",
        R"(Standards of known concentration and their readings: the standards of a run file.)")
        .def(py::init([](const py::object& concentrations, const py::object& readings,
                         const std::string& reading_unit, const py::object& wavelengths,
                         const py::object& names, const std::string& calibration, bool through_zero,
                         const std::string& direction, const std::string& weighting,
                         const std::string& unit, int decimals) {
                 CCalibrationSettings settings;
                 settings.sReadingUnit = reading_unit;
                 settings.sCalibration = calibration;
                 settings.bThroughZero = through_zero;
                 settings.sDirection = direction;
                 settings.sWeighting = weighting;
                 settings.sUnit = unit;
                 settings.iDecimals = decimals;
                 return CStandards(concentrations, readings, wavelengths, names, settings);
             }),
             "concentrations"_a, "readings"_a, py::kw_only(), "reading_unit"_a = "Abs",
             "wavelengths"_a = py::none(), "names"_a = py::none(), "calibration"_a = "1st order",
             "through_zero"_a = false, "direction"_a = "concentration from reading",
             "weighting"_a = "none", "unit"_a = "", "decimals"_a = 3,
             R"(concentrations: one per standard (S), each >= 0.
readings: S x R (one wavelength) or S x R x W (W = 1 to 3: one reading, a difference of two,
    or the reading at the middle wavelength above the baseline through the outer two), in
    reading_unit ("Abs" or "%T"); a point of NaN readings was not measured.
wavelengths: the W wavelengths in nm (needed for W > 1).
names: one text per standard.
calibration: "1st order", "2nd order", "3rd order" or "segmented"; through_zero forces the
    curve through the origin; direction: "concentration from reading" (the library's default)
    or "reading from concentration"; weighting: "none", "1/x", "1/x^2", "1/y", "1/y^2", "1/s^2".
unit, decimals: the concentration unit and the decimals results are judged with.)")
        .def(
            "calibrate",
            [](const CStandards& standards, double confidence, double alpha, double k,
               bool remove_outliers) {
                return CCalibrationView{standards.Calibrate(confidence, alpha, k, remove_outliers)};
            },
            py::kw_only(), "confidence"_a = 0.95, "alpha"_a = 0.05, "k"_a = 3.0,
            "remove_outliers"_a = false,
            R"(Fits the curve and judges it: a Calibration. confidence is the level of the
intervals, alpha the error probability of the limits and the lack-of-fit test, k that of the
quantification limit; with remove_outliers the points the outlier tests flag are taken out and the
curve is fitted once more, as the program does. Raises ValueError when the standards give no
curve.)")
        .def_property_readonly(
            "concentrations",
            [](const CStandards& s) {
                return ArrayOf(s.File().m_vStandards,
                               [](const CStandardEntry& e) { return e.m_dConc; });
            },
            "numpy.ndarray (S,): The standards' concentrations.");

    py::class_<CUnknowns>(m, "Unknowns",
                          R"(Unknown samples and their readings: the unknowns of a run file.)")
        .def(py::init([](const py::object& readings, const std::string& reading_unit,
                         const py::object& blanks, const py::object& weights,
                         const py::object& solvents, const py::object& dilutions,
                         const py::object& revisions, const py::object& names, int statistics_group,
                         const py::object& lower_limit, const py::object& upper_limit) {
                 CUnknownsInput input;
                 input.readings = readings;
                 input.sReadingUnit = reading_unit;
                 input.blanks = blanks;
                 input.weights = weights;
                 input.solvents = solvents;
                 input.dilutions = dilutions;
                 input.revisions = revisions;
                 input.names = names;
                 input.iStatisticsGroup = statistics_group;
                 input.lowerLimit = lower_limit;
                 input.upperLimit = upper_limit;
                 return CUnknowns(input);
             }),
             "readings"_a, py::kw_only(), "reading_unit"_a = "Abs", "blanks"_a = py::none(),
             "weights"_a = py::none(), "solvents"_a = py::none(), "dilutions"_a = py::none(),
             "revisions"_a = py::none(), "names"_a = py::none(), "statistics_group"_a = 1,
             "lower_limit"_a = py::none(), "upper_limit"_a = py::none(),
             R"(readings: S x R or S x R x W as for Standards (with the calibration's R and W).
blanks: one flag per sample; a blank's reading corrects the samples measured after it.
weights, solvents, dilutions, revisions: one per sample, above 0; the result is
    solvent / weight * c * dilution * revision (any of them given turns the correction on).
statistics_group: samples whose replicates are pooled into one mean and SD.
lower_limit, upper_limit: results outside are flagged LOW or HIGH (the standards' range when
    not given).)")
        .def(
            "quantify",
            [](const CUnknowns& unknowns, const CCalibrationView& calibration) {
                return CQuantitationView{unknowns.Quantify(*calibration.held)};
            },
            "calibration"_a,
            R"(The concentrations of the unknowns with the calibration, as the program computes
them: a Quantitation.)");

    py::class_<CRunResult>(
        m, "RunResult",
        R"(A run file run as the program runs it: the report texts, the tables for machines, and the
calibration and quantitation as arrays.)")
        .def_property_readonly(
            "text", [](const CRunResult& r) { return sTextReport(r.report); },
            "str: The text report the program prints.")
        .def_property_readonly(
            "html", [](const CRunResult& r) { return sHtmlReport(r.report); },
            "str: The HTML page of --html.")
        .def_property_readonly(
            "csv",
            [](const CRunResult& r) {
                py::dict csv;
                for (const CNamedList& table : r.report.m_vTables) {
                    csv[py::str(table.m_sName)] = sCsvTable(table.m_Table);
                }
                return csv;
            },
            "dict[str, str]: The files of --csv by name (without .csv), as texts.")
        .def_property_readonly(
            "tables",
            [](const CRunResult& r) {
                py::dict tables;
                for (const CNamedList& table : r.report.m_vTables) {
                    tables[py::str(table.m_sName)] = TidyColumns(table.m_Table);
                }
                return tables;
            },
            R"(dict[str, dict[str, numpy.ndarray]]: The tables of --csv by name, each a dict of
columns by header: numbers as float arrays (NaN for an empty cell), other columns as arrays of
texts.)")
        .def_property_readonly(
            "calibration",
            [](const CRunResult& r) -> std::optional<CCalibrationView> {
                if (!bHasCalibration(r.held)) {
                    return std::nullopt;
                }
                return CCalibrationView{r.held};
            },
            "Calibration | None: The standards' calibration (Calibration), None without one.")
        .def_property_readonly(
            "quantitation", [](const CRunResult& r) { return CQuantitationView{r.held}; },
            "Quantitation: The unknowns' results (Quantitation).");

    py::class_<CQuantitationView>(
        m, "Quantitation",
        R"(The results of unknown samples: per point (samples x replicates, or x stage positions)
and per sample, as numpy arrays. NaN where the library gives no value.)")
        .def_property_readonly(
            "result_kind", [](const CQuantitationView& q) { return sResultKind(q.held); },
            "str: What results are: \"concentration\", \"ratio\" or \"readings\".")
        .def_property_readonly(
            "concentrations",
            [](const CQuantitationView& q) {
                return PointMatrix(q.held, [](const CPointOutcome& p) { return p.m_dResult; });
            },
            R"(numpy.ndarray (S, R): Samples x replicates: each point's result, amount-corrected
(the ratio, or the photometric value, when result_kind says so); NaN for a point not measured, a
blank's point, or a reading the curve does not cover.)")
        .def_property_readonly(
            "readings", [](const CQuantitationView& q) { return PointReadings(q.held); },
            "numpy.ndarray (S, R, W): Samples x replicates x wavelengths: the readings as "
            "displayed (absorbance).")
        .def_property_readonly(
            "values",
            [](const CQuantitationView& q) {
                return PointMatrix(q.held, [](const CPointOutcome& p) { return p.m_dValue; });
            },
            "numpy.ndarray (S, R): Samples x replicates: each point's photometric value.")
        .def_property_readonly(
            "used_readings",
            [](const CQuantitationView& q) {
                return PointMatrix(q.held, [](const CPointOutcome& p) { return p.m_dUsedReading; });
            },
            "numpy.ndarray (S, R): Samples x replicates: the reading the curve was read at, "
            "reading - blank + y0.")
        .def_property_readonly(
            "point_flags",
            [](const CQuantitationView& q) {
                std::vector<std::string> flags;
                for (const CSampleOutcome& sample : Samples(q.held)) {
                    for (const CPointOutcome& point : sample.m_vPoints) {
                        flags.push_back(point.m_sFlag);
                    }
                }
                return Texts(flags).attr("reshape")(Samples(q.held).size(),
                                                    iPointsPerSample(q.held));
            },
            "numpy.ndarray of str (S, R): Samples x replicates: \"HIGH\", \"LOW\" or \"\" for each "
            "point's result.")
        .def_property_readonly(
            "samples", [](const CQuantitationView& q) { return SampleColumns(q.held); },
            R"(dict[str, numpy.ndarray]: Per sample, as columns: sample_number (0 for a blank),
name, n (measured replicates), mean, sd, cv (percent), flag, the interval of the result
(interval_centre: the concentration of the mean reading, standard_error, lower, upper),
blank_reading in force and amount_factor.)")
        .def_property_readonly(
            "mean",
            [](const CQuantitationView& q) {
                return ArrayOf(Samples(q.held), [](const CSampleOutcome& s) { return s.m_dMean; });
            },
            "numpy.ndarray (S,): Per sample: the mean of its measured points' results.")
        .def_property_readonly(
            "sd",
            [](const CQuantitationView& q) {
                return ArrayOf(Samples(q.held), [](const CSampleOutcome& s) { return s.m_dSD; });
            },
            "numpy.ndarray (S,): Per sample: the sample SD of its replicates' results (NaN inside "
            "a larger statistics "
            "group).")
        .def_property_readonly(
            "cv",
            [](const CQuantitationView& q) {
                return ArrayOf(Samples(q.held), [](const CSampleOutcome& s) { return s.m_dCV; });
            },
            "numpy.ndarray (S,): Per sample: the CV in percent.")
        .def_property_readonly(
            "flags",
            [](const CQuantitationView& q) {
                const py::dict columns = SampleColumns(q.held);
                return py::object(columns["flag"]);
            },
            "numpy.ndarray of str (S,): Per sample: \"HIGH\", \"LOW\" or \"\" for the mean.")
        .def_property_readonly(
            "lower",
            [](const CQuantitationView& q) {
                return ArrayOf(Samples(q.held), [](const CSampleOutcome& s) {
                    return dIntervalFigure(s, &CSampleInterval::dLower);
                });
            },
            "numpy.ndarray (S,): Per sample: the lower bound of the result's interval (NaN without "
            "one).")
        .def_property_readonly(
            "upper",
            [](const CQuantitationView& q) {
                return ArrayOf(Samples(q.held), [](const CSampleOutcome& s) {
                    return dIntervalFigure(s, &CSampleInterval::dUpper);
                });
            },
            "numpy.ndarray (S,): Per sample: the upper bound of the result's interval.")
        .def_property_readonly(
            "groups", [](const CQuantitationView& q) { return Groups(q.held); },
            "list[dict]: Statistics groups of several samples: samples, mean, sd, cv, flag each.")
        .def(
            "to_frame",
            [](const CQuantitationView& q) {
                return py::module_::import("pandas").attr("DataFrame")(SampleColumns(q.held));
            },
            "The per-sample columns as a pandas DataFrame (pandas is needed only here).")
        .def(
            "_repr_svg_", [](const CQuantitationView& q) { return sPlotSvg(q.held); },
            "The calibration plot with the unknowns, as SVG.");

    m.def(
        "run",
        [](const py::object& path) {
            const std::string file =
                path.is_none() ? std::string()
                               : py::module_::import("os").attr("fspath")(path).cast<std::string>();
            CRunPtr held = ProgramRun(file);
            CReport report = held->Run().Report();
            return CRunResult{held, std::move(report)};
        },
        "path"_a = py::none(),
        R"(path: str | os.PathLike | None -> RunResult. Runs a run file exactly as the program
does (the built-in example, iron(II) with 1,10-phenanthroline at 510 nm, without a path): a
RunResult. Raises ValueError for a run file that cannot be read, RuntimeError for a run that cannot
be completed.)");
}
