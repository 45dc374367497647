# GoogleTest for the Windows build, from Debian's copy of its source.
set(LORNEL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# The Windows tests use GoogleTest alone.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${LORNEL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)
# Unoptimised, as the test code (tests/CMakeLists.txt): gtest-all.cc is the
# slowest file of the tree to compile optimised, and its speed does not matter.
target_compile_options(gtest PRIVATE -O0)
