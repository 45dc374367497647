// Every literal must reach the program as GBK bytes, as wtda.ini holds them.
#include <gtest/gtest.h>

#include <string>

TEST(Charset, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("题目"), "\xCC\xE2\xC4\xBF");
  EXPECT_EQ(std::string("■"), "\xA1\xF6");
  EXPECT_EQ(std::string("（填‘0’"),
            "\xA3\xA8\xCC\xEE\xA1\xAE"
            "0\xA1\xAF");
}
