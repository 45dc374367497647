# Helpers shared by every folder of the tree.

# Test names carry the build tree, so one ctest run over all trees stays readable.
if(WIN32)
  # The Wine prefix's architecture names the tree: win32, or win64.
  math(EXPR lornel_bits "${CMAKE_SIZEOF_VOID_P} * 8")
  set(LORNEL_WINEARCH win${lornel_bits})
  set(LORNEL_TEST_PREFIX "${LORNEL_WINEARCH}.")
  # What the Wine scripts need to find this tree's prefix.
  set(LORNEL_WINE_ENVIRONMENT "LORNEL_BUILD=${CMAKE_BINARY_DIR};WINEARCH=${LORNEL_WINEARCH}")
elseif(LORNEL_FUZZ)
  set(LORNEL_TEST_PREFIX "fuzz.")
elseif(LORNEL_SANITIZE)
  set(LORNEL_TEST_PREFIX "asan.")
else()
  set(LORNEL_TEST_PREFIX "native.")
endif()

# Our own targets: C++20, UTF-8 sources whose literals become GBK bytes.
# TEST_CODE: a test program's own files go uninstrumented, as the tests' own
# code is built unoptimised (it halves their compile time); the product's code
# that they call keeps the sanitizers, and the program still runs under them.
function(lornel_target target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "TEST_CODE" "" "")
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(MSVC)
    # (/utf-8 would set the execution charset too, and MSVC refuses both.)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936 /W4)
  elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # clang knows no GBK execution charset; only the fuzzing tree is built with
    # it, and the fuzzed code does not depend on the bytes of its literals.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
  else()
    target_compile_options(${target} PRIVATE
      -finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Wno-missing-field-initializers)
  endif()
  if(LORNEL_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
  if(LORNEL_SANITIZE AND NOT WIN32)
    if(NOT arg_TEST_CODE)
      target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    endif()
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# Most of a file's compile time here is parsing the same big headers
# (<windows.h> above all, and GoogleTest in the tests); a precompiled header
# parses them once per target. The product's Windows libraries precompile
# <windows.h> alone, which leaves their objects as they were (more headers
# would reorder the C library's inline functions); the test programs more.
option(LORNEL_PRECOMPILED_HEADERS "Precompile each target's common headers" ON)
set(LORNEL_STD_HEADERS <algorithm> <array> <cstdint> <cstdio> <cstring> <functional> <map>
  <memory> <optional> <string> <string_view> <utility> <vector>)
set(LORNEL_WINDOWS_HEADERS <windows.h> ${LORNEL_STD_HEADERS})
set(LORNEL_TEST_HEADERS <gtest/gtest.h> ${LORNEL_STD_HEADERS})
set(LORNEL_WINDOWS_TEST_HEADERS <windows.h> ${LORNEL_TEST_HEADERS})
function(lornel_precompile target)
  if(LORNEL_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# A test program's files are compiled eight to a unit: most of their time is
# the same GoogleTest and standard headers and templates, once per unit.
set(LORNEL_TEST_UNITY_BATCH 8 CACHE STRING "Test files compiled per unit (1 for one each)")
function(lornel_test_unity target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON
    UNITY_BUILD_BATCH_SIZE ${LORNEL_TEST_UNITY_BATCH})
endfunction()

# Options that only GCC, clang and GNU ld know (-municode picks the wide entry
# point, -s strips); an MSVC build goes without them.
function(lornel_gnu_options target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMPILE;LINK")
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE ${arg_COMPILE})
    target_link_options(${target} PRIVATE ${arg_LINK})
  endif()
endfunction()

# Windows tests take one lane of scripts/test.sh each (a display and a Wine
# prefix of their own, see scripts/wine-env.sh), so tests in different lanes
# run side by side; a ctest run without lanes runs them one at a time.
set(LORNEL_WINE_LANE "wine_lane:1")

# A test binary built for Windows and run under Wine by ctest. A tree built for
# a host that cannot run its code under Wine (32-bit code on a 64-bit-only
# kernel) keeps only the tests that read the built files.
# SHARDS n splits a long binary into n ctest tests by whole suites (see
# scripts/wine-run.sh), each in a lane of its own; together they run every
# case once. A suite_seconds.txt beside the tests ("Suite seconds" lines)
# balances the parts by time instead of by cases.
option(LORNEL_WINE_TESTS "Run this tree's Windows programs under Wine in ctest" ON)
function(lornel_add_wine_test name target)
  if(NOT LORNEL_WINE_TESTS)
    return()
  endif()
  set(args ${ARGN})
  set(shards 1)
  list(FIND args SHARDS at)
  if(at GREATER -1)
    math(EXPR value_at "${at} + 1")
    list(GET args ${value_at} shards)
    list(REMOVE_AT args ${at} ${value_at})
  endif()
  # ctest starts the costliest tests first (a fresh tree has no timings of its
  # own): each part of a measured program costs its share of the seconds,
  # except that the first part, which gets the heaviest suite, costs at least
  # that suite.
  set(cost 0)
  set(first_cost 0)
  if(shards GREATER 1 AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt)
    file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt lines REGEX "^[^#]")
    set(total 0)
    set(heaviest 0)
    foreach(line ${lines})
      if(line MATCHES "^[^ ]+ +([0-9]+)")
        math(EXPR total "${total} + ${CMAKE_MATCH_1}")
        if(CMAKE_MATCH_1 GREATER heaviest)
          set(heaviest ${CMAKE_MATCH_1})
        endif()
      endif()
    endforeach()
    math(EXPR first_cost "${total} / ${shards}")
    if(heaviest GREATER first_cost)
      set(first_cost ${heaviest})
    endif()
    math(EXPR cost "(${total} - ${first_cost}) / (${shards} - 1)")
  endif()
  foreach(shard RANGE 1 ${shards})
    set(test ${LORNEL_TEST_PREFIX}${name})
    set(environment "${LORNEL_WINE_ENVIRONMENT}")
    if(shards GREATER 1)
      set(test ${test}_${shard}of${shards})
      list(APPEND environment LORNEL_SHARD=${shard}/${shards})
      # Measured seconds per suite beside the tests balance the parts by time.
      if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt)
        list(APPEND environment LORNEL_SHARD_WEIGHTS=${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt)
      endif()
    endif()
    set(part_cost ${cost})
    if(shard EQUAL 1)
      set(part_cost ${first_cost})
    endif()
    add_test(NAME ${test}
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${args})
    set_tests_properties(${test} PROPERTIES
      FIXTURES_REQUIRED wine_prefix
      RESOURCE_GROUPS ${LORNEL_WINE_LANE}
      ENVIRONMENT "${environment}"
      COST ${part_cost}
      TIMEOUT 900)
  endforeach()
endfunction()

# The same test binary once more on a virtual desktop of another size and DPI
# (scripts/wine-display.sh), running only the tests of the given filter.
function(lornel_add_wine_display_test name target size dpi filter)
  if(NOT LORNEL_WINE_TESTS)
    return()
  endif()
  # Its cost for ctest's order (see lornel_add_wine_test): the filtered suite's
  # measured seconds.
  set(cost 0)
  string(REGEX REPLACE "^[*]|[.]?[*]$" "" suite "${filter}")
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt)
    file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/suite_seconds.txt lines REGEX "^${suite} ")
    if(lines MATCHES "^[^ ]+ +([0-9]+)")
      set(cost ${CMAKE_MATCH_1})
    endif()
  endif()
  add_test(NAME ${LORNEL_TEST_PREFIX}${name}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-display.sh ${size} ${dpi} $<TARGET_FILE:${target}>
      --gtest_filter=${filter} ${ARGN})
  set_tests_properties(${LORNEL_TEST_PREFIX}${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_GROUPS ${LORNEL_WINE_LANE}
    ENVIRONMENT "${LORNEL_WINE_ENVIRONMENT}"
    COST ${cost}
    TIMEOUT 600)
endfunction()
