# End-to-end flows of the setup and the uninstaller, in a Wine prefix of
# their own (see tests/e2e/setup/run-setup-flows.sh).
if(CMAKE_CROSSCOMPILING)
  add_test(NAME setup_flows
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/setup/run-setup-flows.sh ${CMAKE_BINARY_DIR}/setup-wine ${SETUP_EXE})
  set_tests_properties(setup_flows PROPERTIES RUN_SERIAL TRUE TIMEOUT 240)
endif()
