#include "calculators/anchor_depth_list.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

using calc::AnchorDepthList;

TEST(AnchorDepthList, KeepsDistinctDepthsInOrder) {
    AnchorDepthList list = AnchorDepthList::Defaults();
    ASSERT_EQ(list.Size(), 15u);
    EXPECT_TRUE(list.Add(1200.0));
    EXPECT_FALSE(list.Add(1200.0));  // already listed
    EXPECT_FALSE(list.Add(0.0));
    EXPECT_TRUE(list.Add(-50.0));
    EXPECT_TRUE(list.Add(9000.0));
    EXPECT_FALSE(list.Add(std::nan("")));
    EXPECT_EQ(list.Values(),
              (std::vector<double>{-50, 0, 200, 400, 600, 800, 1000, 1200, 1500, 2000, 2500, 3000,
                                   3500, 4000, 4500, 5000, 5200, 9000}));

    EXPECT_TRUE(list.RemoveAt(0));
    EXPECT_TRUE(list.RemoveAt(list.Size() - 1));
    EXPECT_FALSE(list.RemoveAt(list.Size()));
    EXPECT_EQ(list.Values().front(), 0.0);
    EXPECT_EQ(list.Values().back(), 5200.0);
    list.RemoveAll();
    EXPECT_EQ(list.Size(), 0u);
}

TEST(AnchorDepthList, TakesNoMoreThan195) {
    AnchorDepthList list;
    for (int i = 0; i < 195; ++i) {
        ASSERT_TRUE(list.Add(10.0 * i));
    }
    EXPECT_FALSE(list.Add(-1.0));  // the 196th depth
    EXPECT_EQ(list.Size(), AnchorDepthList::kMaxDepths);
    EXPECT_TRUE(list.RemoveAt(3));
    EXPECT_TRUE(list.Add(-1.0));
}

}  // namespace
