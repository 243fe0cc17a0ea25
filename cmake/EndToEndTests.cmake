# End-to-end tests: Windows programs that drive Oracline.exe from outside,
# run under Wine by CTest when cross-compiling.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
# The driver finds the account's folders, the system folder, GDI+ and its JPEG
# encoder through the program's own code, saves an earlier version's job
# through its 1.0 job, keeps the mail password as the program does, and has
# the engine say what a window must show.
add_library(e2e_driver STATIC ${E2E_DRIVER_SOURCES}
  ${CMAKE_SOURCE_DIR}/src/win/KnownFolders.cpp ${CMAKE_SOURCE_DIR}/src/win/WideText.cpp
  ${CMAKE_SOURCE_DIR}/src/win/SystemFolder.cpp ${CMAKE_SOURCE_DIR}/src/win/GdiPlusSession.cpp
  ${CMAKE_SOURCE_DIR}/src/win/ComScope.cpp ${CMAKE_SOURCE_DIR}/src/schedule/win/LegacyTaskJob.cpp
  ${CMAKE_SOURCE_DIR}/src/win/ImageFiles.cpp ${CMAKE_SOURCE_DIR}/src/mail/win/MailCredential.cpp)
target_include_directories(e2e_driver PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(e2e_driver PUBLIC oracline_core gtest advapi32 user32 gdi32 gdiplus winspool mstask ole32 oleaut32 oleacc uuid shell32 crypt32)

# The recording mapi32.dll. The driver copies it into the prefix's System32,
# where runs whose WINEDLLOVERRIDES hold "mapi32=n,b" (the test wrapper's) load
# it instead of Wine's own; the copy beside Oracline.exe in the build folder
# stands for a planted one the program must not load.
add_library(mapi32_recording SHARED
  ${CMAKE_SOURCE_DIR}/tests/e2e/mapi32/RecordingMapi.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/mapi32/mapi32.def)
set_target_properties(mapi32_recording PROPERTIES OUTPUT_NAME mapi32 PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(mapi32_recording PRIVATE -Wl,--kill-at)

# The test printer's PPD, which the driver installs from beside the test programs.
configure_file(${CMAKE_SOURCE_DIR}/tests/e2e/oracline-test.ppd ${CMAKE_BINARY_DIR}/oracline-test.ppd COPYONLY)

set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(E2E_ENVIRONMENT "WINEPREFIX=${WINE_PREFIX}")

# Tests on the normal 1024 x 768 screen of the run.
file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*Test.cpp)
add_executable(e2e_tests ${E2E_SOURCES} ${UTF8_PROCESS_RESOURCE})
target_link_libraries(e2e_tests PRIVATE e2e_driver gtest_main)
add_dependencies(e2e_tests Oracline mapi32_recording)
include(GoogleTest)
gtest_discover_tests(e2e_tests
  DISCOVERY_MODE PRE_TEST
  DISCOVERY_TIMEOUT 120
  TEST_FILTER "-MailWithoutMapi.*:MailServer*:FiredJob.*:DailyAnalysis.*:MainWindowTasks.*:FirstStart.*:Schedule.*"
  PROPERTIES ENVIRONMENT "${E2E_ENVIRONMENT}" RUN_SERIAL TRUE TIMEOUT 150)
# Each of these suites shares one start of the program, in one process; each
# failure still names its own test.
foreach(suite DailyAnalysis MainWindowTasks FirstStart Schedule)
  add_test(NAME ${suite} COMMAND e2e_tests --gtest_filter=${suite}.*)
  set_tests_properties(${suite} PROPERTIES ENVIRONMENT "${E2E_ENVIRONMENT}" RUN_SERIAL TRUE TIMEOUT 150)
endforeach()
# Without any mapi32: neither the recording library nor Wine's own loads.
# The overrides are read when a program starts, so the run needs its own.
add_test(NAME MailWithoutMapi COMMAND e2e_tests --gtest_filter=MailWithoutMapi.*)
set_tests_properties(MailWithoutMapi PROPERTIES
  ENVIRONMENT "${E2E_ENVIRONMENT};WINEDLLOVERRIDES=mscoree,mshtml,mapi32=" RUN_SERIAL TRUE TIMEOUT 150)

# Mail through a real SMTP server on loopback, which the script starts and
# stops around the run; it then looks for the password in the prefix's files.
if(CMAKE_CROSSCOMPILING)
  add_test(NAME MailServer COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/smtp/run-with-server.sh ${WINE_PREFIX}
                                   $<TARGET_FILE:e2e_tests> --gtest_filter=MailServer*)
  set_tests_properties(MailServer PROPERTIES ENVIRONMENT "${E2E_ENVIRONMENT}" RUN_SERIAL TRUE TIMEOUT 240)
  # The job the program registers, fired by Wine's Task Scheduler at its
  # minute; it installs with the setup first.
  add_test(NAME FiredJob COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/smtp/run-with-server.sh ${WINE_PREFIX}
                                 $<TARGET_FILE:e2e_tests> --gtest_filter=FiredJob.*)
  set_tests_properties(FiredJob PROPERTIES ENVIRONMENT "${E2E_ENVIRONMENT};ORACLINE_RUN_SECONDS=270"
                       RUN_SERIAL TRUE TIMEOUT 300)
endif()

# Tests that need a screen of their own: each group runs on a private Xvfb
# screen, which only the Wine wrapper can give them.
file(GLOB E2E_SCREEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/screens/*.cpp)
add_executable(e2e_screen_tests ${E2E_SCREEN_SOURCES} ${UTF8_PROCESS_RESOURCE})
target_link_libraries(e2e_screen_tests PRIVATE e2e_driver gtest_main)
add_dependencies(e2e_screen_tests Oracline)
if(CMAKE_CROSSCOMPILING)
  # High contrast on a screen of its own: the wineserver that holds the
  # changed colours ends with the run.
  add_test(NAME high_contrast COMMAND e2e_screen_tests --gtest_filter=HighContrastOnScreen_*)
  set_tests_properties(high_contrast PROPERTIES
    ENVIRONMENT "${E2E_ENVIRONMENT};ORACLINE_SCREEN=1024x768x24" RUN_SERIAL TRUE TIMEOUT 150)
  foreach(screen 640x480x24 1024x768x8 1024x480x24)
    add_test(NAME screen_${screen} COMMAND e2e_screen_tests --gtest_filter=*Screen_${screen}*)
    set_tests_properties(screen_${screen} PROPERTIES
      ENVIRONMENT "${E2E_ENVIRONMENT};ORACLINE_SCREEN=${screen}" RUN_SERIAL TRUE TIMEOUT 150)
  endforeach()
  # A user's own prefix is not the test prefix: the first start in one that
  # wineboot alone made, without Wine's fonts, at 96 and at 144 dpi.
  add_test(NAME plain_prefix
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/plain-prefix.sh ${CMAKE_BINARY_DIR}/plain-wine
                   $<TARGET_FILE:e2e_screen_tests>)
  add_test(NAME plain_prefix_144
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/plain-prefix.sh ${CMAKE_BINARY_DIR}/plain-wine
                   $<TARGET_FILE:e2e_screen_tests>)
  set_tests_properties(plain_prefix plain_prefix_144 PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)
  set_tests_properties(plain_prefix_144 PROPERTIES
    ENVIRONMENT "ORACLINE_SCREEN=1920x1440x24;ORACLINE_LOGPIXELS=144")
endif()

# The drawings at another display scale: the run at 96 dpi records what the
# one at 144 dpi compares with, on a screen large enough for the grown windows.
if(CMAKE_CROSSCOMPILING)
  foreach(dpi 96 144 192)
    add_test(NAME display_scale_${dpi} COMMAND e2e_screen_tests --gtest_filter=DisplayScale.*)
    set_tests_properties(display_scale_${dpi} PROPERTIES
      ENVIRONMENT "${E2E_ENVIRONMENT};ORACLINE_SCREEN=1920x1440x24;ORACLINE_LOGPIXELS=${dpi};ORACLINE_DPI_RECORD=${CMAKE_BINARY_DIR}/display-scale"
      RUN_SERIAL TRUE TIMEOUT 150)
  endforeach()
  set_tests_properties(display_scale_96 PROPERTIES FIXTURES_SETUP display_scale)
  set_tests_properties(display_scale_144 display_scale_192 PROPERTIES FIXTURES_REQUIRED display_scale)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/display-scale)
endif()

# The timings of bench/window-times.sh, which drive the program as these
# tests do.
add_executable(window_times ${CMAKE_SOURCE_DIR}/bench/win/WindowTimes.cpp)
target_link_libraries(window_times PRIVATE e2e_driver)
add_dependencies(window_times Oracline mapi32_recording)

# The framework's own rules that need Windows but no Oracline.exe.
add_executable(framework_tests ${CMAKE_SOURCE_DIR}/tests/win/FrameworkTest.cpp ${CMAKE_SOURCE_DIR}/tests/win/FrameworkTest.rc
  ${CMAKE_SOURCE_DIR}/src/win/Dialog.cpp ${CMAKE_SOURCE_DIR}/src/win/DialogFont.cpp ${CMAKE_SOURCE_DIR}/src/win/MessageFilters.cpp
  ${CMAKE_SOURCE_DIR}/src/win/Theme.cpp ${CMAKE_SOURCE_DIR}/src/win/ToolTips.cpp ${CMAKE_SOURCE_DIR}/src/win/DisplayScale.cpp
  ${CMAKE_SOURCE_DIR}/src/win/GdiPlusCanvas.cpp ${CMAKE_SOURCE_DIR}/src/win/GdiPlusSession.cpp
  ${CMAKE_SOURCE_DIR}/src/win/FontFamilies.cpp ${CMAKE_SOURCE_DIR}/src/win/WideText.cpp
  ${CMAKE_SOURCE_DIR}/src/base/ScaledCanvas.cpp ${CMAKE_SOURCE_DIR}/src/base/ContrastCanvas.cpp
  ${CMAKE_SOURCE_DIR}/src/win/ListView.cpp ${CMAKE_SOURCE_DIR}/src/win/InstanceClaim.cpp
  ${CMAKE_SOURCE_DIR}/src/win/Accessibility.cpp ${CMAKE_SOURCE_DIR}/src/win/Controls.cpp)
target_include_directories(framework_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/res)
target_link_libraries(framework_tests PRIVATE gtest_main comctl32 gdi32 gdiplus user32 advapi32 oleacc ole32 oleaut32 uuid)
add_test(NAME framework COMMAND framework_tests)
set_tests_properties(framework PROPERTIES ENVIRONMENT "${E2E_ENVIRONMENT}" TIMEOUT 60)

# A filter that selects no test, say after a rename, would pass having tested
# nothing.
get_property(E2E_ENTRIES DIRECTORY PROPERTY TESTS)
set_tests_properties(${E2E_ENTRIES} PROPERTIES FAIL_REGULAR_EXPRESSION "Running 0 tests")
