#include <gtest/gtest.h>

#include "photoquant.h"
#include "resources/ModuleRegistration.h"

using photoquant::detail::PhotoquantDLL;

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

TEST(Framework, ModuleStringsAreFoundThroughTheRegisteredModule) {
    EXPECT_EQ(std::string(CResourceString(PhotoquantDLL.hResource, 17)), "Photometry");
    EXPECT_EQ(std::string(CResourceString(nullptr, 100)),
              "This spectrum contains too few data points to calculate the derivative.");
    EXPECT_EQ(std::string(CResourceString(PhotoquantDLL.hResource, 999999)), "");
}
