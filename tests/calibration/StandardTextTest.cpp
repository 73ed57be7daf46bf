#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "MeasuredStandards.h"
#include "document/PhotometricNumbers.h"

using namespace photoquant;

namespace fs = std::filesystem;

namespace {

// A = 0.05 + 0.1 c at c = 1, 2, 3.
std::unique_ptr<CUVStandardData> pStraightLine() {
    return pMeasuredStandards({{1, {0.15}}, {2, {0.25}}, {3, {0.35}}}, 0);
}

// A fresh folder of its own for each test, so that what a writer leaves behind can be listed.
class ReportFolder {
public:
    explicit ReportFolder(const std::string& name)
        : m_path(fs::temp_directory_path() / ("photoquant-" + name)) {
        fs::remove_all(m_path);
        fs::create_directory(m_path);
    }
    ~ReportFolder() { fs::remove_all(m_path); }

    std::string Path(const std::string& file) const { return (m_path / file).string(); }
    std::string Read(const std::string& file) const {
        std::ifstream in(m_path / file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    long Count() const { return std::distance(fs::directory_iterator(m_path), {}); }

private:
    fs::path m_path;
};

}  // namespace

TEST(StandardText, FirstOrderCalibrationAsStringAndFile) {
    auto doc = pStraightLine();
    doc->vSetConcUnit("mg/L");
    doc->vSetXPrecision(2);
    vCalibrateAs(*doc, 1, 0);
    const std::string head = "Calibration type:\t1st order\nForce through zero:\tNo\n";
    const std::string fit = "A0:\t0.05\nA1:\t0.1\nR:\t1\nR2:\t1\n";
    const std::string limits =
        "Lower Concentration Limit (mg/L) :\t0.00\n"
        "Upper Concentration Limit (mg/L) :\t1000000000.00\n";
    EXPECT_EQ(doc->GetCalibrationData(), head + fit + limits);

    const ReportFolder folder("first-order");
    EXPECT_EQ(doc->bGetCalibrationData(folder.Path("calib.txt")), 1);
    const std::string range = "Min Conc (mg/L):\t1.00\nMax Conc (mg/L):\t3.00\n";
    EXPECT_EQ(folder.Read("calib.txt"), head + range + fit + limits + std::string(1, '\0'));
    EXPECT_EQ(folder.Count(), 1);
}

TEST(StandardText, ThirdOrderCalibrationWithoutDecimals) {
    // A = 0.05 + 0.1 c - 0.01 c^2 + 0.001 c^3 at c = 0..4; P = 0 writes no decimal point.
    auto doc = pMeasuredStandards(
        {{0, {0.05}}, {1, {0.141}}, {2, {0.218}}, {3, {0.287}}, {4, {0.354}}}, 0);
    doc->vSetXPrecision(0);
    vCalibrateAs(*doc, 3, 0);
    const std::string head = "Calibration type:\t3rd order\nForce through zero:\tNo\n";
    const std::string fit = "A0:\t0.05\nA1:\t0.1\nA2:\t-0.01\nA3:\t0.001\nR:\t1\nR2:\t1\n";
    const std::string limits =
        "Lower Concentration Limit (%) :\t0\nUpper Concentration Limit (%) :\t1000000000\n";
    EXPECT_EQ(doc->GetCalibrationData(), head + fit + limits);
    doc->pGetCalibList()->GetAt(0)->m_dCoeff[0] = kNoValue;
    EXPECT_NE(doc->GetCalibrationData().find("\nA0:\t*****\n"), std::string::npos);
}

TEST(StandardText, SegmentedCalibrationListsTheOriginSegmentFirst) {
    auto doc = pMeasuredStandards({{1, {0.1}}, {2, {0.2}}, {3, {0.4}}}, 0);
    doc->vSetXPrecision(3);
    vCalibrateAs(*doc, 4, 1);
    // Slopes 0.1 / 1 from the origin, (0.2 - 0.1) / 1 and (0.4 - 0.2) / 1 with c0 = 0.2 - 0.2 * 2.
    const std::string text =
        "Calibration type:\tSegmented\nForce through zero:\tYes\n"
        "Seg #\tStart (%)\tEnd (%)\tA0\tA1\n"
        "1\t0.000\t1.000\t0\t0.1\n"
        "2\t1.000\t2.000\t0\t0.1\n"
        "3\t2.000\t3.000\t-0.2\t0.2\n"
        "Lower Concentration Limit (%) :\t0.000\n"
        "Upper Concentration Limit (%) :\t1000000000.000\n";
    EXPECT_EQ(doc->GetCalibrationData(), text);
    const ReportFolder folder("segmented");
    EXPECT_EQ(doc->bGetCalibrationData(folder.Path("calib.txt")), 1);
    EXPECT_EQ(folder.Read("calib.txt"), text + std::string(1, '\0'));
}

TEST(StandardText, NoCalibrationGivesNoTextAndNoFile) {
    auto doc = pStraightLine();
    const ReportFolder folder("none");
    EXPECT_EQ(doc->GetCalibrationData(), "");
    EXPECT_EQ(doc->bGetCalibrationData(folder.Path("calib.txt")), 0);
    EXPECT_EQ(folder.Count(), 0);

    // The type set to none after calibrating: the type line ends without a type text.
    vCalibrateAs(*doc, 1, 0);
    doc->vSetCalibType(0);
    EXPECT_EQ(doc->GetCalibrationData(), "Calibration type:\t\nForce through zero:\tNo\n");
}

TEST(StandardText, FileThatCannotBeWrittenReturnsZeroAndLeavesNothing) {
    auto doc = pStraightLine();
    vCalibrateAs(*doc, 1, 0);
    const ReportFolder folder("unwritable");
    EXPECT_EQ(doc->bGetCalibrationData(folder.Path("missing/calib.txt")), 0);
    fs::create_directory(folder.Path("calib.txt"));  // a folder stands where the file would go
    EXPECT_EQ(doc->bGetCalibrationData(folder.Path("calib.txt")), 0);
    EXPECT_EQ(folder.Count(), 1);
    EXPECT_TRUE(fs::is_directory(folder.Path("calib.txt")));
}
