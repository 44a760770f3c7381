#include <gtest/gtest.h>

#include "Kvtr42C/Variant.h"

using namespace znp;

TEST(Variant, Placeholder) { EXPECT_EQ(Variant(3).AsString(), "3"); }
