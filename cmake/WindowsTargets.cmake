# Windows targets: Oracline.exe and the end-to-end tests that drive it under Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 _WIN32_IE=0x0800)

file(GLOB RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/*.rc)
add_executable(Oracline WIN32 ${FRONT_END_SOURCES} ${RESOURCE_SCRIPTS})
# The common dialogs are loaded on first use only: loading comdlg32.dll (and
# the shell libraries it pulls in) at start-up cost most of the scheduled
# run's time under Wine, which never opens a dialog.
if(MINGW)
  set(COMDLG32_DELAY ${CMAKE_BINARY_DIR}/libcomdlg32_delay.a)
  add_custom_command(OUTPUT ${COMDLG32_DELAY}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${CMAKE_SOURCE_DIR}/cmake/comdlg32-delay.def
            --output-delaylib ${COMDLG32_DELAY} --dllname comdlg32.dll
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/comdlg32-delay.def)
  add_custom_target(comdlg32_delay DEPENDS ${COMDLG32_DELAY})
  add_dependencies(Oracline comdlg32_delay)
  set(COMMON_DIALOGS ${COMDLG32_DELAY})
else()
  set(COMMON_DIALOGS comdlg32)
  target_link_options(Oracline PRIVATE /DELAYLOAD:comdlg32.dll)
  target_link_libraries(Oracline PRIVATE delayimp)
endif()
target_link_libraries(Oracline PRIVATE oracline_core
  gdiplus comctl32 ${COMMON_DIALOGS} ole32 oleaut32 uuid mstask shlwapi advapi32 winspool)
configure_file(${CMAKE_SOURCE_DIR}/src/res/OraclineVersion.h.in ${CMAKE_BINARY_DIR}/generated/OraclineVersion.h)
target_include_directories(Oracline PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/res
                           ${CMAKE_BINARY_DIR}/generated)
set_target_properties(Oracline PROPERTIES OUTPUT_NAME Oracline)

include(cmake/Installer.cmake)

# The end-to-end tests need GoogleTest's sources; without them only the
# program and oracline-cli are built.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  include(cmake/EndToEndTests.cmake)
else()
  message(STATUS "No GoogleTest sources at ${GTEST_SOURCE_DIR}: end-to-end tests not built")
endif()

# The resource compiler does not report the pictures it embeds as inputs.
file(GLOB ARTWORK_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/art/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/res/Artwork.rc PROPERTIES OBJECT_DEPENDS "${ARTWORK_FILES}")
