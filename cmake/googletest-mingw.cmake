# GoogleTest for the Windows build, from Debian's copy of its source.
set(LORNEL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${LORNEL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)
# Unoptimised, as the test code (tests/CMakeLists.txt): gtest-all.cc is the
# slowest file of the tree to compile optimised, and its speed does not matter.
foreach(lib gtest gmock)
  target_compile_options(${lib} PRIVATE -O0)
endforeach()
