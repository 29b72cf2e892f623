#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, E2e) { EXPECT_EQ(GetACP(), 932u); }
