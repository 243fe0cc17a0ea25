# End-to-end tests of the setup and the uninstaller, in a Wine prefix of
# their own (see tests/e2e/setup/run-setup-flows.sh). The flows run in one
# process, in order: install, install again, uninstall silently, uninstall
# answering the question.
add_executable(recording_icacls ${CMAKE_SOURCE_DIR}/tests/e2e/setup/RecordingIcacls.cpp)
set_target_properties(recording_icacls PROPERTIES OUTPUT_NAME icacls RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/setup-tools)

add_executable(e2e_setup_tests ${CMAKE_SOURCE_DIR}/tests/e2e/setup/SetupTest.cpp)
target_link_libraries(e2e_setup_tests PRIVATE e2e_driver gtest_main ole32 uuid mstask shell32)
target_compile_definitions(e2e_setup_tests PRIVATE SETUP_NAME="${SETUP_NAME}" ORACLINE_VERSION="${PROJECT_VERSION}")
add_dependencies(e2e_setup_tests setup recording_icacls)

if(CMAKE_CROSSCOMPILING)
  add_test(NAME setup_flows
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/setup/run-setup-flows.sh ${CMAKE_BINARY_DIR}/setup-wine
                   $<TARGET_FILE:recording_icacls> $<TARGET_FILE:e2e_setup_tests>)
  set_tests_properties(setup_flows PROPERTIES RUN_SERIAL TRUE TIMEOUT 240)
endif()
