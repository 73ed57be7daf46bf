#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "photoquant.h"

TEST(Framework, RuntimeClassKnowsItsAncestry) {
    CDataXY data;
    EXPECT_TRUE(data.IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_TRUE(data.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(data.IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_STREQ(data.GetRuntimeClass()->m_lpszClassName, "CDataXY");
}

TEST(Framework, ArraysThrowOutOfRangeOnABadIndex) {
    CArray<int, int> numbers;
    numbers.Add(3);
    EXPECT_EQ(numbers[0], 3);
    EXPECT_THROW(numbers.GetAt(1), std::out_of_range);
    EXPECT_THROW(numbers.GetAt(-1), std::out_of_range);
    CStringArray texts;
    texts.SetAtGrow(2, "c");
    EXPECT_EQ(texts.GetSize(), 3);
    EXPECT_EQ(texts[0], "");
}

TEST(Framework, ProfileKeepsIntegersInMemoryAndInAnIniFile) {
    CWinApp app;
    EXPECT_EQ(app.GetProfileInt("Default", "Missing", 7), 7);
    app.WriteProfileInt("Default", "Entry", 3);
    EXPECT_EQ(app.GetProfileInt("Default", "Entry", 7), 3);

    const auto path = std::filesystem::temp_directory_path() / "photoquant-profile-test.ini";
    std::filesystem::remove(path);
    {
        CWinApp writer;
        ASSERT_TRUE(writer.SetProfileFile(path.string()));
        writer.WriteProfileInt("Default", "Photometry Calibration Type", 0);
    }
    CWinApp reader;
    ASSERT_TRUE(reader.SetProfileFile(path.string()));
    EXPECT_EQ(reader.GetProfileInt("Default", "Photometry Calibration Type", 1), 0);
    std::filesystem::remove(path);
}

TEST(Framework, MessageBoxGoesToTheHostsHandler) {
    std::string shown;
    UINT type = 0;
    AfxSetMessageBoxHandler([&](const std::string& text, UINT nType) {
        shown = text;
        type = nType;
        return IDOK;
    });
    EXPECT_EQ(AfxMessageBox("hello", MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(shown, "hello");
    EXPECT_EQ(type, MB_ICONEXCLAMATION);
    AfxSetMessageBoxHandler(nullptr);
}

TEST(Framework, ModuleStringsAreFoundThroughTheRegisteredModule) {
    EXPECT_EQ(std::string(CResourceString(PhotoquantDLL.hResource, 17)), "Photometry");
    EXPECT_EQ(std::string(CResourceString(nullptr, 100)),
              "This spectrum contains too few data points to calculate the derivative.");
    EXPECT_EQ(std::string(CResourceString(PhotoquantDLL.hResource, 999999)), "");
}

TEST(UiKit, DataTextIsShortestGeneralNotation) {
    EXPECT_EQ(UVDATASTR(0.1), "0.1");
    EXPECT_EQ(UVDATASTR(1234567.0), "1.23457e+06");
}
