// Entry of the Windows test binary: refuses to run unless Wine gives the
// Chinese ANSI code page, since several tests compare with the A functions.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (GetACP() != 936) {
    std::fprintf(stderr, "ANSI code page is %u, not 936: run with LANG=zh_CN.UTF-8\n", GetACP());
    return 2;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
