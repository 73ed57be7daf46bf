#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "calibration/CalibOptions.h"
#include "calibration/UVStandardData.h"
#include "contracts/framework/WinApp.h"

// The profile belongs to the process: each test leaves it in memory with the default value.
class CalibOptions : public ::testing::Test {
protected:
    void TearDown() override {
        AfxGetApp()->SetProfileFile("");
        AfxGetApp()->WriteProfileInt("Default", "Photometry Calibration Type", 1);
    }
};

TEST_F(CalibOptions, MissingEntryGivesConcentrationFromReading) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, whose profile is empty
    EXPECT_EXIT(std::exit(10 + CCalibOptions().m_iValue), ::testing::ExitedWithCode(11), "");
}

TEST_F(CalibOptions, ValueIsReadAtConstructionAndWrittenOnlyBySave) {
    AfxGetApp()->WriteProfileInt("Default", "Photometry Calibration Type", 0);
    CCalibOptions options;
    EXPECT_EQ(options.m_iValue, 0);
    EXPECT_EQ(CUVStandardData().iGetCalibOpt(), 0);  // new standards take the direction
    CCalibOptions other;
    other.m_iValue = 5;
    options = other;
    EXPECT_EQ(CCalibOptions().m_iValue, 0);
    options.vSave();
    EXPECT_EQ(CCalibOptions().m_iValue, 5);
}

TEST_F(CalibOptions, ValueSurvivesInTheIniFileProfile) {
    const auto path = std::filesystem::temp_directory_path() / "photoquant-calib-options.ini";
    std::ofstream(path) << "[Default]\nPhotometry Calibration Type=0\n";
    ASSERT_TRUE(AfxGetApp()->SetProfileFile(path.string()));
    CCalibOptions options;
    EXPECT_EQ(options.m_iValue, 0);
    options.m_iValue = 1;
    options.vSave();
    CWinApp reader;  // another process reading the same file
    ASSERT_TRUE(reader.SetProfileFile(path.string()));
    EXPECT_EQ(reader.GetProfileInt("Default", "Photometry Calibration Type", 7), 1);
    std::filesystem::remove(path);
}
