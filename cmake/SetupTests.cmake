# End-to-end tests of the setup and the uninstaller. They run in a prefix of
# their own, made anew by the fixture below, so that installing and removing
# never touches the prefix the other Windows tests share.
add_executable(recording_icacls ${CMAKE_SOURCE_DIR}/tests/e2e/setup/RecordingIcacls.cpp)
set_target_properties(recording_icacls PROPERTIES OUTPUT_NAME icacls RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/setup-tools)

add_executable(e2e_setup_tests ${CMAKE_SOURCE_DIR}/tests/e2e/setup/SetupTest.cpp)
target_link_libraries(e2e_setup_tests PRIVATE e2e_driver gtest_main ole32 uuid mstask shell32)
target_compile_definitions(e2e_setup_tests PRIVATE SETUP_NAME="${SETUP_NAME}" ORACLINE_VERSION="${PROJECT_VERSION}")
add_dependencies(e2e_setup_tests setup recording_icacls)

if(CMAKE_CROSSCOMPILING)
  set(SETUP_PREFIX ${CMAKE_BINARY_DIR}/setup-wine)
  add_test(NAME setup_fresh_prefix
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/setup/fresh-prefix.sh ${SETUP_PREFIX} $<TARGET_FILE:recording_icacls>)
  set_tests_properties(setup_fresh_prefix PROPERTIES FIXTURES_SETUP setup_prefix RUN_SERIAL TRUE TIMEOUT 180)
  # icacls.exe=n: the recording stand-in instead of Wine's own; no Linux menu
  # entries for the shortcuts. The flows run in one process, in order.
  add_test(NAME setup_flows COMMAND e2e_setup_tests)
  set_tests_properties(setup_flows PROPERTIES
    ENVIRONMENT "WINEPREFIX=${SETUP_PREFIX};WINEDLLOVERRIDES=mscoree,mshtml=\\;winemenubuilder.exe=d\\;icacls.exe=n"
    FIXTURES_REQUIRED setup_prefix RUN_SERIAL TRUE TIMEOUT 170)
  # The wrapper leaves a persistent wineserver behind for the prefix.
  add_test(NAME setup_stop_server COMMAND env WINEPREFIX=${SETUP_PREFIX} wineserver -k)
  set_tests_properties(setup_stop_server PROPERTIES FIXTURES_CLEANUP setup_prefix RUN_SERIAL TRUE)
endif()
