# The test "fuzz_regression": every fuzz target runs for 10 seconds over its
# committed seeds (scripts/fuzz-all --fresh --seconds 10), in a clang build
# of the fuzz folder inside this build folder. It fails when a target does
# not build or has a finding. Registered only when clang and its libFuzzer
# runtime are installed.
find_program(MOSK_FUZZ_CLANGXX clang++)
if(MOSK_FUZZ_CLANGXX)
  execute_process(COMMAND ${MOSK_FUZZ_CLANGXX} -print-runtime-dir
    OUTPUT_VARIABLE _mosk_fuzz_runtime OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(MOSK_FUZZ_CLANGXX AND EXISTS "${_mosk_fuzz_runtime}/libclang_rt.fuzzer-${CMAKE_SYSTEM_PROCESSOR}.a")
  add_test(NAME fuzz_regression COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz-all --fresh --seconds 10)
  set_tests_properties(fuzz_regression PROPERTIES
    ENVIRONMENT "FUZZ_BUILD=${CMAKE_BINARY_DIR}/fuzz"
    TIMEOUT 3600)
else()
  message(STATUS "No clang with libFuzzer: the fuzz regression test is left out")
endif()
