# The product: 32-bit Windows.
set(LORNEL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
