#include <gtest/gtest.h>

#include "photoquant.h"

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
