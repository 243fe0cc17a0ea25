# Native (Linux) targets: unit tests of the portable core and the benchmarks.
find_package(GTest REQUIRED)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE oracline_core GTest::gtest GTest::gtest_main)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_compile_definitions(unit_tests PRIVATE ORACLINE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

add_test(NAME cli_commands
         COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/run_cli_tests.sh $<TARGET_FILE:oracline-cli>)

if(ORACLINE_BENCHMARKS AND NOT ORACLINE_SANITIZE)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_executable(oracline_bench ${BENCH_SOURCES})
    target_link_libraries(oracline_bench PRIVATE oracline_core benchmark::benchmark)
  endif()
endif()
