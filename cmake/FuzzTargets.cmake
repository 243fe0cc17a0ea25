# libFuzzer targets of the portable core (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer). Each tests/fuzz/<Name>Fuzz.cpp becomes
# fuzz_<Name>, seeded from tests/fuzz/corpus/<Name>/; CTest runs each for a
# short while, longer runs are by hand (docs/testing.md).
set(ORACLINE_FUZZ_SECONDS 12 CACHE STRING "How long CTest lets each fuzz target run")
# As large as the biggest file a reader accepts: libFuzzer's default of about
# 4 KB never shows time or memory that grows faster than the input. Without
# -len_control=0 the limit would only creep up from the seeds' sizes, a few
# hundred bytes in a run this short. One byte more for a target whose first
# byte picks the reader (FuzzInput.h).
set(ORACLINE_FUZZ_MAX_LEN 1048577)

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "Fuzz$" "" name ${name})
  add_executable(fuzz_${name} ${source})
  target_link_libraries(fuzz_${name} PRIVATE oracline_core)
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  # New inputs go to the build folder; the seeds in the tree stay as they are.
  set(work_corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${work_corpus})
  # A target that holds several readers keeps a seed folder for each, and
  # runs as long as they would alone.
  file(GLOB seeds LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name}/*)
  set(readers 0)
  foreach(seed ${seeds})
    if(IS_DIRECTORY ${seed})
      math(EXPR readers "${readers} + 1")
    endif()
  endforeach()
  if(readers EQUAL 0)
    set(readers 1)
  endif()
  math(EXPR seconds "${ORACLINE_FUZZ_SECONDS} * ${readers}")
  math(EXPR timeout "${seconds} + 120")
  add_test(NAME fuzz_${name}
           COMMAND fuzz_${name} -max_total_time=${seconds} -max_len=${ORACLINE_FUZZ_MAX_LEN}
                   -len_control=0 -timeout=10 -rss_limit_mb=1024
                   -print_final_stats=1 ${work_corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT ${timeout}
    ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endforeach()
