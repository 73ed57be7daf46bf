#include <gtest/gtest.h>
#include <unistd.h>

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

TEST_F(CalibOptions, ValueSurvivesInTheIniFileProfileWrittenWhole) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("photoquant-profile-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path path = folder / "calib-options.ini";
    const fs::path victim = folder / "victim.txt";
    std::ofstream(path) << "[Default]\nPhotometry Calibration Type=0\n";
    std::ofstream(victim) << "keep";
    // A link planted at the name a careless writer would use for its temporary.
    fs::create_symlink(victim, fs::path(path.string() + ".tmp"));
    ASSERT_TRUE(AfxGetApp()->SetProfileFile(path.string()));
    CCalibOptions options;
    EXPECT_EQ(options.m_iValue, 0);
    options.m_iValue = 1;
    options.vSave();
    CWinApp reader;  // another process reading the same file
    ASSERT_TRUE(reader.SetProfileFile(path.string()));
    EXPECT_EQ(reader.GetProfileInt("Default", "Photometry Calibration Type", 7), 1);
    std::string kept;
    std::ifstream(victim) >> kept;
    EXPECT_EQ(kept, "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    fs::remove_all(folder);
}
