// Every figure of the calibration statistics against the numbers statsmodels gives for the same
// data (reference.py wrote reference-values.txt; it runs by hand, not here).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calibration/MeasuredStandards.h"
#include "photoquant.h"

namespace {

using photoquant::CCalibrationStatistics;
using CReferenceSet = std::map<std::string, std::vector<double>>;

std::vector<std::pair<std::string, CReferenceSet>> ReadReferenceSets() {
    std::ifstream in(PHOTOQUANT_STATISTICS_REFERENCE);
    std::vector<std::pair<std::string, CReferenceSet>> sets;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "set") {
            sets.emplace_back();
            fields >> sets.back().first;
        } else if (!sets.empty() && !key.empty() && key != "end" && key[0] != '#') {
            for (double v = 0.0; fields >> v;) {
                sets.back().second[key].push_back(v);
            }
        }
    }
    return sets;
}

int iValue(const CReferenceSet& set, const std::string& key) {
    return static_cast<int>(set.at(key).at(0));
}

// Agreement to 1e-9 relative; a value that is itself a small difference of larger ones (a
// residual, a studentised residual near zero) is held to 1e-9 of the scale it comes from.
void vExpectClose(double actual, double expected, double scale, const std::string& what) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(std::fabs(expected), scale)) << what;
}

std::unique_ptr<CUVStandardData> pCalibrated(const CReferenceSet& set) {
    const std::vector<double>& conc = set.at("conc");
    const std::vector<double>& readings = set.at("readings");
    const size_t R = static_cast<size_t>(iValue(set, "replicates"));
    std::vector<CStandard> standards;
    for (size_t s = 0; s < conc.size(); ++s) {
        standards.push_back({conc[s], {readings.begin() + s * R, readings.begin() + (s + 1) * R}});
    }
    auto doc = pMeasuredStandards(standards, iValue(set, "direction"));
    doc->vSetWeighting(iValue(set, "weighting"));
    vCalibrateAs(*doc, iValue(set, "order"), iValue(set, "force_zero"));
    return doc;
}

void vExpectTest(const photoquant::CModelTest& test, const CReferenceSet& set,
                 const std::string& key) {
    if (set.count(key) == 0) {
        EXPECT_EQ(test.iVerdict, photoquant::kTestNotApplicable) << key;
        return;
    }
    const std::vector<double>& ref = set.at(key);  // statistic, critical, p, df1, df2
    vExpectClose(test.dStatistic, ref[0], 0.0, key);
    vExpectClose(test.dCritical, ref[1], 0.0, key);
    vExpectClose(test.dPValue, ref[2], 0.0, key);
    EXPECT_EQ(test.iDf1, ref[3]) << key;
    EXPECT_EQ(test.iDf2, ref[4]) << key;
    EXPECT_EQ(test.iVerdict, ref[0] > ref[1] ? photoquant::kTestFailed : photoquant::kTestPassed);
}

}  // namespace

TEST(ReferenceValues, EveryFigureAgreesWithStatsmodels) {
    const auto sets = ReadReferenceSets();
    ASSERT_EQ(sets.size(), 6u);
    for (const auto& [name, set] : sets) {
        SCOPED_TRACE(name);
        auto doc = pCalibrated(set);
        const CCalibrationStatistics stats(*doc);
        ASSERT_EQ(stats.iGetStatus(), photoquant::kStatisticsReady);

        const double s = set.at("s")[0];
        vExpectClose(stats.dGetResidualSD(), s, 0.0, "s");
        EXPECT_EQ(stats.iGetDegreesOfFreedom(), iValue(set, "dof"));
        vExpectClose(stats.dGetRSquared(), set.at("r2")[0], 0.0, "R2");
        vExpectClose(stats.dGetAdjustedRSquared(), set.at("adj_r2")[0], 0.0, "adjusted R2");
        const auto& coefficients = stats.GetCoefficients();
        ASSERT_EQ(coefficients.size(), set.at("coef").size());
        for (size_t j = 0; j < coefficients.size(); ++j) {
            vExpectClose(coefficients[j].dValue, set.at("coef")[j], 0.0, "coef");
            vExpectClose(coefficients[j].dStdError, set.at("coef_se")[j], 0.0, "se");
            vExpectClose(coefficients[j].dLower, set.at("coef_lower")[j], 0.0, "lower");
            vExpectClose(coefficients[j].dUpper, set.at("coef_upper")[j], 0.0, "upper");
        }
        const auto& points = stats.GetPoints();
        ASSERT_EQ(points.size(), set.at("resid").size());
        for (size_t i = 0; i < points.size(); ++i) {
            vExpectClose(points[i].dFitted, set.at("fitted")[i], 0.0, "fitted");
            vExpectClose(points[i].dResidual, set.at("resid")[i], s, "residual");
            vExpectClose(points[i].dLeverage, set.at("leverage")[i], 0.0, "leverage");
            vExpectClose(points[i].dStudentized, set.at("student")[i], 1.0, "studentised");
            vExpectClose(points[i].dCooksDistance, set.at("cooks")[i], 1.0, "Cook");
            const int bExpected =
                (std::fabs(set.at("student")[i]) > stats.dGetStudentizedLimit()
                     ? photoquant::kOutlierStudentized
                     : 0) |
                (set.at("cooks")[i] > 4.0 / points.size() ? photoquant::kOutlierCook : 0);
            EXPECT_EQ(points[i].bOutlier, bExpected) << i;
        }
        if (iValue(set, "direction") == 0) {  // a standard's mean residual: its points' mean
            const size_t R = static_cast<size_t>(iValue(set, "replicates"));
            for (size_t j = 0; j < stats.GetStandards().size(); ++j) {
                double sum = 0.0;
                for (size_t r = 0; r < R; ++r) {
                    sum += set.at("resid")[j * R + r];
                }
                vExpectClose(stats.GetStandards()[j].dMeanResidual, sum / R, s, "mean residual");
            }
        }
        vExpectTest(stats.GetLackOfFit(), set, "lof");
        vExpectTest(stats.GetMandel(), set, "mandel");

        // slope, sigma, [x_c, x_D, x_Q,] ICH LOD, ICH LOQ
        const photoquant::CDetectionLimits& limits = stats.GetLimits();
        const std::vector<double>& ref = set.at("limits");
        ASSERT_EQ(limits.bAvailable, 1);
        EXPECT_EQ(limits.bSlopeAtZero, iValue(set, "order") > 1 ? 1 : 0);
        EXPECT_EQ(limits.bOwnFit, iValue(set, "weighting") == 0 && iValue(set, "direction") == 0);
        std::vector<double> actual = {limits.dSlope, limits.dSigma};
        if (iValue(set, "order") == 1) {
            actual.insert(actual.end(), {limits.dCriticalValue, limits.dDetectionLimit,
                                         limits.dQuantificationLimit});
        } else {
            EXPECT_EQ(limits.dDetectionLimit, photoquant::kNoValue);
        }
        actual.insert(actual.end(), {limits.dIchDetectionLimit, limits.dIchQuantificationLimit});
        ASSERT_EQ(actual.size(), ref.size());
        for (size_t k = 0; k < ref.size(); ++k) {
            vExpectClose(actual[k], ref[k], 0.0, "limit " + std::to_string(k));
        }

        for (size_t u = 0; u < set.at("x0").size(); ++u) {
            const photoquant::CConcentrationInterval interval = stats.ConcentrationAt(
                set.at("unknown_readings")[u], static_cast<int>(set.at("unknown_m")[u]));
            ASSERT_EQ(interval.bValid, 1);
            vExpectClose(interval.dConc, set.at("x0")[u], 0.0, "x0");
            vExpectClose(interval.dStdError, set.at("sx0")[u], 0.0, "s_x0");
            vExpectClose(interval.dLower, set.at("x0_lower")[u], 0.0, "lower");
            vExpectClose(interval.dUpper, set.at("x0_upper")[u], 0.0, "upper");
        }
    }
}
