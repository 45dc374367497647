# Helpers shared by every folder of the tree.

# Our own targets: C++20, UTF-8 sources whose literals become GBK bytes.
function(lornel_target target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(MSVC)
    target_compile_options(${target} PRIVATE /utf-8 /execution-charset:.936 /W4)
  else()
    target_compile_options(${target} PRIVATE
      -finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Wno-missing-field-initializers)
  endif()
  if(LORNEL_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# A test binary built for Windows and run under Wine by ctest.
function(lornel_add_wine_test name target)
  add_test(NAME ${name}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    ENVIRONMENT "LORNEL_BUILD=${CMAKE_BINARY_DIR}"
    TIMEOUT 900)
endfunction()
