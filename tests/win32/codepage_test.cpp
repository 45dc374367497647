#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, CodePage) { EXPECT_EQ(GetACP(), 936u); }
