# 64-bit Windows: the Windows tests on hosts that cannot run 32-bit code.
set(LORNEL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
