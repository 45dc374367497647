# libjpeg-turbo for the Windows build, cross-compiled once from Debian's source
# package into the build tree (no other download source is allowed).
include(ExternalProject)

set(LORNEL_JPEG_PREFIX ${CMAKE_BINARY_DIR}/third_party/libjpeg-turbo)
# The unpacked source is shared by the Windows trees beside this one (each
# builds it out of source), so a clone fetches it once; the lock keeps two
# trees building at once from unpacking it together.
get_filename_component(lornel_trees ${CMAKE_BINARY_DIR} DIRECTORY)
set(LORNEL_DEBIAN_SOURCES ${lornel_trees}/debian-sources CACHE PATH
  "Where Debian's source packages are unpacked, once for all trees")
file(MAKE_DIRECTORY ${LORNEL_DEBIAN_SOURCES})
ExternalProject_Add(libjpeg_turbo_ext
  PREFIX ${LORNEL_JPEG_PREFIX}
  SOURCE_DIR ${LORNEL_DEBIAN_SOURCES}/libjpeg-turbo
  DOWNLOAD_COMMAND flock ${LORNEL_DEBIAN_SOURCES}/libjpeg-turbo.lock
    ${CMAKE_SOURCE_DIR}/scripts/fetch-debian-source.sh libjpeg-turbo <SOURCE_DIR>
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JPEG8=OFF
    -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
  # The library alone: its tools and test programs are a third of the build.
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/lib <INSTALL_DIR>/include
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/jconfig.h <SOURCE_DIR>/jpeglib.h
      <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h <INSTALL_DIR>/include
  BUILD_BYPRODUCTS <INSTALL_DIR>/lib/libjpeg.a
  UPDATE_COMMAND ""
  LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON
)
ExternalProject_Get_Property(libjpeg_turbo_ext INSTALL_DIR)
file(MAKE_DIRECTORY ${INSTALL_DIR}/include)
add_library(lornel_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(lornel_jpeg PROPERTIES
  IMPORTED_LOCATION ${INSTALL_DIR}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${INSTALL_DIR}/include)
add_dependencies(lornel_jpeg libjpeg_turbo_ext)
