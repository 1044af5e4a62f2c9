#include <gtest/gtest.h>
TEST(Placeholder, X) { EXPECT_TRUE(true); }
